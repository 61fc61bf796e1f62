#pragma once
// Windows-1252, the single-byte code page of the settings file and of the
// Portuguese texts handed to the ANSI shell and sound services. Kept portable
// so the byte format can be tested without Windows.

#include <string>
#include <string_view>

namespace acordina::text {

// Characters outside Windows-1252 become '?', as the system converter does.
std::string ToWindows1252(std::wstring_view text);

// Every byte maps to one character; the five undefined bytes map to the C1
// control characters of the same value, so decoding never fails.
std::wstring FromWindows1252(std::string_view bytes);

} // namespace acordina::text
