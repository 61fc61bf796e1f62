#include "platform/SystemLibrary.h"

#include <string>

namespace acordina::win32 {

FARPROC SystemLibrary::Address(const char* name) {
    if (!module_) {
        // By full path: never a file of the same name in the program's folder.
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetSystemDirectoryW(path.data(), MAX_PATH));
        module_.reset(LoadLibraryW((path + L'\\' + name_).c_str()));
    }
    return module_ ? GetProcAddress(module_.get(), name) : nullptr;
}

} // namespace acordina::win32
