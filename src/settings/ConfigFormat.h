#pragma once
// The byte format of Config.inf: CR LF lines, texts in the system's code page, meaning by
// position alone. Integer lines are " 1 ", " 0 ", "-1 "; text lines are the text as it stands,
// blanks included. Fifteen lines as they always were, then the chosen sound's file name, so
// that a folder whose WAV files changed still restores the same sound. A file whose texts the
// code page cannot hold is written in UTF-8 instead, after UTF-8's mark.

#include "text/CodePage.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace acordina::settings {

enum class LineKind {
    CheckBox,   // integer 0 or 1
    SoundIndex, // integer -1 .. last entry of the sound list
    Text,       // one line of text
    SoundName,  // the file name of the chosen sound, empty for none
};

inline constexpr std::size_t kLineCount = 16;

// The most of the file that is read. Six edit boxes of at most 32767 characters and nine short
// integer lines stay below 200 KiB; 1 MiB leaves room and still keeps a gigantic file from
// exhausting memory.
inline constexpr std::size_t kMaxConfigBytes = std::size_t{1} << 20;

// Line n of the file (0-based) holds a value of kind kLines[n]:
// sound on, chosen sound, shutdown, visual alert, wake-up message, then
// check box and message of the 15, 10, 5, 2 and 1-minute pre-alerts, then
// the chosen sound's name.
inline constexpr std::array<LineKind, kLineCount> kLines = {
    LineKind::CheckBox, LineKind::SoundIndex, LineKind::CheckBox, LineKind::CheckBox,
    LineKind::Text,     LineKind::CheckBox,   LineKind::Text,     LineKind::CheckBox,
    LineKind::Text,     LineKind::CheckBox,   LineKind::Text,     LineKind::CheckBox,
    LineKind::Text,     LineKind::CheckBox,   LineKind::Text,     LineKind::SoundName,
};

// An integer line's number or a text line's text.
using LineValue = std::variant<int, std::wstring>;
using ConfigValues = std::array<LineValue, kLineCount>;

// The sound list as it stands at this start, in its order. The help entry is one of its
// entries but names no sound. `sameName` tells whether two file names name the same file, as
// the file system compares them (case aside).
struct SoundList {
    std::span<const std::wstring> entries;
    std::wstring_view help;
    bool (*sameName)(std::wstring_view, std::wstring_view);
};

// The whole file's bytes: texts in codePage when it holds every one, else the whole file in
// UTF-8 after its mark. A control character inside a text (a line break, say) is written as a
// blank, so that no line is split and the file never reads as damaged; TAB stays. Throws
// std::invalid_argument when a value's kind does not match kLines.
std::string FormatConfig(const ConfigValues& values, const text::CodePage& codePage);

// The values of the file's lines, in file order, nullopt for a faulty line; reading stops at
// the end of the file. A line ends at CR LF, a lone LF or a lone CR; lines after the 16th are
// ignored. Texts are read in UTF-16 after its mark (either byte order), in UTF-8 when the file
// starts with UTF-8's mark or, unmarked, is well-formed UTF-8 with characters beyond ASCII, and
// in codePage otherwise. The 16th line of a byte file is read in UTF-8 whenever it is well formed.
// A damaged file (a disk fault, another program's data) reads as no file at all, with no
// values: its text holds a control character other than CR, LF and TAB, or it is cut UTF-16.
// The sound index given back is the entry to select now: the entry the 16th line names, if any,
// case and trailing blanks and dots aside as Windows takes file names; else the stored
// position, except that a file with a 16th line never selects the help entry. A file of 15
// lines reads as it always did. Linear in the input's size.
std::vector<std::optional<LineValue>> ParseConfig(std::string_view bytes, const SoundList& sounds,
                                                  const text::CodePage& codePage);

} // namespace acordina::settings
