#include "win32/RealServices.h"

#include "tray/NotifyLayout.h"
#include "win32/Twips.h"

#include <mmsystem.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>

namespace acordina::win32 {

alarm::LocalTime LocalClock::Now() const {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, {st.wHour, st.wMinute, st.wSecond}};
}

int SystemMessageBoxes::Show(HWND owner, std::wstring_view text, std::wstring_view title,
                             unsigned style) {
    return MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(title).c_str(), style);
}

namespace {

std::uint32_t U32At(const tray::NotifyRecordBytes& record, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = value << 8 | record[offset + i];
    }
    return value;
}

template <std::size_t N>
void CopyText(char (&to)[N], const tray::NotifyRecordBytes& record, tray::layout::TextField from) {
    static_assert(N > 0);
    std::memcpy(to, record.data() + from.offset, std::min(N, from.size));
    to[N - 1] = '\0';
}

} // namespace

bool SystemTrayShell::NotifyIcon(std::uint32_t message, const tray::NotifyRecordBytes& record) {
    // The record is the 488-byte ANSI layout of shell version 5.0 on 32-bit Windows. It is
    // spread over the structure field by field, so that a 64-bit build, whose handles are
    // wider, gives the shell the same icon.
    namespace at = tray::layout;
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(U32At(record, at::kHWnd)));
    data.uID = U32At(record, at::kUID);
    data.uFlags = U32At(record, at::kUFlags);
    data.uCallbackMessage = U32At(record, at::kUCallbackMessage);
    data.hIcon = reinterpret_cast<HICON>(static_cast<std::uintptr_t>(U32At(record, at::kHIcon)));
    CopyText(data.szTip, record, at::kSzTip);
    data.dwState = U32At(record, at::kDwState);
    data.dwStateMask = U32At(record, at::kDwStateMask);
    CopyText(data.szInfo, record, at::kSzInfo);
    data.uTimeout = U32At(record, at::kUTimeout);
    CopyText(data.szInfoTitle, record, at::kSzInfoTitle);
    data.dwInfoFlags = U32At(record, at::kDwInfoFlags);
    auto* notify = shell32_.Function<decltype(Shell_NotifyIconA)>("Shell_NotifyIconA");
    return notify && notify(message, &data) != FALSE;
}

std::int32_t SystemTrayShell::SetForegroundWindow(std::uint32_t windowHandle) {
    return ::SetForegroundWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(windowHandle)));
}

float SystemTrayShell::TwipsPerPixelX() const {
    return Dpi::Screen().TwipsPerPixelX();
}

namespace {

// Some sound systems (Wine's among them) open the file through the ANSI code page, and an
// asynchronous request still reports success. A name the code page cannot hold goes by its
// short alias, which is ASCII, where the volume keeps one.
std::wstring OpenableName(const wchar_t* name) {
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, -1, nullptr, 0, nullptr, &lost);
    if (!lost) {
        return name;
    }
    std::wstring alias(MAX_PATH, L'\0');
    const DWORD n = GetShortPathNameW(name, alias.data(), static_cast<DWORD>(alias.size()));
    if (n == 0 || n >= alias.size()) {
        return name;
    }
    alias.resize(n);
    return alias;
}

} // namespace

bool WinmmSound::PlaySoundW(const wchar_t* name, std::uintptr_t module, std::uint32_t flags) {
    auto* play = winmm_.Function<decltype(::PlaySoundW)>("PlaySoundW");
    if (!play) {
        return false;
    }
    if (name && (flags & SND_RESOURCE) != SND_RESOURCE) {
        return play(OpenableName(name).c_str(), reinterpret_cast<HMODULE>(module), flags) != FALSE;
    }
    return play(name, reinterpret_cast<HMODULE>(module), flags) != FALSE;
}

// Without winmm there is no device at all.
std::uint32_t WinmmSound::waveOutGetNumDevs() {
    auto* count = winmm_.Function<decltype(::waveOutGetNumDevs)>("waveOutGetNumDevs");
    return count ? count() : 0;
}
std::uint32_t WinmmSound::midiOutGetNumDevs() {
    auto* count = winmm_.Function<decltype(::midiOutGetNumDevs)>("midiOutGetNumDevs");
    return count ? count() : 0;
}

TIME_ZONE_INFORMATION SystemTimeZone::ForYear(std::uint16_t year) {
    TIME_ZONE_INFORMATION rules{};
    if (!GetTimeZoneInformationForYear(year, nullptr, &rules)) {
        GetTimeZoneInformation(&rules);
    }
    return rules;
}

void SendInputKeyboard::SendTab() {
    INPUT keys[2]{};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_TAB;
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

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

void ExitProcessNow::ExitNow() {
    ExitProcess(0);
}

RECT SystemMonitors::WorkArea(HWND window) const {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

std::string ToAnsi(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

} // namespace acordina::win32
