#include "ConfigSamples.h"
#include "settings/ConfigFormat.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace acordina::settings {
namespace {

using samples::ExampleLines;
using samples::ExampleValues;
using samples::Join;
using samples::kExampleBytes;
using samples::Prefix;

constexpr int kEntries = 4; // "...Ajuda" and three WAV files

std::vector<LineValue> All(const ConfigValues& values) {
    return Prefix(values, kLineCount);
}

TEST(ParseConfig, ReadsTheTypicalArming) {
    EXPECT_EQ(ParseConfig(kExampleBytes, kEntries, kCp1252), All(ExampleValues()));
}

TEST(ParseConfig, RoundTripsEveryField) {
    const ConfigValues values = {
        0, 7, 1, 0, L"  Acorde, já!  ", 1, L"", 1, L"\t10\t", 1, L"Ação € ÿ", 1, L"-1 ", 1, L" 0 ",
    };
    EXPECT_EQ(ParseConfig(FormatConfig(values, kCp1252), 8, kCp1252), All(values));

    const ConfigValues others = {
        1, -1, 0, 1, L"", 0, L"x", 0, L"é", 0, L"\x81\x8D\x8F\x90\x9D", 0, L"2", 0, L"?",
    };
    EXPECT_EQ(ParseConfig(FormatConfig(others, kCp1252), 0, kCp1252), All(others));
}

TEST(ParseConfig, StopsWhereTheFileEndsAndCountsALastLineWithoutItsEnd) {
    const auto lines = ExampleLines();
    for (std::size_t count = 0; count <= kLineCount; ++count) {
        const std::vector<std::string> head(lines.begin(), lines.begin() + count);
        EXPECT_EQ(ParseConfig(Join(head), kEntries, kCp1252), Prefix(ExampleValues(), count))
            << count << " lines";
        if (count > 0) {
            const std::string unended = Join(head).substr(0, Join(head).size() - 2);
            EXPECT_EQ(ParseConfig(unended, kEntries, kCp1252), Prefix(ExampleValues(), count))
                << count << " lines, the last without its end";
        }
    }
}

// The faulty line and everything after it are dropped; the lines before it
// come back. Each case: the 0-based line, its bytes, the size of the sound list.
TEST(ParseConfig, StopsAtTheFirstFaultyLine) {
    const struct {
        std::size_t line;
        std::string_view bytes;
        int soundEntries;
    } cases[] = {// clang-format off
        {0, "", kEntries},    {0, " \t ", kEntries}, {0, "1x", kEntries},  {2, "1.0", kEntries},
        {3, "0x1", kEntries}, {3, "1 0", kEntries},  {5, "- 1", kEntries}, {5, "-", kEntries},
        {0, " 2 ", kEntries}, {9, "-1 ", kEntries},  {1, " 4 ", kEntries}, {1, "-2 ", kEntries},
        {1, " 0 ", 0},        {11, " 2147483648 ", kEntries},  {1, "-2147483649 ", INT_MAX},
        {13, std::string_view("1\0", 2), kEntries}};
    // clang-format on
    for (const auto& c : cases) {
        auto lines = ExampleLines();
        lines[c.line] = std::string(c.bytes);
        EXPECT_EQ(ParseConfig(Join(lines), c.soundEntries, kCp1252),
                  Prefix(ExampleValues(), c.line))
            << ::testing::PrintToString(c.bytes) << " on line " << c.line + 1 << " of a list of "
            << c.soundEntries;
    }
}

TEST(ParseConfig, ReadsIntegersWithBlanksAndSigns) {
    // clang-format off
    const std::pair<std::string_view, int> cases[] = {
        {"1", 1}, {"\t1\t", 1}, {" \t 0 \t ", 0}, {"+1", 1}, {"-0", 0}, {"  -1", -1}, {"007", 7},
        {"0000000000000000000000000001", 1}, {"2147483646", 2147483646}};
    // clang-format on
    for (const auto& [text, value] : cases) {
        const auto values = ParseConfig(" 1 \r\n" + std::string(text) + "\r\n", INT_MAX, kCp1252);
        ASSERT_EQ(values.size(), 2u) << text;
        EXPECT_EQ(values[1], LineValue(value)) << text;
    }
}

TEST(ParseConfig, AcceptsTheLastEntryAndNoSelection) {
    const struct {
        std::string_view line;
        int soundEntries;
    } cases[] = {{" 3 ", 4}, {" 0 ", 1}, {"-1 ", 0}, {"-1 ", -5}, {"2147483646", INT_MAX}};
    for (const auto& c : cases) {
        auto lines = ExampleLines();
        lines[1] = std::string(c.line);
        EXPECT_EQ(ParseConfig(Join(lines), c.soundEntries, kCp1252).size(), kLineCount) << c.line;
    }
}

TEST(ParseConfig, IgnoresEverythingAfterTheFifteenthLine) {
    const std::string extra[] = {"garbage\r\n 5 \r\n", "x", std::string(1000, '\n')};
    for (const auto& tail : extra) {
        EXPECT_EQ(ParseConfig(std::string(kExampleBytes) + tail, kEntries, kCp1252),
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
        EXPECT_EQ(ParseConfig(bytes, kEntries, kCp1252), All(ExampleValues()));
    }
}

TEST(ParseConfig, TreatsOtherPairsAsTwoLineEnds) {
    // LF CR and CR CR LF each end a line and then an empty one, which is no
    // integer: reading stops after the first line.
    const std::string_view inputs[] = {" 1 \n\r 2 \r\n", " 1 \r\r\n 2 \r\n", " 1 \n\n 2 \r\n"};
    for (const auto bytes : inputs) {
        EXPECT_EQ(ParseConfig(bytes, kEntries, kCp1252), std::vector<LineValue>{1});
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
        const auto values = ParseConfig(bytes, 0, kCp1252);
        ASSERT_EQ(values.size(), 5u);
        EXPECT_EQ(values[4], LineValue(std::wstring(c.text)));
    }
}

} // namespace
} // namespace acordina::settings
