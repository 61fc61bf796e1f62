#pragma once
// Text kept as the bytes of one code page, as files written on a computer are.

#include <string>
#include <string_view>

namespace acordina::text {

class CodePage {
public:
    virtual ~CodePage() = default;
    // A character the code page cannot hold becomes '?'.
    virtual std::string Encode(std::wstring_view text) const = 0;
    // Never fails: bytes that make no character decode to a stand-in.
    virtual std::wstring Decode(std::string_view bytes) const = 0;
};

} // namespace acordina::text
