#include "ConfigSamples.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace acordina::settings {
namespace {

using namespace samples;

// Each row changes one line of the example; the rest of the file must stay.
TEST(FormatConfig, WritesTheTypicalArmingByteForByteAndEachLineExactly) {
    EXPECT_EQ(FormatConfig(ExampleValues(), kCp1252), kExampleBytes);
    // clang-format off
    // The line, its value, its bytes before CR LF.
    const std::tuple<std::size_t, LineValue, std::string_view> cases[] = {
        {0, 0, " 0 "}, {1, -1, "-1 "}, {1, 12, " 12 "}, {4, L"", ""}, {14, L"\rx\ny", " x y"},
        {6, L"  já é hora  ", "  j\xE1 \xE9 hora  "}, {12, L"€ Olá Δ 中", "\x80 Ol\xE1 ? ?"},
        {14, L"a\r\nb", "a  b"}, {15, L"canção.wav", "can\xE7\xE3o.wav"}, {15, L"", ""},
        // A name the code page cannot hold is kept in UTF-8; the other texts are not.
        {15, L"Будильник.wav", "\xD0\x91\xD1\x83\xD0\xB4\xD0\xB8\xD0\xBB\xD1\x8C\xD0\xBD\xD0\xB8\xD0\xBA.wav"},
        {15, L"€ 中.wav", "\xE2\x82\xAC \xE4\xB8\xAD.wav"}, {4, L"Будильник", "?????????"}};
    // clang-format on
    for (const auto& [line, value, bytes] : cases) {
        ConfigValues values = ExampleValues();
        values[line] = value;
        auto lines = ExampleLines();
        lines[line] = std::string(bytes);
        EXPECT_EQ(FormatConfig(values, kCp1252), Join(lines)) << bytes;
    }
}

// Each row changes one line of the example, read with the first `entries` of kEntries; without a
// 16th line the sound is read by position. A faulty line reads as no value, the others as they are.
TEST(ParseConfig, ReadsEachLineAndSkipsOnlyAFaultyOne) {
    // clang-format off
    const struct {
        std::size_t line;
        std::string_view bytes;
        std::optional<LineValue> value;
        std::size_t entries = 4;
        std::optional<std::string_view> name = {}; // the 16th line
    } cases[] = {
        {0, "", {}}, {0, " \t ", {}}, {0, "1x", {}}, {2, "1.0", {}}, {3, "0x1", {}}, {3, "1 0", {}},
        {5, "- 1", {}}, {5, "-", {}}, {0, " 2 ", {}}, {9, "-1 ", {}}, {1, " 4 ", {}},
        {1, "-2 ", {}}, {1, " 0 ", {}, 0}, {11, " 2147483648 ", {}}, {1, "-2147483649 ", {}},
        {13, {"1\0", 2}, {}}, {0, "1", 1}, {0, "\t1\t", 1}, {2, " \t 0 \t ", 0}, {3, "+1", 1},
        {5, "-0", 0}, {1, "  -1", -1}, {1, "003", 3}, {1, "0000000000000000000000000001", 1},
        {1, " 3 ", 3}, {1, " 0 ", 0, 1}, {1, "-1 ", -1, 0}, {4, "  x  ", L"  x  "},
        {6, "\x80\x81\x9F\xFF", L"€\x81Ÿÿ"}, {8, {"a\0b\tc", 5}, std::wstring(L"a\0b\tc", 5)},
        // By name: present; moved by files added or removed; missing, also where the help now is;
        // the help named, at its place and a file's; empty, with a sound and none; another case.
        {1, " 2 ", 2, 4, "b.wav"}, {1, " 1 ", 2, 4, "b.wav"}, {1, " 7 ", 3, 4, "c.wav"},
        {1, " 1 ", 1, 4, "x.wav"}, {1, " 0 ", -1, 4, "x.wav"}, {1, " 0 ", -1, 4, "...Ajuda"},
        {1, " 3 ", 3, 4, "...Ajuda"}, {1, " 2 ", 2, 4, ""}, {1, "-1 ", -1, 4, ""},
        {1, " 1 ", 1, 4, "B.wav"}, {1, " 12345678901234567890 ", {}},
        {1, " 1 ", 1, 4, "b.wav\xFF"}, {1, " 3 ", 3, 4, "b\xC3\xA9.wav"}};
    // clang-format on
    for (const auto& c : cases) {
        auto lines = ExampleLines();
        lines.pop_back();
        lines[c.line] = std::string(c.bytes);
        auto expected = Prefix(ExampleValues(), 15);
        if (c.name) {
            lines.emplace_back(*c.name);
            expected.emplace_back(text::FromUtf8(*c.name).value_or(kCp1252.Decode(*c.name)));
        }
        expected[c.line] = c.value;
        EXPECT_EQ(ParseConfig(Join(lines), Sounds(c.entries), kCp1252), expected)
            << c.line << testing::PrintToString(c.bytes) << c.name.value_or("");
    }
}

// Every line end counts, and the last line without one, up to the 16th line. LF CR, CR CR LF and
// LF LF each end a line and then an empty one, which is no integer.
TEST(ParseConfig, TakesEveryLineEndAndStopsWhereTheFileOrTheSixteenthLineEnds) {
    const std::string example(kExampleBytes);
    // clang-format off
    const std::pair<std::string, std::size_t> files[] = {
        {Join(ExampleLines(), "\n"), 16}, {Join(ExampleLines(), "\r"), 16},
        {example.substr(0, example.size() - 2), 16}, {example + "x\r\n 5 \r\n", 16},
        {example + std::string(1000, '\n'), 16}, {std::string(kExample15), 15},
        {std::string(kExample15.substr(0, 48)), 5}, {"", 0}, {" 1 \n\r 0 \r\n", 3},
        {" 1 \r\r\n 0 \r\n", 3}, {" 1 \n\n 0 \r\n", 3}};
    // clang-format on
    for (const auto& [bytes, count] : files) {
        auto expected = Prefix(ExampleValues(), count);
        if (count == 3) {
            expected = {1, std::nullopt, 0}; // the empty line is no index
        }
        EXPECT_EQ(ParseConfig(bytes, Sounds(), kCp1252), expected) << testing::PrintToString(bytes);
    }
}

// As an editor saves it: UTF-8 marked or well formed, else the code page; the 16th line UTF-8.
TEST(ParseConfig, ReadsTextsInUtf8WhenMarkedOrWellFormedElseInTheCodePage) {
    // The mark, the message and sound lines, and both as read.
    using Bytes = std::string_view;
    const std::tuple<Bytes, Bytes, Bytes, std::wstring, std::wstring> cases[] = {
        {"\xEF\xBB\xBF", "Acordar j\xC3\xA1!", "b.wav", L"Acordar já!", L"b.wav"},
        {"", "Acordar j\xC3\xA1!", "b.wav", L"Acordar já!", L"b.wav"},
        {"", "Acordar j\xE1!", "b.wav", L"Acordar já!", L"b.wav"},
        {"\xEF\xBB\xBF", "Acordar j\xE1!", "b.wav", L"Acordar já!", L"b.wav"},
        {"", "Acordar j\xE1!", "\xD0\x91.wav", L"Acordar já!", L"Б.wav"},
        {"", "Acordar j\xC3\xA1!", "can\xE7\xE3o.wav", L"Acordar jÃ¡!", L"canção.wav"},
        {"\xEF\xBB\xBF", "\xEF\xBB\xBF", "", L"\xFEFF", L""}};
    for (const auto& [mark, message, name, messageRead, nameRead] : cases) {
        auto lines = ExampleLines();
        lines[4] = std::string(message);
        lines[15] = std::string(name);
        auto expected = Prefix(ExampleValues(), 16);
        expected[4] = messageRead;
        expected[15] = nameRead;
        EXPECT_EQ(ParseConfig(std::string(mark) + Join(lines), Sounds(), kCp1252), expected)
            << testing::PrintToString(message) << testing::PrintToString(name);
    }
}

} // namespace
} // namespace acordina::settings
