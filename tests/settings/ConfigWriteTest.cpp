#include "ConfigSamples.h"
#include "settings/ConfigFormat.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace acordina::settings {
namespace {

using samples::ExampleLines;
using samples::ExampleValues;
using samples::Join;
using samples::kExampleBytes;

TEST(FormatConfig, WritesTheTypicalArmingByteForByte) {
    EXPECT_EQ(FormatConfig(ExampleValues(), kCp1252), kExampleBytes);
}

struct LineCase {
    const char* what;
    std::size_t line; // 0-based
    LineValue value;
    std::string_view bytes; // the line before CR LF
};

// Each case changes one line of the example; the rest of the file must stay.
TEST(FormatConfig, WritesEachLineExactly) {
    const LineCase cases[] = {
        {"unticked box", 0, 0, " 0 "},
        {"no sound selected", 1, -1, "-1 "},
        {"two-digit index", 1, 12, " 12 "},
        {"smallest int", 1, INT_MIN, "-2147483648 "},
        {"empty wake-up message", 4, L"", ""},
        {"blanks kept", 4, L"  bom dia  ", "  bom dia  "},
        {"accents", 8, L"Atenção: já é hora, você!", "Aten\xE7\xE3o: j\xE1 \xE9 hora, voc\xEA!"},
        {"upper range", 10, L"€ – “ok” ™", "\x80 \x96 \x93ok\x94 \x99"},
        {"outside the code page", 12, L"Olá Δ 中", "Ol\xE1 ? ?"},
        {"CR LF inside", 14, L"a\r\nb", "a  b"},
        {"lone CR and LF", 14, L"\rx\ny", " x y"},
        {"the sound's name", 15, L"canção.wav", "can\xE7\xE3o.wav"},
        {"no sound", 15, L"", ""},
    };
    for (const auto& c : cases) {
        ConfigValues values = ExampleValues();
        values[c.line] = c.value;
        auto lines = ExampleLines();
        lines[c.line] = std::string(c.bytes);
        EXPECT_EQ(FormatConfig(values, kCp1252), Join(lines)) << c.what;
    }
}

TEST(FormatConfig, RejectsAValueOfTheWrongKind) {
    const struct {
        std::size_t line;
        LineValue value;
    } cases[] = {{0, L"1"}, {1, L""}, {4, 0}, {15, 2}};
    for (const auto& c : cases) {
        ConfigValues values = ExampleValues();
        values[c.line] = c.value;
        EXPECT_THROW(FormatConfig(values, kCp1252), std::invalid_argument) << "line " << c.line;
    }
}

} // namespace
} // namespace acordina::settings
