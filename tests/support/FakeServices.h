#pragma once
// Recording stand-ins for every service the windows use: no real sound, box, shutdown or clock.

#include "RecordingShutdownApi.h"
#include "alarm/AlarmCheck.h"
#include "platform/AnsiText.h"
#include "services/Services.h"
#include "services/real/WindowsCodePage.h"
#include "tray/cTrayBalloon.h"

#include <mmsystem.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace acordina::testing {

struct FakeClock final : alarm::Clock {
    alarm::LocalTime Now() const override { return now; }
    void Set(int h, int m, int s, int day = 30) { now = {2024, 3, day, {h, m, s}}; }
    // The eve of the change to summer time in Europe.
    alarm::LocalTime now{2024, 3, 30, {12, 0, 0}};
};

struct ShownBox {
    HWND owner;
    std::wstring text, title;
    unsigned style;
    bool operator==(const ShownBox&) const = default;
    friend void PrintTo(const ShownBox& b, std::ostream* out) {
        *out << win32::ToAnsi(b.title) << ": " << win32::ToAnsi(b.text) << " (" << b.style << ")";
    }
};

struct FakeMessageBoxes final : win32::MessageBoxes {
    int Show(HWND owner, std::wstring_view text, std::wstring_view title, unsigned style) override {
        shown.push_back({owner, std::wstring(text), std::wstring(title), style});
        if (onShow) {
            onShow(shown.back());
        }
        const int yes = (style & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
        const int answer = answers.empty() ? yes : answers.front();
        answers.erase(answers.begin(), answers.begin() + !answers.empty());
        return answer;
    }
    std::vector<ShownBox> shown;
    std::deque<int> answers; // in turn; when none is left: Yes to a question, OK otherwise
    std::function<void(const ShownBox&)> onShow; // while each box is open
};

struct ShellCall {
    std::uint32_t message;
    tray::NotifyRecordBytes record;
    std::uint32_t Field(std::size_t offset) const {
        std::uint32_t v = 0;
        std::memcpy(&v, record.data() + offset, sizeof v);
        return v;
    }
    std::string Text(std::size_t offset, std::size_t size) const {
        const char* begin = reinterpret_cast<const char*>(record.data() + offset);
        return std::string(begin, strnlen(begin, size));
    }
    std::string Tip() const { return Text(24, 128); }
    std::string Info() const { return Text(160, 256); }
    std::string InfoTitle() const { return Text(420, 64); }
    std::uint32_t InfoFlags() const { return Field(484); }
    std::uint32_t Flags() const { return Field(12); }
};

struct FakeShell final : tray::TrayShell {
    bool NotifyIcon(std::uint32_t message, const tray::NotifyRecordBytes& record) override {
        calls.push_back({message, record});
        if (onNotify) {
            onNotify(calls.back());
        }
        return !accepts || accepts(calls.back());
    }
    std::int32_t SetForegroundWindow(std::uint32_t windowHandle) override {
        foregrounds.emplace_back(windowHandle, calls.size());
        return 1;
    }
    float TwipsPerPixelX() const override { return 15.0f; }
    // The balloons shown (non-empty NIM_MODIFY with NIF_INFO), in order.
    std::vector<const ShellCall*> Balloons() const {
        std::vector<const ShellCall*> balloons;
        for (const auto& c : calls) {
            if (c.message == tray::NIM_MODIFY_ && (c.Flags() & 0x10) && !c.Info().empty()) {
                balloons.push_back(&c);
            }
        }
        return balloons;
    }

    std::vector<ShellCall> calls;
    std::function<void(const ShellCall&)> onNotify;
    std::function<bool(const ShellCall&)> accepts;                  // none: every call is accepted
    std::vector<std::pair<std::uint32_t, std::size_t>> foregrounds; // window, shell calls before
};

struct SoundCall {
    std::optional<std::wstring> name; // nullopt: no name (a stop)
    std::uintptr_t module;
    std::uint32_t flags;
    bool operator==(const SoundCall&) const = default;
    friend void PrintTo(const SoundCall& c, std::ostream* out) {
        *out << win32::ToAnsi(c.name.value_or(L"(no name)")) << " (flags " << c.flags << ")";
    }
};

struct FakeSound final : win32::SoundSystem {
    bool PlaySoundW(const wchar_t* name, std::uintptr_t module, std::uint32_t flags) override {
        // SND_NOSTOP starts nothing while the last sound loops.
        if (flags & SND_NOSTOP && !std::exchange(loopEnded, false)) {
            return false;
        }
        calls.push_back({name ? std::optional<std::wstring>(name) : std::nullopt, module, flags});
        return !accepts || accepts(calls.back());
    }
    std::uint32_t waveOutGetNumDevs() override {
        if (onCount) {
            onCount(); // to look at the program when the devices are counted
        }
        return waveDevices;
    }

    std::vector<SoundCall> calls;
    std::function<bool(const SoundCall&)> accepts; // none: every call is accepted
    std::function<void()> onCount;
    std::uint32_t waveDevices = 1;
    bool loopEnded = false; // the last sound no longer plays, unnoticed
};

struct FakeKeyboard final : win32::Keyboard {
    void SendTab() override {
        ++tabs;
        if (HWND focus = GetFocus()) {
            PostMessageW(focus, WM_KEYDOWN, VK_TAB, 0x000F0001);
            PostMessageW(focus, WM_KEYUP, VK_TAB, 0xC00F0001);
        }
    }
    int tabs = 0;
};

struct TempProgramFolder final : win32::ProgramFolder {
    TempProgramFolder() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("acordina-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(++counter));
        local_ = path_.native() + L"-local";
        std::filesystem::create_directories(path_);
        std::filesystem::create_directories(local_);
    }
    ~TempProgramFolder() override {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
        std::filesystem::remove_all(local_, ignored);
    }
    std::wstring Path() const override { return path_.wstring(); }
    bool Writable() const override { return writable; }
    std::wstring LocalAppData() const override { return local_.wstring(); }
    void Write(const std::wstring& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    std::optional<std::string> Read(const std::wstring& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return in ? std::optional(std::string(std::istreambuf_iterator<char>(in), {}))
                  : std::nullopt;
    }
    std::filesystem::path path_, local_; // local_: the user's own folder
    bool writable = true;
};

struct FakeProcess final : win32::Process {
    void ExitNow() override {
        ++exits;
        if (onExit) {
            onExit();
        }
    }
    int exits = 0;
    std::function<void()> onExit;
};

// The primary monitor's work area for every window, unless a test gives another.
struct FakeMonitors final : win32::Monitors {
    RECT WorkArea(HWND) const override { return workArea; }
    RECT workArea = [] {
        RECT rc{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &rc, 0);
        return rc;
    }();
};

struct FakePower final : win32::Power {
    alarm::WakeTimerAnswer SetWakeTimer(std::int64_t utcFileTime) override {
        SYSTEMTIME t{};
        FileTimeToSystemTime(reinterpret_cast<const FILETIME*>(&utcFileTime), &t);
        Log("timer %04u-%02u-%02u %02u:%02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
            t.wSecond);
        return answer;
    }
    void CancelWakeTimer() override { calls.emplace_back("cancel"); }
    void SetThreadExecutionState(std::uint32_t flags) override { Log("state %08X", flags); }
    bool OnBattery() override { return onBattery; }
    std::optional<std::uint32_t> AllowWakeTimers(bool dc) override { return dc ? onDc : onAc; }
    template <typename... Numbers> void Log(const char* format, Numbers... numbers) {
        char text[40];
        std::snprintf(text, sizeof text, format, static_cast<unsigned>(numbers)...);
        calls.emplace_back(text);
    }
    std::vector<std::string> calls;
    alarm::WakeTimerAnswer answer;
    bool onBattery = false;
    std::optional<std::uint32_t> onAc = 1, onDc = 1; // wake timers allowed
};

// The same rules for every year; at first three hours behind UTC, no summer time.
struct FakeTimeZone final : win32::TimeZone {
    TIME_ZONE_INFORMATION ForYear(std::uint16_t) override { return rules; }
    TIME_ZONE_INFORMATION rules{180, {}, {}, 0, {}, {}, 0};
};

struct FakeComeback final : win32::Comeback {
    win32::WriteResult Log(std::wstring call) {
        const bool ok = failing.empty() || !call.starts_with(failing);
        calls.push_back(std::move(call));
        return {ok, ok ? L"" : L"Acesso negado."};
    }
    win32::WriteResult WriteRecord(const std::wstring& path, std::string_view bytes) override {
        record = std::string(bytes);
        recordPath = path;
        return Log(L"record");
    }
    std::optional<std::string> ReadRecord(const std::wstring& path) override {
        return path == recordPath ? record : std::nullopt;
    }
    win32::WriteResult RemoveRecord(const std::wstring&) override {
        record.reset();
        return Log(L"remove record");
    }
    win32::WriteResult SetRunCommand(const std::wstring& c) override { return Log(L"run " + c); }
    win32::WriteResult RemoveRunCommand() override { return Log(L"remove run"); }
    win32::WriteResult RegisterRestart(const std::wstring& args) override {
        return Log(L"restart " + args);
    }
    std::wstring ExecutablePath() const override { return L"C:\\Prog\\Acordina.exe"; }
    bool StartCopy(const std::wstring& args) override { return Log(L"copy " + args).ok; }
    void ExitFailed() override { Log(L"exit failed"); }

    std::optional<std::string> record;
    std::wstring recordPath; // where it was written
    std::vector<std::wstring> calls;
    std::wstring failing; // calls that begin so fail
};

struct FakeSingleInstance final : win32::SingleInstance {
    const wchar_t* Name() const override { return name.c_str(); }
    Claim Take() override { return calls.emplace_back(L"take"), claim; }
    void Release() override { calls.emplace_back(L"release"); }
    void WakeFirst(const wchar_t* windowClass, const wchar_t* message) override {
        calls.push_back(L"wake " + std::wstring(windowClass) + L" " + message);
    }
    std::vector<std::wstring> calls;
    Claim claim = Claim::First;
    // Of this bundle only: its background window's title.
    std::wstring name = L"Local\\Acordina-" + std::to_wstring(std::uintptr_t(this));
};

struct FakeAccessibility final : win32::Accessibility {
    void SetName(HWND c, const wchar_t* s) override { last[{c, "name"}] = s; }
    void SetValue(HWND c, const wchar_t* s) override { last[{c, "value"}] = s; }
    void SetRole(HWND c, long role) override { last[{c, "role"}] = std::to_wstring(role); }
    std::map<std::pair<HWND, std::string>, std::wstring> last;
};

struct FakeAudio final : win32::AudioOutput {
    std::optional<bool> Silent() override { return silent; }
    void Watch(HWND window, UINT message) override { watching = {window, message}; }
    void Unwatch() override { watching = {}; }
    std::optional<float> Peak() override { return peak; }
    std::optional<bool> silent = false;
    std::pair<HWND, UINT> watching{};
    std::optional<float> peak;
};

struct FakeNotifications final : win32::Notifications {
    int State() override { return state; }
    void Watch(HWND w) override { watched.push_back(w); }
    void Unwatch(HWND w) override { std::erase(watched, w); }
    int state = 5; // QUNS_ACCEPTS_NOTIFICATIONS
    std::vector<HWND> watched;
};

// Real timers, but refused for the windows of the class a test names.
struct FakeTimers final : win32::Timers {
    bool Start(HWND w, UINT_PTR id, UINT ms) override {
        wchar_t name[64]{};
        GetClassNameW(w, name, 64);
        SetLastError(ERROR_NO_SYSTEM_RESOURCES);
        return refusedClass != name && SetTimer(w, id, ms, nullptr);
    }
    std::wstring refusedClass;
};

struct FakeServices {
    FakeClock clock;
    FakeMessageBoxes messageBoxes;
    FakeShell shell;
    FakeSound sound;
    shutdown::RecordingShutdownApi shutdown;
    FakeKeyboard keyboard;
    TempProgramFolder folder;
    FakeProcess process;
    FakeMonitors monitors;
    win32::WindowsCodePage codePage{1252};
    FakePower power;
    FakeTimeZone timeZone;
    FakeComeback comeback;
    FakeAccessibility accessibility;
    FakeAudio audio;
    FakeNotifications notifications;
    FakeTimers timers;
    FakeSingleInstance instance;
    win32::Services services{clock,    messageBoxes,  shell,    sound,         shutdown, keyboard,
                             folder,   process,       monitors, codePage,      power,    timeZone,
                             comeback, accessibility, audio,    notifications, timers,   instance};
};

} // namespace acordina::testing
