#pragma once
// The command line of the starts that bring an armed alarm back (at log-on, after an update, in
// place of a failed copy): made and read here alone.

#include <string>
#include <string_view>

namespace acordina::alarm {

// The argument of those starts.
inline constexpr wchar_t kReligar[] = L"/religar";

// `"<executable>" <arguments>`: quoted, for a path with blanks.
std::wstring CommandLine(std::wstring_view executable, std::wstring_view arguments);

// The arguments (what follows the executable) are that word alone, in any case, blanks around.
bool StartedToReligar(std::wstring_view arguments);

} // namespace acordina::alarm
