#pragma once
// Windows-1252, the single-byte code page of the Portuguese texts. Kept
// portable so the settings format can be tested and fuzzed without Windows.

#include "text/CodePage.h"

#include <string>
#include <string_view>

namespace acordina::text {

// Characters outside Windows-1252 become '?', as the system converter does.
std::string ToWindows1252(std::wstring_view text);

// Every byte maps to one character; the five undefined bytes map to the C1
// control characters of the same value, so decoding never fails.
std::wstring FromWindows1252(std::string_view bytes);

class Windows1252 final : public CodePage {
public:
    std::string Encode(std::wstring_view text) const override { return ToWindows1252(text); }
    std::wstring Decode(std::string_view bytes) const override { return FromWindows1252(bytes); }
};

} // namespace acordina::text
