#pragma once
// Everything the windows ask of the outside world, in one bundle: main.cpp
// fills it with the real services, a test with fakes.

#include "alarm/WakeTimerAnswer.h"
#include "platform/DurableFile.h"
#include "ui/Monitors.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Named here only by reference: the windows that call them include their headers.
namespace acordina::alarm {
class Clock;
}
namespace acordina::shutdown {
class ShutdownApi;
}
namespace acordina::text {
class CodePage;
}
namespace acordina::tray {
class TrayShell;
}

namespace acordina::win32 {

// MessageBoxW: the MB_ styles in, the ID answer out.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual int Show(HWND owner, std::wstring_view text, std::wstring_view title,
                     unsigned style) = 0;
};

// PlaySoundW and the count of winmm's wave outputs.
class SoundSystem {
public:
    virtual ~SoundSystem() = default;
    // name == nullptr asks for no sound (used with SND_PURGE).
    virtual bool PlaySoundW(const wchar_t* name, std::uintptr_t module, std::uint32_t flags) = 0;
    virtual std::uint32_t waveOutGetNumDevs() = 0;
};

class Keyboard {
public:
    virtual ~Keyboard() = default;
    // One Tab key press into the active window's input, not waited for.
    virtual void SendTab() = 0;
};

class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    // The folder of the executable: no trailing backslash except at a drive's root.
    virtual std::wstring Path() const = 0;
    // A file can be made there: one is created and deleted again.
    virtual bool Writable() const = 0;
    // The user's own folder for local program data (%LOCALAPPDATA%); empty when not known.
    virtual std::wstring LocalAppData() const = 0;
};

class Process {
public:
    virtual ~Process() = default;
    // Ends the program at once; the real one does not return.
    virtual void ExitNow() = 0;
};

// The program's one waitable timer, which wakes a sleeping computer for the alarm, the request
// to keep the computer awake, and the power plan's word on wake timers.
class Power {
public:
    virtual ~Power() = default;
    // Due at an absolute UTC instant in FILETIME units, resuming the computer.
    virtual alarm::WakeTimerAnswer SetWakeTimer(std::int64_t utcFileTime) = 0;
    virtual void CancelWakeTimer() = 0;
    virtual void SetThreadExecutionState(std::uint32_t flags) = 0;
    // Running on battery now.
    virtual bool OnBattery() = 0;
    // The active plan's "Allow wake timers" on battery or on mains; nullopt when unread.
    virtual std::optional<std::uint32_t> AllowWakeTimers(bool onBattery) = 0;
};

class TimeZone {
public:
    virtual ~TimeZone() = default;
    // The local time zone's rules in force in a year, daylight saving included.
    virtual TIME_ZONE_INFORMATION ForYear(std::uint16_t year) = 0;
};

// What lets an armed alarm outlive the program (AlarmComeback decides when): its record beside
// Config.inf, the value that starts the program when the user logs on, the registration that
// restarts it after an update, and a new copy of the program in place of a failed one.
class Comeback {
public:
    virtual ~Comeback() = default;
    virtual WriteResult WriteRecord(const std::wstring& path, std::string_view bytes) = 0;
    // nullopt when there is none.
    virtual std::optional<std::string> ReadRecord(const std::wstring& path) = 0;
    // A record already gone counts as removed.
    virtual WriteResult RemoveRecord(const std::wstring& path) = 0;
    // The value "Acordina" under HKCU\Software\Microsoft\Windows\CurrentVersion\Run.
    virtual WriteResult SetRunCommand(const std::wstring& command) = 0;
    virtual WriteResult RemoveRunCommand() = 0;
    // RegisterApplicationRestart with these arguments; empty takes the registration back.
    virtual WriteResult RegisterRestart(const std::wstring& arguments) = 0;
    virtual std::wstring ExecutablePath() const = 0;
    // A new process of this program with these arguments.
    virtual bool StartCopy(const std::wstring& arguments) = 0;
    // Ends the program at once with a non-zero exit code; the real one does not return.
    virtual void ExitFailed() = 0;
};

// One copy of the program per user session: a named mutex held by the first copy, whose
// background window bears the same name as its title, so that a later start can reach it.
class SingleInstance {
public:
    enum class Claim { First, Second, Unknown };
    virtual const wchar_t* Name() const = 0;
    // Takes the mutex until Release; Unknown when it could not be made.
    virtual Claim Take() = 0;
    virtual void Release() = 0;
    // Posts the registered message to the first copy's window of that class, letting it take the
    // foreground; waits for the window a few seconds at most, answering messages meanwhile.
    virtual void WakeFirst(const wchar_t* windowClass, const wchar_t* message) = 0;

protected:
    // Never deleted through the interface: no destructor in the executable's tables.
    ~SingleInstance() = default;
};

// What screen readers are told of a control beyond what it says of itself: its name, its role
// and its value (the dynamic annotation of IAccPropServices).
class Accessibility {
public:
    virtual ~Accessibility() = default;
    // Each also tells the screen reader that the name or value changed.
    virtual void SetName(HWND control, const wchar_t* name) = 0;
    virtual void SetValue(HWND control, const wchar_t* value) = 0;
    // An MSAA role (ROLE_SYSTEM_...).
    virtual void SetRole(HWND control, long role) = 0;
};

// The default sound output: its volume as the user set it, its changes and its meter.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Muted or at volume 0; nullopt where the system cannot tell.
    virtual std::optional<bool> Silent() = 0;
    // Until Unwatch, `message` is posted to `window` when the default output becomes another
    // (wParam 1) or an output comes, goes or there is no default any more (wParam 0). Nothing
    // where the system cannot tell.
    virtual void Watch(HWND window, UINT message) = 0;
    virtual void Unwatch() = 0;
    // While watched: the default output's loudest sample of the moment, from 0 to 1; nullopt
    // where it has no meter.
    virtual std::optional<float> Peak() = 0;
};

// Whether a balloon reaches the user now, and word of the unlocking that may change it.
class Notifications {
public:
    virtual ~Notifications() = default;
    // SHQueryUserNotificationState's answer (QUNS_...); accepting where it cannot tell.
    virtual int State() = 0;
    // WM_WTSSESSION_CHANGE to this window from now on, until Unwatch.
    virtual void Watch(HWND window) = 0;
    virtual void Unwatch(HWND window) = 0;
};

// SetTimer for the alarm's timers, which the program cannot run without.
class Timers {
public:
    virtual ~Timers() = default;
    // False, with the reason in GetLastError, when Windows refused.
    virtual bool Start(HWND window, UINT_PTR id, UINT milliseconds) = 0;
};

struct Services {
    alarm::Clock& clock;
    MessageBoxes& messageBoxes;
    tray::TrayShell& shell;
    SoundSystem& sound;
    shutdown::ShutdownApi& shutdown;
    Keyboard& keyboard;
    ProgramFolder& programFolder;
    Process& process;
    Monitors& monitors;
    // The system's ANSI code page, the one Config.inf is kept in.
    const text::CodePage& ansiCodePage;
    Power& power;
    TimeZone& timeZone;
    Comeback& comeback;
    Accessibility& accessibility;
    AudioOutput& audio;
    Notifications& notifications;
    Timers& timers;
    SingleInstance& singleInstance;
};

// A timer the program cannot run without: Windows' refusal goes to the failure handler.
void StartRequiredTimer(Timers& timers, HWND window, UINT_PTR id, UINT milliseconds);

} // namespace acordina::win32
