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
    EXPECT_EQ(ParseConfig(kExampleBytes, kEntries), All(ExampleValues()));
}

TEST(ParseConfig, RoundTripsEveryField) {
    const ConfigValues values = {
        0, 7, 1, 0, L"  Acorde, já!  ", 1, L"", 1, L"\t10\t", 1, L"Ação € ÿ", 1, L"-1 ", 1, L" 0 ",
    };
    EXPECT_EQ(ParseConfig(FormatConfig(values), 8), All(values));

    const ConfigValues others = {
        1, -1, 0, 1, L"", 0, L"x", 0, L"é", 0, L"\x81\x8D\x8F\x90\x9D", 0, L"2", 0, L"?",
    };
    EXPECT_EQ(ParseConfig(FormatConfig(others), 0), All(others));
}

TEST(ParseConfig, StopsWhereTheFileEnds) {
    const auto lines = ExampleLines();
    for (std::size_t count = 0; count <= kLineCount; ++count) {
        const std::vector<std::string> head(lines.begin(), lines.begin() + count);
        EXPECT_EQ(ParseConfig(Join(head), kEntries), Prefix(ExampleValues(), count))
            << count << " lines";
    }
}

TEST(ParseConfig, CountsALastLineWithoutItsEnd) {
    const auto lines = ExampleLines();
    for (std::size_t count = 1; count <= kLineCount; ++count) {
        const std::vector<std::string> head(lines.begin(), lines.begin() + count - 1);
        const std::string bytes = Join(head) + lines[count - 1];
        EXPECT_EQ(ParseConfig(bytes, kEntries), Prefix(ExampleValues(), count))
            << count << " lines";
    }
}

struct FaultCase {
    const char* what;
    std::size_t line; // 0-based
    std::string_view bytes;
    int soundEntries;
};

// The faulty line and everything after it are dropped; the lines before it
// come back.
TEST(ParseConfig, StopsAtTheFirstFaultyLine) {
    const FaultCase cases[] = {
        {"empty integer", 0, "", kEntries},
        {"only blanks", 0, " \t ", kEntries},
        {"trailing letter", 0, "1x", kEntries},
        {"leading letter", 2, "x1", kEntries},
        {"decimal point", 2, "1.0", kEntries},
        {"hexadecimal", 3, "0x1", kEntries},
        {"blank inside", 3, "1 0", kEntries},
        {"blank after sign", 5, "- 1", kEntries},
        {"sign alone", 5, "-", kEntries},
        {"two signs", 7, "--1", kEntries},
        {"check box 2", 0, " 2 ", kEntries},
        {"check box -1", 9, "-1 ", kEntries},
        {"index == entries", 1, " 4 ", kEntries},
        {"index -2", 1, "-2 ", kEntries},
        {"index 0 of an empty list", 1, " 0 ", 0},
        {"int overflow", 11, " 2147483648 ", kEntries},
        {"int underflow", 1, "-2147483649 ", INT_MAX},
        {"far beyond int", 13, " 99999999999999999999999999 ", kEntries},
        {"NUL after digit", 13, std::string_view("1\0", 2), kEntries},
    };
    for (const auto& c : cases) {
        auto lines = ExampleLines();
        lines[c.line] = std::string(c.bytes);
        EXPECT_EQ(ParseConfig(Join(lines), c.soundEntries), Prefix(ExampleValues(), c.line))
            << c.what;
    }
}

struct IntegerCase {
    std::string_view bytes;
    int value;
};

TEST(ParseConfig, ReadsIntegersWithBlanksAndSigns) {
    const IntegerCase cases[] = {
        {"1", 1},
        {" 1 ", 1},
        {"\t1\t", 1},
        {" \t 0 \t ", 0},
        {"+1", 1},
        {"-0", 0},
        {"-1", -1},
        {"  -1", -1},
        {"007", 7},
        {"0000000000000000000000000001", 1},
        {"2147483646", 2147483646},
    };
    for (const auto& c : cases) {
        const std::string bytes = " 1 \r\n" + std::string(c.bytes) + "\r\n";
        const auto values = ParseConfig(bytes, INT_MAX);
        ASSERT_EQ(values.size(), 2u) << c.bytes;
        EXPECT_EQ(values[1], LineValue(c.value)) << c.bytes;
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
        EXPECT_EQ(ParseConfig(Join(lines), c.soundEntries).size(), kLineCount) << c.line;
    }
}

TEST(ParseConfig, IgnoresEverythingAfterTheFifteenthLine) {
    const std::string extra[] = {"garbage\r\n 5 \r\n", "x", "\r\n\r\n", std::string(1000, '\n')};
    for (const auto& tail : extra) {
        EXPECT_EQ(ParseConfig(std::string(kExampleBytes) + tail, kEntries), All(ExampleValues()));
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
        EXPECT_EQ(ParseConfig(bytes, kEntries), All(ExampleValues()));
    }
}

TEST(ParseConfig, TreatsOtherPairsAsTwoLineEnds) {
    // LF CR and CR CR LF each end a line and then an empty one, which is no
    // integer: reading stops after the first line.
    const std::string_view inputs[] = {" 1 \n\r 2 \r\n", " 1 \r\r\n 2 \r\n", " 1 \n\n 2 \r\n"};
    for (const auto bytes : inputs) {
        EXPECT_EQ(ParseConfig(bytes, kEntries), std::vector<LineValue>{1});
    }
}

TEST(ParseConfig, KeepsTextLinesVerbatim) {
    const struct {
        std::string_view bytes;
        std::wstring_view text;
    } cases[] = {
        {"", L""},
        {"  x  ", L"  x  "},
        {"Configura\xE7\xF5"
         "es",
         L"Configurações"},
        {"\x80\x81\x9F\xFF", L"€\x81Ÿÿ"},
        {std::string_view("a\0b\tc", 5), std::wstring_view(L"a\0b\tc", 5)},
        {" 1 ", L" 1 "},
    };
    for (const auto& c : cases) {
        const std::string bytes = " 0 \r\n-1 \r\n 0 \r\n 1 \r\n" + std::string(c.bytes) + "\r\n";
        const auto values = ParseConfig(bytes, 0);
        ASSERT_EQ(values.size(), 5u);
        EXPECT_EQ(values[4], LineValue(std::wstring(c.text)));
    }
}

TEST(ParseConfig, ReadsNothingFromNothing) {
    EXPECT_TRUE(ParseConfig("", kEntries).empty());
    EXPECT_TRUE(ParseConfig("\r\n", kEntries).empty());
}

} // namespace
} // namespace acordina::settings
