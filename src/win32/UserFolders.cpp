// Whether the program's folder takes files, and the user's own folder for when it does not.
#include "win32/Paths.h"
#include "win32/RealServices.h"

#include <shlobj.h>

namespace acordina::win32 {

// A file made and gone again as its handle closes: GetTempFileNameW may report success for one
// it could not make.
// The name is this process's own, so two copies never meet over it.
bool ExecutableFolder::Writable() const {
    const std::wstring probe =
        InFolder(Path(), L"Acordina-" + std::to_wstring(GetCurrentProcessId()) + L".tmp");
    return OwnFile(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr)) !=
           nullptr;
}

// Vista's known folder; before it, the older shell call or the environment.
std::wstring ExecutableFolder::LocalAppData() const {
    // Not libuuid's copy: it would bring thousands of other identifiers along.
    static constexpr KNOWNFOLDERID kLocalAppData{
        0xf1b32785, 0x6fba, 0x4fcf, {0x9d, 0x55, 0x7b, 0x8e, 0x7f, 0x15, 0x70, 0x91}};
    SystemLibrary shell32{L"shell32.dll"};
    SystemLibrary ole32{L"ole32.dll"};
    auto* known = shell32.Function<decltype(SHGetKnownFolderPath)>("SHGetKnownFolderPath");
    auto* release = ole32.Function<decltype(CoTaskMemFree)>("CoTaskMemFree");
    wchar_t* found = nullptr;
    if (known && release && SUCCEEDED(known(kLocalAppData, 0, nullptr, &found))) {
        std::wstring path(found);
        release(found);
        return path;
    }
    if (release) {
        release(found); // given back even after a failure
    }
    wchar_t path[MAX_PATH]{};
    auto* older = shell32.Function<decltype(SHGetFolderPathW)>("SHGetFolderPathW");
    if (older && SUCCEEDED(older(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, path))) {
        return path;
    }
    const DWORD n = GetEnvironmentVariableW(L"LOCALAPPDATA", path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? path : L"";
}

} // namespace acordina::win32
