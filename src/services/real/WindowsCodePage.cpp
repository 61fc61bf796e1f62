#include "services/real/WindowsCodePage.h"

#include <windows.h>

namespace acordina::win32 {

std::string WindowsCodePage::Encode(std::wstring_view text) const {
    if (text.empty()) {
        return {};
    }
    // A character the code page lacks becomes '?', not a look-alike that would read back as
    // something the user never typed. The Unicode code pages lack none and take neither.
    const bool unicode = number_ == CP_UTF7 || number_ == CP_UTF8;
    const DWORD flags = unicode ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* standIn = unicode ? nullptr : "?";
    const int size = static_cast<int>(text.size());
    const int n =
        WideCharToMultiByte(number_, flags, text.data(), size, nullptr, 0, standIn, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(number_, flags, text.data(), size, bytes.data(), n, standIn, nullptr);
    return bytes;
}

std::wstring WindowsCodePage::Decode(std::string_view bytes) const {
    if (bytes.empty()) {
        return {};
    }
    const int size = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(number_, 0, bytes.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(number_, 0, bytes.data(), size, text.data(), n);
    return text;
}

} // namespace acordina::win32
