#include "FakeServices.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace acordina::testing {

void PrintTo(const ShownBox& box, std::ostream* out) {
    *out << win32::ToAnsi(box.title) << ": " << win32::ToAnsi(box.text) << " (style " << box.style
         << ", owner " << box.owner << ")";
}

void PrintTo(const SoundCall& call, std::ostream* out) {
    *out << call.name.value_or("(no name)") << " (module " << call.module << ", flags "
         << call.flags << ")";
}

int FakeMessageBoxes::Show(HWND owner, std::wstring_view text, std::wstring_view title,
                           unsigned style) {
    shown.push_back({owner, std::wstring(text), std::wstring(title), style});
    if (onShow) {
        onShow(shown.back());
    }
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (style & 0xF) == MB_YESNO ? IDYES : IDOK;
}

std::uint32_t ShellCall::Field(std::size_t offset) const {
    std::uint32_t v = 0;
    std::memcpy(&v, record.data() + offset, sizeof v);
    return v;
}

std::string ShellCall::Text(std::size_t offset, std::size_t size) const {
    const char* begin = reinterpret_cast<const char*>(record.data() + offset);
    return std::string(begin, strnlen(begin, size));
}

bool FakeShell::NotifyIcon(std::uint32_t message, const tray::NotifyRecordBytes& record) {
    calls.push_back({message, record});
    if (onNotify) {
        onNotify(calls.back());
    }
    return true;
}

std::int32_t FakeShell::SetForegroundWindow(std::uint32_t windowHandle) {
    foregrounds.push_back(windowHandle);
    foregroundAfterCalls.push_back(calls.size());
    return 1;
}

std::vector<const ShellCall*> FakeShell::Balloons() const {
    std::vector<const ShellCall*> balloons;
    for (const auto& call : calls) {
        if (call.message == tray::NIM_MODIFY_ && (call.Flags() & 0x10) && !call.Info().empty()) {
            balloons.push_back(&call);
        }
    }
    return balloons;
}

bool FakeSound::PlaySoundA(const char* name, std::uintptr_t module, std::uint32_t flags) {
    calls.push_back({name ? std::optional<std::string>(name) : std::nullopt, module, flags});
    if (onPlay) {
        onPlay(calls.back());
    }
    return accept;
}

void FakePower::SetWakeTimer(std::int64_t utcFileTime) {
    FILETIME instant{static_cast<DWORD>(utcFileTime), static_cast<DWORD>(utcFileTime >> 32)};
    SYSTEMTIME t{};
    FileTimeToSystemTime(&instant, &t);
    char text[40];
    std::snprintf(text, sizeof text, "timer %04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth,
                  t.wDay, t.wHour, t.wMinute, t.wSecond);
    calls.emplace_back(text);
}

void FakePower::SetThreadExecutionState(std::uint32_t flags) {
    char text[24];
    std::snprintf(text, sizeof text, "state %08X", static_cast<unsigned>(flags));
    calls.emplace_back(text);
}

void FakeKeyboard::SendTab() {
    ++tabs;
    if (HWND focus = GetFocus()) {
        PostMessageW(focus, WM_KEYDOWN, VK_TAB, 0x000F0001);
        PostMessageW(focus, WM_KEYUP, VK_TAB, 0xC00F0001);
    }
}

TempProgramFolder::TempProgramFolder() {
    static int counter = 0;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"acordina-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    std::filesystem::create_directories(path_);
}

TempProgramFolder::~TempProgramFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempProgramFolder::Write(const std::wstring& name, const std::string& bytes) const {
    std::ofstream out(std::filesystem::path(path_) / name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::optional<std::string> TempProgramFolder::Read(const std::wstring& name) const {
    std::ifstream in(std::filesystem::path(path_) / name, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace acordina::testing
