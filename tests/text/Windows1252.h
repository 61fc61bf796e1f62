#pragma once
// Windows-1252 for the portable core's tests, which have no system converter; others become '?'.
#include "text/CodePage.h"

#include <string>
#include <string_view>

namespace acordina::text {

// Bytes 0x80..0x9F; the rest equals Latin-1. The five unused bytes stand for themselves.
inline constexpr std::u16string_view kHigh1252 =
    u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ";

inline std::string ToWindows1252(std::wstring_view text) {
    std::string out;
    for (const char32_t c : text) {
        const auto high = c > 0xFFFF ? kHigh1252.npos : kHigh1252.find(static_cast<char16_t>(c));
        out += c < 0x80 || (c >= 0xA0 && c <= 0xFF) ? static_cast<char>(c)
               : high != kHigh1252.npos             ? static_cast<char>(0x80 + high)
                                                    : '?';
    }
    return out;
}

class Windows1252 final : public CodePage {
public:
    std::string Encode(std::wstring_view text) const override { return ToWindows1252(text); }
    std::wstring Decode(std::string_view bytes) const override {
        std::wstring out;
        for (const unsigned char b : bytes) {
            out += static_cast<wchar_t>(b >= 0x80 && b < 0xA0 ? kHigh1252[b - 0x80] : b);
        }
        return out;
    }
};

} // namespace acordina::text
