#include "services/real/SystemComeback.h"

#include "alarm/CommandLine.h"
#include "platform/Handles.h"
#include "services/real/ExecutableFolder.h"

namespace acordina::win32 {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kRunValue[] = L"Acordina";
// Larger than any record: a bigger file is damaged.
constexpr std::size_t kRecordLimit = 4096;

WriteResult Result(LSTATUS status) {
    return status == ERROR_SUCCESS ? WriteResult{} : WriteResult{false, SystemReason(status)};
}

} // namespace

WriteResult SystemComeback::WriteRecord(const std::wstring& path, std::string_view bytes) {
    return WriteDurably(path, bytes);
}

std::optional<std::string> SystemComeback::ReadRecord(const std::wstring& path) {
    return ReadBounded(path, kRecordLimit);
}

WriteResult SystemComeback::RemoveRecord(const std::wstring& path) {
    if (DeleteFileW(path.c_str())) {
        return {};
    }
    const DWORD error = GetLastError();
    const bool gone = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return gone ? WriteResult{} : WriteResult{false, SystemReason(error)};
}

WriteResult SystemComeback::SetRunCommand(const std::wstring& command) {
    const auto size = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
    return Result(
        RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, kRunValue, REG_SZ, command.c_str(), size));
}

WriteResult SystemComeback::RemoveRunCommand() {
    const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kRunValue);
    return Result(status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status);
}

// Windows restarts a program registered so after an update; the Run value covers the log-on.
WriteResult SystemComeback::RegisterRestart(const std::wstring& arguments) {
    const HRESULT result = arguments.empty() ? UnregisterApplicationRestart()
                                             : RegisterApplicationRestart(arguments.c_str(), 0);
    return SUCCEEDED(result) ? WriteResult{}
                             : WriteResult{false, SystemReason(HRESULT_CODE(result))};
}

std::wstring SystemComeback::ExecutablePath() const {
    return ExecutableFile();
}

bool SystemComeback::StartCopy(const std::wstring& arguments) {
    std::wstring commandLine = alarm::CommandLine(ExecutablePath(), arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return false;
    }
    // Nothing waits for the new copy: its handles go at once.
    const UniqueHandle thread(started.hThread), process(started.hProcess);
    return true;
}

void SystemComeback::ExitFailed() {
    ExitProcess(1);
}

} // namespace acordina::win32
