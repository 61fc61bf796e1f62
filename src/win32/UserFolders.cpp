// Whether the program's folder takes files, and the user's own folder for when it does not.
#include "win32/RealServices.h"

#include <shlobj.h>

namespace acordina::win32 {
namespace {

constexpr GUID kLocalAppData{
    0xf1b32785, 0x6fba, 0x4fcf, {0x9d, 0x55, 0x7b, 0x8e, 0x7f, 0x15, 0x70, 0x91}};

// Windows Vista's way; nullopt where it is missing.
std::optional<std::wstring> KnownLocalAppData() {
    SystemLibrary shell32{L"shell32.dll"};
    SystemLibrary ole32{L"ole32.dll"};
    auto* known = shell32.Function<decltype(SHGetKnownFolderPath)>("SHGetKnownFolderPath");
    auto* release = ole32.Function<decltype(CoTaskMemFree)>("CoTaskMemFree");
    if (!known || !release) {
        return std::nullopt;
    }
    wchar_t* path = nullptr;
    std::optional<std::wstring> text;
    if (SUCCEEDED(known(kLocalAppData, 0, nullptr, &path)) && path) {
        text = path;
    }
    release(path);
    return text;
}

} // namespace

// A unique name, so two copies never meet over the same file.
bool ExecutableFolder::Writable() const {
    wchar_t probe[MAX_PATH];
    if (!GetTempFileNameW(Path().c_str(), L"Aco", 0, probe)) {
        return false;
    }
    DeleteFileW(probe);
    return true;
}

std::wstring ExecutableFolder::LocalAppData() const {
    if (auto known = KnownLocalAppData()) {
        return *known;
    }
    SystemLibrary shell32{L"shell32.dll"};
    auto* older = shell32.Function<decltype(SHGetFolderPathW)>("SHGetFolderPathW");
    wchar_t path[MAX_PATH];
    if (older && SUCCEEDED(older(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, path))) {
        return path;
    }
    const DWORD n = GetEnvironmentVariableW(L"LOCALAPPDATA", path, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(path, n) : std::wstring();
}

} // namespace acordina::win32
