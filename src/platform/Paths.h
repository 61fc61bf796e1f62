#pragma once
// Paths inside the program's folder.

#include <string>
#include <string_view>

namespace acordina::win32 {

// "C:\Prog" + "galo.wav" -> "C:\Prog\galo.wav"; at a drive's root, whose path already ends in
// a backslash, "C:\" + "galo.wav" -> "C:\galo.wav".
inline std::wstring InFolder(std::wstring_view folder, std::wstring_view name) {
    std::wstring path(folder);
    if (!path.ends_with(L'\\')) {
        path += L'\\';
    }
    path += name;
    return path;
}

} // namespace acordina::win32
