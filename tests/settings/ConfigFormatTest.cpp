#include "ConfigSamples.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace acordina::settings {
namespace {

using namespace samples;
using Values = std::vector<std::optional<LineValue>>;

// Each row changes one line of the example; the rest of the file must stay.
TEST(FormatConfig, WritesTheTypicalArmingByteForByteAndEachLineExactly) {
    EXPECT_EQ(FormatConfig(ExampleValues(), kCp1252), kExampleBytes);
    // clang-format off
    // The line, its value, its bytes before CR LF.
    const std::tuple<std::size_t, LineValue, std::string_view> cases[] = {
        {0, 0, " 0 "}, {1, -1, "-1 "}, {1, 12, " 12 "}, {4, L"", ""}, {14, L"\rx\ny", " x y"},
        {6, L"  já é hora  ", "  j\xE1 \xE9 hora  "}, {12, L"€ Olá", "\x80 Ol\xE1"},
        {14, L"a\r\nb", "a  b"}, {15, L"canção.wav", "can\xE7\xE3o.wav"}, {15, L"", ""},
        {6, L"a\x01" L"b\x7F\tc\x85", "a b \tc "}};
    // clang-format on
    for (const auto& [line, value, bytes] : cases) {
        ConfigValues values = ExampleValues();
        values[line] = value;
        EXPECT_EQ(FormatConfig(values, kCp1252), ExampleWith(line, bytes)) << bytes;
    }
}

// One text the code page lacks: the whole file in UTF-8 after its mark, read back unchanged.
TEST(FormatConfig, WritesTheWholeFileInUtf8WhenTheCodePageLacksOneText) {
    const std::pair<std::size_t, std::wstring> cases[] = {
        {4, L"Подъём! Будильник звонит"}, {12, L"€ Olá Δ 中 \U0001F600"}, {15, L"Будильник.wav"}};
    for (const auto& [line, text] : cases) {
        ConfigValues values = ExampleValues();
        values[line] = text;
        const std::string bytes = FormatConfig(values, kCp1252);
        EXPECT_EQ(bytes, "\xEF\xBB\xBF" + ExampleWith(line, text::ToUtf8(text)));
        EXPECT_EQ(ParseConfig(bytes, Sounds(), kCp1252), Prefix(values, 16)) << line;
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
        {0, "1", 1}, {0, "\t1\t", 1}, {2, " \t 0 \t ", 0}, {3, "+1", 1},
        {5, "-0", 0}, {1, "  -1", -1}, {1, "003", 3}, {1, "0000000000000000000000000001", 1},
        {1, " 3 ", 3}, {1, " 0 ", 0, 1}, {1, "-1 ", -1, 0}, {4, "  x  ", L"  x  "},
        {6, "\x80\x9F\xFF", L"€Ÿÿ"}, {8, "a\tb\tc", L"a\tb\tc"},
        // By name: present; moved; missing, also where the help now is; the help named, at its place
        // and a file's; empty, with a sound and none; case, trailing blanks and dots aside (no tab).
        {1, " 2 ", 2, 4, "b.wav"}, {1, " 1 ", 2, 4, "b.wav"}, {1, " 7 ", 3, 4, "c.wav"},
        {1, " 1 ", 1, 4, "x.wav"}, {1, " 0 ", -1, 4, "x.wav"}, {1, " 0 ", -1, 4, "...Ajuda"},
        {1, " 3 ", 3, 4, "...Ajuda"}, {1, " 2 ", 2, 4, ""}, {1, "-1 ", -1, 4, ""},
        {1, " 1 ", 2, 4, "B.WAV  "}, {1, " 1 ", 3, 4, "c.wav. ."}, {1, " 1 ", 1, 4, "b.wav\t"},
        {1, " 1 ", 1, 4, " b.wav"}, {1, " 0 ", -1, 4, "...AJUDA"}, {1, " 12345678901234567890 ", {}},
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
        {example.substr(0, example.size() - 1), 16}, {std::string(kExample15.substr(0, kExample15.size() - 1)), 15},
        {std::string(kExample15.substr(0, 48)), 5}, {"", 0}, {" 1 \n\r 0 \r\n", 3},
        {" 1 \r\r\n 0 \r\n", 3}, {" 1 \n\n 0 \r\n", 3}};
    // clang-format on
    for (const auto& [bytes, count] : files) {
        // The empty line is no index.
        const auto expected =
            count == 3 ? Values{1, std::nullopt, 0} : Prefix(ExampleValues(), count);
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

// A control character other than TAB and the line ends, anywhere, or cut UTF-16: no file at all.
TEST(ParseConfig, ReadsADamagedFileAsNone) {
    const auto with = ExampleWith;
    // clang-format off
    const std::string files[] = {
        with(8, {"a\0b", 3}), with(13, {"1\0", 2}), with(6, "\a"), with(2, "\x1B[0m"), with(4, "x\x7F"),
        with(6, "\x81"), with(6, "\xC2\x85"), "\xEF\xBB\xBF" + with(15, "\xC2\x9F"), std::string(1, '\0'),
        std::string(kExampleBytes) + "x\x01\r\n", "\xFF\xFE 1 \r\n", std::string("\xFE\xFF\xD8\0\0\x31", 6),
        std::string("\xFF\xFE\0\xDC", 4)};
    // clang-format on
    for (const std::string& bytes : files) {
        EXPECT_EQ(ParseConfig(bytes, Sounds(), kCp1252).size(), 0u)
            << testing::PrintToString(bytes);
    }
}

// Notepad's "Unicode", in either byte order after its mark; a pair makes one character.
TEST(ParseConfig, ReadsUtf16AfterItsMark) {
    const std::u16string_view text =
        u"\uFEFF 1 \r\n 2 \r\n 0 \r\n 1 \r\nПодъём! Будильник звонит 😀";
    for (const bool bigEndian : {false, true}) {
        std::string bytes;
        for (const char16_t c : text) {
            const char high = static_cast<char>(c >> 8), low = static_cast<char>(c);
            (bytes += bigEndian ? high : low) += bigEndian ? low : high;
        }
        EXPECT_EQ(ParseConfig(bytes, Sounds(), kCp1252),
                  (Values{1, 2, 0, 1, L"Подъём! Будильник звонит 😀"}));
    }
}

} // namespace
} // namespace acordina::settings
