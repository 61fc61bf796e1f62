#pragma once
// The real services the program runs with.

#include "win32/Handles.h"
#include "win32/Services.h"
#include "win32/SystemLibrary.h"

#include <memory>

namespace acordina::win32 {

class LocalClock final : public alarm::Clock {
public:
    alarm::LocalTime Now() const override;
};

class SystemMessageBoxes final : public MessageBoxes {
public:
    int Show(HWND owner, std::wstring_view text, std::wstring_view title, unsigned style) override;
};

class SystemTrayShell final : public tray::TrayShell {
public:
    bool NotifyIcon(std::uint32_t message, const tray::NotifyRecordBytes& record) override;
    std::int32_t SetForegroundWindow(std::uint32_t windowHandle) override;
    float TwipsPerPixelX() const override;

private:
    SystemLibrary shell32_{L"shell32.dll"};
};

class WinmmSound final : public SoundSystem {
public:
    bool PlaySoundW(const wchar_t* name, std::uintptr_t module, std::uint32_t flags) override;
    std::uint32_t waveOutGetNumDevs() override;
    std::uint32_t midiOutGetNumDevs() override;

private:
    SystemLibrary winmm_{L"winmm.dll"};
};

class SendInputKeyboard final : public Keyboard {
public:
    void SendTab() override;
};

class ExecutableFolder final : public ProgramFolder {
public:
    std::wstring Path() const override;
    bool Writable() const override;
    std::wstring LocalAppData() const override;
};

class ExitProcessNow final : public Process {
public:
    void ExitNow() override;
};

class SystemMonitors final : public Monitors {
public:
    RECT WorkArea(HWND window) const override;
};

class SystemPower final : public Power {
public:
    alarm::WakeTimerAnswer SetWakeTimer(std::int64_t utcFileTime) override;
    void CancelWakeTimer() override;
    void SetThreadExecutionState(std::uint32_t flags) override;
    bool OnBattery() override;
    std::optional<std::uint32_t> AllowWakeTimers(bool onBattery) override;

private:
    UniqueHandle timer_;
    SystemLibrary powrprof_{L"powrprof.dll"};
};

class SystemTimeZone final : public TimeZone {
public:
    TIME_ZONE_INFORMATION ForYear(std::uint16_t year) override;
};

// The full path of the program's executable.
std::wstring ExecutableFile();

// Core Audio, reached through ole32 loaded at its first use.
class CoreAudioOutput final : public AudioOutput {
public:
    CoreAudioOutput();
    ~CoreAudioOutput() override;
    std::optional<bool> Silent() override;
    void Watch(HWND window, UINT message) override;
    void Unwatch() override;
    std::optional<float> Peak() override;

private:
    struct Watching;
    SystemLibrary ole32_{L"ole32.dll"};
    std::unique_ptr<Watching> watching_;
};

// From libraries loaded at their first use: the state is Vista's, and wtsapi32 is not
// among the libraries the program starts with.
class ShellNotifications final : public Notifications {
public:
    int State() override;
    void Watch(HWND window) override;
    void Unwatch(HWND window) override;

private:
    SystemLibrary shell32_{L"shell32.dll"};
    SystemLibrary wtsapi32_{L"wtsapi32.dll"};
};

class WindowTimers final : public Timers {
public:
    bool Start(HWND window, UINT_PTR id, UINT milliseconds) override;
};

// "C:\Prog\Acordina.exe" -> "C:\Prog"; "C:\Acordina.exe" -> "C:\".
std::wstring FolderOfFile(std::wstring_view file);

} // namespace acordina::win32
