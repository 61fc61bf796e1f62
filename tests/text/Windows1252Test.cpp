#include "text/Windows1252.h"

#include <gtest/gtest.h>

namespace acordina::text {
namespace {

struct Case {
    std::wstring_view text;
    std::string_view bytes;
};

TEST(Windows1252, EncodesPortugueseAndTheHighRange) {
    const Case cases[] = {
        {L"", ""},
        {L"Configurações >>", "Configura\xE7\xF5\x65s >>"},
        {L"desligá-lo", "deslig\xE1-lo"},
        {L"Dê", "D\xEA"},
        {L"€ “x” — ™", "\x80 \x93x\x94 \x97 \x99"},
        {L"ÿ", "\xFF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToWindows1252(c.text), c.bytes);
        EXPECT_EQ(FromWindows1252(c.bytes), c.text);
    }
}

TEST(Windows1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(ToWindows1252(L"a\u0394b\u4E2Dc"), "a?b?c");
    EXPECT_EQ(ToWindows1252(L"\U0001F600"), "?");
}

TEST(Windows1252, EveryByteDecodesAndTheDefinedOnesRoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::wstring decoded = FromWindows1252(one);
        ASSERT_EQ(decoded.size(), 1u);
        EXPECT_EQ(ToWindows1252(decoded), one) << "byte " << b;
    }
}

} // namespace
} // namespace acordina::text
