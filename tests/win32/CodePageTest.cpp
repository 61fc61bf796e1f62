// Config.inf's texts in the code pages of other scripts, converted by the system.
#include "ConfigSamples.h"
#include "settings/ConfigFormat.h"
#include "win32/WindowsCodePage.h"

#include <gtest/gtest.h>

namespace acordina::settings {
namespace {

TEST(ConfigCodePage, MessagesRoundTripInTheirScriptsAndWhatTheCodePageLacksBecomesQuestionMarks) {
    const struct {
        unsigned codePage;
        std::wstring_view text;
        std::string_view bytes; // line 5 as written
        std::wstring_view back; // line 5 as read again
    } cases[] = {
        {1251, L"Подъём! Пора вставать.",
         "\xCF\xEE\xE4\xFA\xB8\xEC! \xCF\xEE\xF0\xE0 \xE2\xF1\xF2\xE0\xE2\xE0\xF2\xFC.",
         L"Подъём! Пора вставать."},
        {1250, L"Vstávej, už je čas! Łódź",
         "Vst\xE1vej, u\x9E je \xE8"
         "as! \xA3\xF3"
         "d\x9F",
         L"Vstávej, už je čas! Łódź"},
        {1251, L"Olá Δ 中", "Ol? ? ?", L"Ol? ? ?"},
        {1250, L"Привет €", "?????? \x80", L"?????? €"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.codePage);
        const win32::WindowsCodePage codePage(c.codePage);
        ConfigValues values = samples::ExampleValues();
        values[4] = std::wstring(c.text);
        auto lines = samples::ExampleLines();
        lines[4] = std::string(c.bytes);
        const std::string bytes = FormatConfig(values, codePage);
        EXPECT_EQ(bytes, samples::Join(lines));
        const auto read = ParseConfig(bytes, samples::Sounds(), codePage);
        ASSERT_EQ(read.size(), kLineCount);
        EXPECT_EQ(read[4], LineValue(std::wstring(c.back)));
    }
}

} // namespace
} // namespace acordina::settings
