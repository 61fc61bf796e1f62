#include "alarm/CommandLine.h"

#include <algorithm>
#include <cwctype>

namespace acordina::alarm {

std::wstring CommandLine(std::wstring_view executable, std::wstring_view arguments) {
    std::wstring line = L"\"";
    line.append(executable).append(L"\" ").append(arguments);
    return line;
}

bool StartedToReligar(std::wstring_view arguments) {
    while (!arguments.empty() && std::iswspace(arguments.back())) {
        arguments.remove_suffix(1);
    }
    while (!arguments.empty() && std::iswspace(arguments.front())) {
        arguments.remove_prefix(1);
    }
    return std::ranges::equal(arguments, std::wstring_view(kReligar), [](wchar_t a, wchar_t b) {
        return static_cast<wchar_t>(std::towlower(a)) == b;
    });
}

} // namespace acordina::alarm
