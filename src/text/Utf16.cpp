#include "text/Utf16.h"

namespace acordina::text {

std::optional<std::wstring> FromUtf16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    const std::size_t count = bytes.size() / 2;
    const auto unit = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? char32_t(first) << 8 | second : char32_t(second) << 8 | first;
    };
    std::wstring out;
    out.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t c = unit(i);
        if (c < 0xD800 || c > 0xDFFF) {
            out.push_back(static_cast<wchar_t>(c));
            continue;
        }
        const char32_t low = c <= 0xDBFF && i + 1 < count ? unit(i + 1) : 0;
        if (low < 0xDC00 || low > 0xDFFF) {
            return std::nullopt;
        }
        ++i;
        // Where wchar_t has 32 bits, the pair is one character.
        if constexpr (sizeof(wchar_t) == 2) {
            out.push_back(static_cast<wchar_t>(c));
            out.push_back(static_cast<wchar_t>(low));
        } else {
            out.push_back(static_cast<wchar_t>(0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00)));
        }
    }
    return out;
}

} // namespace acordina::text
