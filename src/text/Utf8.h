#pragma once
// UTF-8, the form of text that holds every script: what Notepad saves, and what Config.inf
// keeps a sound's name in when the system's code page cannot hold it.

#include <optional>
#include <string>
#include <string_view>

namespace acordina::text {

// A lone surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);

// nullopt unless the bytes are well-formed UTF-8: no overlong form, no surrogate, nothing
// beyond U+10FFFF, no sequence cut short.
std::optional<std::wstring> FromUtf8(std::string_view bytes);

} // namespace acordina::text
