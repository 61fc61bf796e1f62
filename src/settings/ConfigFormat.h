#pragma once
// The byte format of Config.inf: 15 lines, CR LF, text in the system's code page,
// meaning by position alone. Integer lines are " 1 ", " 0 ", "-1 "; text lines are the
// text as it stands, blanks included.

#include "text/CodePage.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace acordina::settings {

enum class LineKind {
    CheckBox,   // integer 0 or 1
    SoundIndex, // integer -1 .. last entry of the sound list
    Text,       // one line of text
};

inline constexpr std::size_t kLineCount = 15;

// The most of the file that is read. Six edit boxes of at most 32767 characters and nine short
// integer lines stay below 200 KiB; 1 MiB leaves room and still keeps a gigantic file from
// exhausting memory.
inline constexpr std::size_t kMaxConfigBytes = std::size_t{1} << 20;

// Line n of the file (0-based) holds a value of kind kLines[n]:
// sound on, chosen sound, shutdown, visual alert, wake-up message, then
// check box and message of the 15, 10, 5, 2 and 1-minute pre-alerts.
inline constexpr std::array<LineKind, kLineCount> kLines = {
    LineKind::CheckBox, LineKind::SoundIndex, LineKind::CheckBox, LineKind::CheckBox,
    LineKind::Text,     LineKind::CheckBox,   LineKind::Text,     LineKind::CheckBox,
    LineKind::Text,     LineKind::CheckBox,   LineKind::Text,     LineKind::CheckBox,
    LineKind::Text,     LineKind::CheckBox,   LineKind::Text,
};

// An integer line's number or a text line's text.
using LineValue = std::variant<int, std::wstring>;
using ConfigValues = std::array<LineValue, kLineCount>;

// The whole file's bytes, texts in codePage. A CR or LF inside a text is written
// as a blank so the file keeps its 15 lines; a character outside the code page
// becomes '?'. Throws std::invalid_argument when a value's kind does not match
// kLines.
std::string FormatConfig(const ConfigValues& values, const text::CodePage& codePage);

// The values of the leading lines that are sound, in file order; reading
// stops silently at the first missing or faulty line. soundEntries is the
// number of entries in the sound list now. A line ends at CR LF, a lone LF or
// a lone CR; lines after the 15th are ignored. Texts are read in codePage.
// Linear in the input's size.
std::vector<LineValue> ParseConfig(std::string_view bytes, int soundEntries,
                                   const text::CodePage& codePage);

} // namespace acordina::settings
