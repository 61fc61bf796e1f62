// The program's folder, whether it takes files, and the user's own folder for when it does not.
#include "services/real/ExecutableFolder.h"

#include "platform/Com.h"
#include "platform/Handles.h"
#include "platform/Paths.h"
#include "platform/SystemLibrary.h"

#include <shlobj.h>

#include <memory>

namespace acordina::win32 {

std::wstring FolderOfFile(std::wstring_view file) {
    const auto slash = file.find_last_of(L"\\/");
    if (slash == std::wstring_view::npos) {
        return std::wstring(file);
    }
    std::wstring folder(file.substr(0, slash));
    if (folder.size() == 2 && folder[1] == L':') {
        folder += L'\\';
    }
    return folder;
}

std::wstring ExecutableFile() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring ExecutableFolder::Path() const {
    return FolderOfFile(ExecutableFile());
}

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
    auto* known = shell32.Function<decltype(SHGetKnownFolderPath)>("SHGetKnownFolderPath");
    wchar_t* found = nullptr;
    const HRESULT result = known ? known(kLocalAppData, 0, nullptr, &found) : E_NOTIMPL;
    // Given back even after a failure.
    const std::unique_ptr<wchar_t, CoTaskMemFreer> owned(found);
    if (SUCCEEDED(result)) {
        return found;
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
