// libFuzzer entry: the first byte picks the size of the sound list, the rest
// is the file. Any broken invariant aborts so the fuzzer keeps the input.

#include "settings/ConfigFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using acordina::settings::ConfigValues;
using acordina::settings::kLineCount;
using acordina::settings::kLines;
using acordina::settings::LineKind;
using acordina::settings::LineValue;

void Check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool InRange(LineKind kind, const LineValue& v, int soundEntries) {
    switch (kind) {
    case LineKind::CheckBox:
        return std::holds_alternative<int>(v) && (std::get<int>(v) == 0 || std::get<int>(v) == 1);
    case LineKind::SoundIndex:
        return std::holds_alternative<int>(v) &&
               (std::get<int>(v) == -1 ||
                (std::get<int>(v) >= 0 && std::get<int>(v) < soundEntries));
    case LineKind::Text:
        return std::holds_alternative<std::wstring>(v) &&
               std::get<std::wstring>(v).find_first_of(L"\r\n") == std::wstring::npos;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int soundEntries = static_cast<int>(data[0]) - 2;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto values = acordina::settings::ParseConfig(bytes, soundEntries);
    Check(values.size() <= kLineCount);

    // Whatever came back must survive being written and read again.
    ConfigValues full;
    for (std::size_t i = 0; i < kLineCount; ++i) {
        if (i < values.size()) {
            Check(InRange(kLines[i], values[i], soundEntries));
            full[i] = values[i];
        } else if (kLines[i] == LineKind::Text) {
            full[i] = std::wstring();
        } else {
            full[i] = kLines[i] == LineKind::SoundIndex ? -1 : 0;
        }
    }
    const auto again =
        acordina::settings::ParseConfig(acordina::settings::FormatConfig(full), soundEntries);
    Check(again.size() == kLineCount);
    for (std::size_t i = 0; i < values.size(); ++i) {
        Check(again[i] == values[i]);
    }
    return 0;
}
