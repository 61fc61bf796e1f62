#pragma once
// UTF-16, what Notepad saves as "Unicode": two bytes a unit, after a mark that tells their order.

#include <optional>
#include <string>
#include <string_view>

namespace acordina::text {

// nullopt for an odd number of bytes or a surrogate without its partner.
std::optional<std::wstring> FromUtf16(std::string_view bytes, bool bigEndian);

} // namespace acordina::text
