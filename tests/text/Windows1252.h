#pragma once
// Windows-1252, the code page of the Portuguese texts, for the tests of the portable core, which
// have no system converter. A character outside it becomes '?'.

#include "text/CodePage.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace acordina::text {

// Bytes 0x80..0x9F; the rest equals Latin-1. The five unused bytes stand for themselves.
inline constexpr std::array<char32_t, 32> kHigh1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

inline std::string ToWindows1252(std::wstring_view text) {
    std::string out;
    for (const wchar_t w : text) {
        const auto c = static_cast<char32_t>(w);
        const auto high = std::find(kHigh1252.begin(), kHigh1252.end(), c);
        out.push_back(c < 0x80 || (c >= 0xA0 && c <= 0xFF) ? static_cast<char>(c)
                      : high != kHigh1252.end()
                          ? static_cast<char>(0x80 + (high - kHigh1252.begin()))
                          : '?');
    }
    return out;
}

class Windows1252 final : public CodePage {
public:
    std::string Encode(std::wstring_view text) const override { return ToWindows1252(text); }
    std::wstring Decode(std::string_view bytes) const override {
        std::wstring out;
        for (const char b : bytes) {
            const auto u = static_cast<unsigned char>(b);
            out.push_back(static_cast<wchar_t>(u >= 0x80 && u < 0xA0 ? kHigh1252[u - 0x80] : u));
        }
        return out;
    }
};

} // namespace acordina::text
