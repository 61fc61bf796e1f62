#pragma once
// The file a typical arming writes, as values and as the exact bytes.

#include "Windows1252.h"
#include "settings/ConfigFormat.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace acordina::settings::samples {

// The code page of the tests' files, unless one says otherwise.
inline const text::Windows1252 kCp1252;

// The sound list at arming, the help entry and three WAV files, or its first n entries; names
// alike but for ASCII's case name the same file.
inline const std::array<std::wstring, 4> kEntries = {L"...Ajuda", L"a.wav", L"b.wav", L"c.wav"};
inline bool SameAsciiName(std::wstring_view a, std::wstring_view b) {
    return std::ranges::equal(a, b, {}, ::towlower, ::towlower);
}
inline SoundList Sounds(std::size_t n = kEntries.size()) {
    return {std::span(kEntries).first(n), kEntries[0], &SameAsciiName};
}

// Sound ticked with the third entry, no shutdown, the visual alert as designed, pre-alerts 15
// and 5.
// clang-format off
inline ConfigValues ExampleValues() {
    return {1, 2, 0, 1, L"TRRRIIIMMM!!! Despertando...",
            1, L"Faltam 15 minutos para despertar.", 0, L"Faltam 10 minutos para despertar.",
            1, L"Faltam 5 minutos para despertar.", 0, L"Faltam 2 minutos para despertar.",
            0, L"Falta 1 minuto para despertar.", L"b.wav"};
}

inline constexpr std::string_view kExampleBytes =
    " 1 \r\n 2 \r\n 0 \r\n 1 \r\nTRRRIIIMMM!!! Despertando...\r\n"
    " 1 \r\nFaltam 15 minutos para despertar.\r\n 0 \r\nFaltam 10 minutos para despertar.\r\n"
    " 1 \r\nFaltam 5 minutos para despertar.\r\n 0 \r\nFaltam 2 minutos para despertar.\r\n"
    " 0 \r\nFalta 1 minuto para despertar.\r\nb.wav\r\n";
// clang-format on

// The same arming as written before files named their sound: the first 15 lines.
inline constexpr std::string_view kExample15 = kExampleBytes.substr(0, kExampleBytes.size() - 7);

// The example's lines without their CR LF, and lines joined again, each followed by end.
inline std::vector<std::string> ExampleLines() {
    std::vector<std::string> lines;
    for (auto rest = kExampleBytes; !rest.empty(); rest.remove_prefix(lines.back().size() + 2)) {
        lines.emplace_back(rest.substr(0, rest.find("\r\n")));
    }
    return lines;
}
inline std::string Join(const std::vector<std::string>& lines, std::string_view end = "\r\n") {
    std::string bytes;
    for (const auto& line : lines) {
        (bytes += line) += end;
    }
    return bytes;
}
// The example with one line's bytes changed.
inline std::string ExampleWith(std::size_t line, std::string_view bytes) {
    auto lines = ExampleLines();
    lines[line] = std::string(bytes);
    return Join(lines);
}

inline std::vector<std::optional<LineValue>> Prefix(const ConfigValues& values, std::size_t count) {
    return {values.begin(), values.begin() + static_cast<std::ptrdiff_t>(count)};
}

} // namespace acordina::settings::samples
