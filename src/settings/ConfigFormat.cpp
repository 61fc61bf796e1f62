#include "settings/ConfigFormat.h"

#include "text/Utf8.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <stdexcept>
#include <utility>

namespace acordina::settings {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBlanks = " \t";

void AppendInteger(std::string& out, int value) {
    // A non-negative number keeps the place where a minus sign would stand.
    if (value >= 0) {
        out.push_back(' ');
    }
    char digits[16];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    out.append(digits, result.ptr);
    out.push_back(' ');
}

// `utf8IfNeeded`: text the code page cannot hold goes in UTF-8, rather than as '?'.
void AppendText(std::string& out, std::wstring_view text, const text::CodePage& codePage,
                bool utf8IfNeeded) {
    // A line break inside a text would shift every later line.
    std::wstring oneLine(text);
    std::replace_if(
        oneLine.begin(), oneLine.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }, L' ');
    std::string encoded = codePage.Encode(oneLine);
    if (utf8IfNeeded && codePage.Decode(encoded) != oneLine) {
        encoded = text::ToUtf8(oneLine);
    }
    out += encoded;
}

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool HasMultiByte(std::string_view line) {
    return std::any_of(line.begin(), line.end(), [](char c) { return (c & 0x80) != 0; });
}

// A line's text in UTF-8 when asked for and well formed, in the code page otherwise.
std::wstring DecodeText(std::string_view line, bool utf8, const text::CodePage& codePage) {
    if (utf8) {
        if (auto decoded = text::FromUtf8(line)) {
            return std::move(*decoded);
        }
    }
    return codePage.Decode(line);
}

std::invalid_argument WrongKind(std::size_t line) {
    return std::invalid_argument("Config.inf line " + std::to_string(line + 1) +
                                 " holds a value of the wrong kind");
}

// Hands out one line at a time; a line ends at CR LF, a lone LF or a lone CR,
// and a last line without an end still counts.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : rest_(bytes) {}

    std::optional<std::string_view> Next() {
        if (rest_.empty()) {
            return std::nullopt;
        }
        const std::size_t end = rest_.find_first_of(kLineEnd);
        if (end == std::string_view::npos) {
            return std::exchange(rest_, std::string_view{});
        }
        const std::string_view line = rest_.substr(0, end);
        const bool crlf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
        rest_.remove_prefix(end + (crlf ? 2 : 1));
        return line;
    }

private:
    std::string_view rest_;
};

std::string_view TrimBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

// A decimal integer with an optional sign; anything else, or a number beyond
// int, is no number.
std::optional<int> ParseInteger(std::string_view line) {
    std::string_view s = TrimBlanks(line);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) {
        return std::nullopt;
    }
    // One past int's largest magnitude, so that the most negative int fits.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t magnitude = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLimit) {
            return std::nullopt;
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// The entry a sound index line selects now; nullopt when the stored position is out of the list.
std::optional<int> SoundToSelect(int stored, const std::optional<std::wstring>& name,
                                 const SoundList& sounds) {
    const auto& entries = sounds.entries;
    // The named file wherever it stands now; the help entry and an empty name name no sound.
    if (name && !name->empty() && *name != sounds.help) {
        const auto found = std::find(entries.begin(), entries.end(), *name);
        if (found != entries.end()) {
            return static_cast<int>(found - entries.begin());
        }
    }
    // -1 is no selection, which every list allows.
    if (stored < -1 || stored >= static_cast<int>(entries.size())) {
        return std::nullopt;
    }
    // A file that names its sound never stored the help entry as the choice: landing on it
    // means the list has changed, and help at start-up would only puzzle the user.
    if (name && stored >= 0 && entries[static_cast<std::size_t>(stored)] == sounds.help) {
        return -1;
    }
    return stored;
}

} // namespace

std::string FormatConfig(const ConfigValues& values, const text::CodePage& codePage) {
    std::string out;
    for (std::size_t i = 0; i < kLineCount; ++i) {
        if (kLines[i] == LineKind::Text || kLines[i] == LineKind::SoundName) {
            const auto* text = std::get_if<std::wstring>(&values[i]);
            if (text == nullptr) {
                throw WrongKind(i);
            }
            AppendText(out, *text, codePage, kLines[i] == LineKind::SoundName);
        } else {
            const auto* number = std::get_if<int>(&values[i]);
            if (number == nullptr) {
                throw WrongKind(i);
            }
            AppendInteger(out, *number);
        }
        out += kLineEnd;
    }
    return out;
}

std::vector<std::optional<LineValue>> ParseConfig(std::string_view bytes, const SoundList& sounds,
                                                  const text::CodePage& codePage) {
    // Notepad's mark of a UTF-8 file.
    const bool marked = bytes.starts_with(kUtf8Mark);
    if (marked) {
        bytes.remove_prefix(kUtf8Mark.size());
    }
    // Every line first: the last one decides what the second selects.
    std::array<std::string_view, kLineCount> lines;
    std::size_t count = 0;
    LineReader reader(bytes);
    while (count < kLineCount) {
        const std::optional<std::string_view> line = reader.Next();
        if (!line) {
            break;
        }
        lines[count++] = *line;
    }
    // Unmarked, the texts are UTF-8 only if every line is well formed and one has a character
    // beyond ASCII: a code-page text with accents almost never is.
    const auto lineSpan = std::span(lines).first(count);
    const bool utf8 = marked || (std::ranges::any_of(lineSpan, HasMultiByte) &&
                                 std::ranges::all_of(lineSpan, [](std::string_view l) {
                                     return text::FromUtf8(l).has_value();
                                 }));
    std::optional<std::wstring> name;
    if (count == kLineCount) {
        // Written in UTF-8 when the code page could not hold it.
        name = DecodeText(lines[kLineCount - 1], true, codePage);
    }

    std::vector<std::optional<LineValue>> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        switch (kLines[i]) {
        case LineKind::Text:
            values.emplace_back(DecodeText(lines[i], utf8, codePage));
            continue;
        case LineKind::SoundName:
            values.emplace_back(std::move(*name));
            continue;
        case LineKind::CheckBox:
        case LineKind::SoundIndex:
            break;
        }
        std::optional<int> number = ParseInteger(lines[i]);
        if (number && kLines[i] == LineKind::SoundIndex) {
            number = SoundToSelect(*number, name, sounds);
        } else if (number && *number != 0 && *number != 1) {
            number.reset();
        }
        // A faulty line leaves its control as it is; the next line is read all the same.
        if (number) {
            values.emplace_back(std::in_place, std::in_place_type<int>, *number);
        } else {
            values.emplace_back();
        }
    }
    return values;
}

} // namespace acordina::settings
