#include "settings/ConfigFormat.h"

#include "text/Utf16.h"
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
constexpr std::wstring_view kBlanks = L" \t";

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// C0 and C1 controls and DEL: no text anyone types, and what garbage is full of.
bool IsControl(wchar_t c) {
    const auto code = static_cast<char32_t>(c);
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

// A line the reader takes back as it was given, apart from its control characters.
std::wstring OneLine(std::wstring_view text) {
    std::wstring line(text);
    std::replace_if(
        line.begin(), line.end(), [](wchar_t c) { return c != L'\t' && IsControl(c); }, L' ');
    return line;
}

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

bool HasMultiByte(std::string_view line) {
    return std::any_of(line.begin(), line.end(), [](char c) { return (c & 0x80) != 0; });
}

// Text with a control character other than TAB and the line ends is no settings file.
bool Damaged(std::wstring_view text) {
    return std::ranges::any_of(
        text, [](wchar_t c) { return IsControl(c) && c != L'\t' && c != L'\r' && c != L'\n'; });
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

    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

std::wstring_view TrimBlanks(std::wstring_view s) {
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

// A decimal integer with an optional sign; anything else, or a number beyond
// int, is no number.
std::optional<int> ParseInteger(std::wstring_view line) {
    std::wstring_view s = TrimBlanks(line);
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
    for (const wchar_t c : s) {
        if (c < L'0' || c > L'9') {
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
std::optional<int> SoundToSelect(int stored, bool named, std::wstring_view name,
                                 const SoundList& sounds) {
    const auto& entries = sounds.entries;
    // The named file wherever it stands now; the help entry and an empty name name no sound.
    // Windows drops blanks and dots at a name's end.
    const std::wstring_view wanted = name.substr(0, name.find_last_not_of(L" .") + 1);
    if (!wanted.empty() && wanted != sounds.help) {
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const auto& entry) {
            return entry != sounds.help && sounds.sameName(entry, wanted);
        });
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
    if (named && stored >= 0 && entries[static_cast<std::size_t>(stored)] == sounds.help) {
        return -1;
    }
    return stored;
}

} // namespace

std::string FormatConfig(const ConfigValues& values, const text::CodePage& codePage) {
    bool fits = true;
    for (std::size_t i = 0; i < kLineCount; ++i) {
        const bool isText = kLines[i] == LineKind::Text || kLines[i] == LineKind::SoundName;
        if (isText != std::holds_alternative<std::wstring>(values[i])) {
            throw WrongKind(i);
        }
        if (isText) {
            const std::wstring line = OneLine(std::get<std::wstring>(values[i]));
            fits = fits && codePage.Decode(codePage.Encode(line)) == line;
        }
    }
    // The code page as files on this computer always were; UTF-8 rather than a '?' for
    // anything the user typed.
    std::string out(fits ? "" : kUtf8Mark);
    for (const LineValue& value : values) {
        if (const auto* text = std::get_if<std::wstring>(&value)) {
            const std::wstring line = OneLine(*text);
            out += fits ? codePage.Encode(line) : text::ToUtf8(line);
        } else {
            AppendInteger(out, std::get<int>(value));
        }
        out += kLineEnd;
    }
    return out;
}

std::vector<std::optional<LineValue>> ParseConfig(std::string_view bytes, const SoundList& sounds,
                                                  const text::CodePage& codePage) {
    // Notepad's "Unicode" is read as the same text in UTF-8 would be.
    std::string fromUtf16;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        const auto decoded = text::FromUtf16(bytes.substr(2), bytes[0] == '\xFE');
        if (!decoded) {
            return {};
        }
        fromUtf16 = kUtf8Mark;
        bytes = fromUtf16 += text::ToUtf8(*decoded);
    }
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
    std::vector<std::optional<LineValue>> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        // Files of code-page texts once kept a sound name the code page lacked in UTF-8.
        std::wstring text = DecodeText(lines[i], utf8 || i == kLineCount - 1, codePage);
        if (Damaged(text)) {
            return {};
        }
        values.emplace_back(std::move(text));
    }
    if (Damaged(DecodeText(reader.Rest(), utf8, codePage))) {
        return {};
    }
    const std::wstring_view name =
        count == kLineCount ? std::get<std::wstring>(*values.back()) : std::wstring_view();
    for (std::size_t i = 0; i < count; ++i) {
        if (kLines[i] != LineKind::CheckBox && kLines[i] != LineKind::SoundIndex) {
            continue;
        }
        std::optional<int> number = ParseInteger(std::get<std::wstring>(*values[i]));
        if (number && kLines[i] == LineKind::SoundIndex) {
            number = SoundToSelect(*number, count == kLineCount, name, sounds);
        } else if (number && *number != 0 && *number != 1) {
            number.reset();
        }
        // A faulty line leaves its control as it is; the next line is read all the same.
        if (number) {
            values[i] = *number;
        } else {
            values[i].reset();
        }
    }
    return values;
}

} // namespace acordina::settings
