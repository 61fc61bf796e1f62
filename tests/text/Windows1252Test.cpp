#include "text/Windows1252.h"

#include <gtest/gtest.h>

namespace acordina::text {
namespace {

TEST(Windows1252, EncodesPortugueseAndTheHighRangeEveryByteDecodesAndTheRestBecomesQuestionMarks) {
    const std::pair<std::wstring_view, std::string_view> cases[] = {
        {L"Configurações >> desligá-lo Dê ÿ", "Configura\xE7\xF5\x65s >> deslig\xE1-lo D\xEA \xFF"},
        {L"€ “x” — ™\u00A0\x81", "\x80 \x93x\x94 \x97 \x99\xA0\x81"},
    };
    for (const auto& [text, bytes] : cases) {
        EXPECT_EQ(ToWindows1252(text), bytes);
        EXPECT_EQ(FromWindows1252(bytes), text);
    }
    // The last is one character, a surrogate pair where wchar_t has 16 bits.
    EXPECT_EQ(ToWindows1252(L"a\u0394b\u4E2Dc\U0001F600"), "a?b?c?");
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(ToWindows1252(FromWindows1252(one)), one) << "byte " << b;
    }
}

} // namespace
} // namespace acordina::text
