#include "text/Utf8.h"

#include <gtest/gtest.h>

namespace acordina::text {
namespace {

TEST(Utf8, EncodesEveryPlaneAndDecodesOnlyWellFormedBytes) {
    const std::pair<std::wstring, std::string> both[] = {
        {L"", ""},
        {L"a\u007F", "a\x7F"},
        {L"\u0080já\u07FF", "\xC2\x80j\xC3\xA1\xDF\xBF"},
        {L"Будильник", "\xD0\x91\xD1\x83\xD0\xB4\xD0\xB8\xD0\xBB\xD1\x8C\xD0\xBD\xD0\xB8\xD0\xBA"},
        {L"\u0800€\uFFFF", "\xE0\xA0\x80\xE2\x82\xAC\xEF\xBF\xBF"},
        {L"\uD7FF\uE000", "\xED\x9F\xBF\xEE\x80\x80"}, // either side of the surrogates
        {L"\U00010000\U0001F600\U0010FFFF", "\xF0\x90\x80\x80\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"}};
    for (const auto& [wide, bytes] : both) {
        EXPECT_EQ(ToUtf8(wide), bytes);
        EXPECT_EQ(FromUtf8(bytes), wide);
    }
    EXPECT_EQ(ToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800)) + L"x"), "\xEF\xBF\xBDx");
    // Cut short, a lone continuation, overlong, a surrogate, beyond U+10FFFF, bytes never used.
    for (const std::string_view bad :
         {"\xC3", "a\xE2\x82", "\x80", "\xC0\x80", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF",
          "\xED\xA0\x80", "\xED\xBF\xBF", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80", "\xFF",
          "j\xE1!"}) {
        EXPECT_EQ(FromUtf8(bad), std::nullopt) << testing::PrintToString(bad);
    }
}

} // namespace
} // namespace acordina::text
