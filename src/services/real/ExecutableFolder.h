#pragma once

#include "services/Services.h"

#include <string>
#include <string_view>

namespace acordina::win32 {

class ExecutableFolder final : public ProgramFolder {
public:
    std::wstring Path() const override;
    bool Writable() const override;
    std::wstring LocalAppData() const override;
};

// The full path of the program's executable.
std::wstring ExecutableFile();

// "C:\Prog\Acordina.exe" -> "C:\Prog"; "C:\Acordina.exe" -> "C:\".
std::wstring FolderOfFile(std::wstring_view file);

} // namespace acordina::win32
