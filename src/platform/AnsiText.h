#pragma once

#include <string>
#include <string_view>

namespace acordina::win32 {

// Text for the ANSI services (the notification record): the system's code page.
std::string ToAnsi(std::wstring_view text);

} // namespace acordina::win32
