#include "ConfigSamples.h"
#include "settings/ConfigFormat.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace acordina::settings {
namespace {

using samples::ExampleLines;
using samples::ExampleValues;
using samples::Join;
using samples::kExample15;
using samples::kExampleBytes;
using samples::Prefix;
using samples::Sounds;

std::vector<LineValue> All(const ConfigValues& values) {
    return Prefix(values, kLineCount);
}

TEST(ParseConfig, ReadsTheTypicalArmingAndAsBeforeTheFileWithoutTheSoundsName) {
    EXPECT_EQ(ParseConfig(kExampleBytes, Sounds(), kCp1252), All(ExampleValues()));
    EXPECT_EQ(ParseConfig(kExample15, Sounds(), kCp1252), Prefix(ExampleValues(), 15));
}

// Which entry the sound line selects, from the stored position and the 16th line, in a list
// of "...Ajuda", "a.wav", "b.wav", "c.wav".
TEST(ParseConfig, TheSixteenthLineRestoresTheSoundByName) {
    const struct {
        const char* what;
        std::string_view position;
        std::optional<std::string_view> name; // none: a file of 15 lines
        int selected;
    } cases[] = {
        {"a present file", " 2 ", "b.wav", 2},
        {"a file added before the chosen one", " 1 ", "b.wav", 2},
        {"files removed before the chosen one", " 7 ", "c.wav", 3},
        {"a missing file", " 1 ", "x.wav", 1},
        {"a missing file where the help entry now stands", " 0 ", "x.wav", -1},
        {"the help entry named", " 0 ", "...Ajuda", -1},
        {"the help entry named at a file's position", " 3 ", "...Ajuda", 3},
        {"an empty name", " 2 ", "", 2},
        {"an empty name and no selection", "-1 ", "", -1},
        {"another case", " 1 ", "B.wav", 1},
        {"15 lines on the help entry", " 0 ", std::nullopt, 0},
        {"15 lines on a file", " 3 ", std::nullopt, 3},
    };
    for (const auto& c : cases) {
        auto lines = ExampleLines();
        lines[1] = std::string(c.position);
        if (c.name) {
            lines[15] = std::string(*c.name);
        } else {
            lines.pop_back();
        }
        const auto values = ParseConfig(Join(lines), Sounds(), kCp1252);
        ASSERT_EQ(values.size(), lines.size()) << c.what;
        EXPECT_EQ(values[1], LineValue(c.selected)) << c.what;
    }
}

TEST(ParseConfig, RoundTripsEveryField) {
    const ConfigValues values = {
        0, 3,      1, 0,      L"  Acorde, já!  ", 1, L"", 1, L"\t10\t", 1, L"Ação € ÿ",
        1, L"-1 ", 1, L" 0 ", L"c.wav",
    };
    EXPECT_EQ(ParseConfig(FormatConfig(values, kCp1252), Sounds(), kCp1252), All(values));

    const ConfigValues others = {
        1, -1, 0, 1, L"", 0, L"x", 0, L"é", 0, L"\x81\x8D\x8F\x90\x9D", 0, L"2", 0, L"?", L"",
    };
    EXPECT_EQ(ParseConfig(FormatConfig(others, kCp1252), Sounds(0), kCp1252), All(others));
}

TEST(ParseConfig, StopsWhereTheFileEndsAndCountsALastLineWithoutItsEnd) {
    const auto lines = ExampleLines();
    for (std::size_t count = 0; count <= kLineCount; ++count) {
        const std::vector<std::string> head(lines.begin(), lines.begin() + count);
        EXPECT_EQ(ParseConfig(Join(head), Sounds(), kCp1252), Prefix(ExampleValues(), count))
            << count << " lines";
        if (count > 0) {
            const std::string unended = Join(head).substr(0, Join(head).size() - 2);
            EXPECT_EQ(ParseConfig(unended, Sounds(), kCp1252), Prefix(ExampleValues(), count))
                << count << " lines, the last without its end";
        }
    }
}

// The faulty line and everything after it are dropped; the lines before it
// come back. Each case: the 0-based line, its bytes, the size of the sound list.
// The file is one of 15 lines: a 16th naming the sound would make the sound line's
// position count for nothing.
TEST(ParseConfig, StopsAtTheFirstFaultyLine) {
    const struct {
        std::size_t line;
        std::string_view bytes;
        std::size_t soundEntries = 4;
    } cases[] = {
        // clang-format off
        {0, ""},    {0, " \t "}, {0, "1x"},  {2, "1.0"}, {3, "0x1"}, {3, "1 0"},  {5, "- 1"},
        {5, "-"},   {0, " 2 "},  {9, "-1 "}, {1, " 4 "}, {1, "-2 "}, {1, " 0 ", 0},
        {11, " 2147483648 "},    {1, "-2147483649 "},    {13, std::string_view("1\0", 2)}};
    // clang-format on
    for (const auto& c : cases) {
        auto lines = ExampleLines();
        lines.pop_back();
        lines[c.line] = std::string(c.bytes);
        EXPECT_EQ(ParseConfig(Join(lines), Sounds(c.soundEntries), kCp1252),
                  Prefix(ExampleValues(), c.line))
            << ::testing::PrintToString(c.bytes) << " on line " << c.line + 1 << " of a list of "
            << c.soundEntries;
    }
}

TEST(ParseConfig, ReadsIntegersWithBlanksAndSigns) {
    // clang-format off
    const std::pair<std::string_view, int> cases[] = {
        {"1", 1}, {"\t1\t", 1}, {" \t 0 \t ", 0}, {"+1", 1}, {"-0", 0}, {"  -1", -1}, {"003", 3},
        {"0000000000000000000000000001", 1}};
    // clang-format on
    for (const auto& [text, value] : cases) {
        const auto values = ParseConfig(" 1 \r\n" + std::string(text) + "\r\n", Sounds(), kCp1252);
        ASSERT_EQ(values.size(), 2u) << text;
        EXPECT_EQ(values[1], LineValue(value)) << text;
    }
}

TEST(ParseConfig, AcceptsTheLastEntryAndNoSelection) {
    const std::pair<std::string_view, std::size_t> cases[] = {{" 3 ", 4}, {" 0 ", 1}, {"-1 ", 0}};
    for (const auto& [line, soundEntries] : cases) {
        auto lines = ExampleLines();
        lines[1] = std::string(line);
        lines[15] = "";
        EXPECT_EQ(ParseConfig(Join(lines), Sounds(soundEntries), kCp1252).size(), kLineCount)
            << line;
    }
}

TEST(ParseConfig, IgnoresEverythingAfterTheSixteenthLine) {
    const std::string extra[] = {"garbage\r\n 5 \r\n", "x", std::string(1000, '\n')};
    for (const auto& tail : extra) {
        EXPECT_EQ(ParseConfig(std::string(kExampleBytes) + tail, Sounds(), kCp1252),
                  All(ExampleValues()));
    }
}

TEST(ParseConfig, AcceptsEveryKindOfLineEnd) {
    const auto lines = ExampleLines();
    std::string mixed;
    const std::string_view ends[] = {"\r\n", "\n", "\r"};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        mixed += lines[i];
        mixed += ends[i % 3];
    }
    const std::string inputs[] = {Join(lines, "\n"), Join(lines, "\r"), mixed};
    for (const auto& bytes : inputs) {
        EXPECT_EQ(ParseConfig(bytes, Sounds(), kCp1252), All(ExampleValues()));
    }
}

TEST(ParseConfig, TreatsOtherPairsAsTwoLineEnds) {
    // LF CR and CR CR LF each end a line and then an empty one, which is no
    // integer: reading stops after the first line.
    const std::string_view inputs[] = {" 1 \n\r 2 \r\n", " 1 \r\r\n 2 \r\n", " 1 \n\n 2 \r\n"};
    for (const auto bytes : inputs) {
        EXPECT_EQ(ParseConfig(bytes, Sounds(), kCp1252), std::vector<LineValue>{1});
    }
}

TEST(ParseConfig, KeepsTextLinesVerbatim) {
    const struct {
        std::string_view bytes;
        std::wstring_view text;
    } cases[] = {{"  x  ", L"  x  "},
                 {"\x80\x81\x9F\xFF", L"€\x81Ÿÿ"},
                 {std::string_view("a\0b\tc", 5), std::wstring_view(L"a\0b\tc", 5)},
                 {" 1 ", L" 1 "}};
    for (const auto& c : cases) {
        const std::string bytes = " 0 \r\n-1 \r\n 0 \r\n 1 \r\n" + std::string(c.bytes) + "\r\n";
        const auto values = ParseConfig(bytes, Sounds(0), kCp1252);
        ASSERT_EQ(values.size(), 5u);
        EXPECT_EQ(values[4], LineValue(std::wstring(c.text)));
    }
}

} // namespace
} // namespace acordina::settings
