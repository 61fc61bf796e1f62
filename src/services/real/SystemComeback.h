#pragma once
// The real record file, Run value, restart registration and copy of the program.

#include "services/Services.h"

namespace acordina::win32 {

class SystemComeback final : public Comeback {
public:
    WriteResult WriteRecord(const std::wstring& path, std::string_view bytes) override;
    std::optional<std::string> ReadRecord(const std::wstring& path) override;
    WriteResult RemoveRecord(const std::wstring& path) override;
    WriteResult SetRunCommand(const std::wstring& command) override;
    WriteResult RemoveRunCommand() override;
    WriteResult RegisterRestart(const std::wstring& arguments) override;
    std::wstring ExecutablePath() const override;
    bool StartCopy(const std::wstring& arguments) override;
    void ExitFailed() override;
};

} // namespace acordina::win32
