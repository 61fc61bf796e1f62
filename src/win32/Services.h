#pragma once
// Everything the windows ask of the outside world, in one bundle: main.cpp
// fills it with the real services, a test with fakes.

#include "alarm/AlarmCheck.h"
#include "shutdown/clsExitWindows.h"
#include "text/CodePage.h"
#include "tray/cTrayBalloon.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace acordina::win32 {

// MessageBoxW: the MB_ styles in, the ID answer out.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual int Show(HWND owner, std::wstring_view text, std::wstring_view title,
                     unsigned style) = 0;
};

// PlaySoundW and the device counts of winmm.
class SoundSystem {
public:
    virtual ~SoundSystem() = default;
    // name == nullptr asks for no sound (used with SND_PURGE).
    virtual bool PlaySoundW(const wchar_t* name, std::uintptr_t module, std::uint32_t flags) = 0;
    virtual std::uint32_t waveOutGetNumDevs() = 0;
    virtual std::uint32_t midiOutGetNumDevs() = 0;
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
};

class Process {
public:
    virtual ~Process() = default;
    // Ends the program at once; the real one does not return.
    virtual void ExitNow() = 0;
};

class Monitors {
public:
    virtual ~Monitors() = default;
    // The work area (the screen without the task bar) of the monitor the window is on.
    virtual RECT WorkArea(HWND window) const = 0;
};

// The program's one waitable timer, which wakes a sleeping computer for the alarm, and the
// request to keep the computer awake.
class Power {
public:
    virtual ~Power() = default;
    // Due at an absolute UTC instant in FILETIME units, resuming the computer.
    virtual void SetWakeTimer(std::int64_t utcFileTime) = 0;
    virtual void CancelWakeTimer() = 0;
    virtual void SetThreadExecutionState(std::uint32_t flags) = 0;
};

class TimeZone {
public:
    virtual ~TimeZone() = default;
    // The local time zone's rules in force in a year, daylight saving included.
    virtual TIME_ZONE_INFORMATION ForYear(std::uint16_t year) = 0;
};

// The volume of the default sound output, as the user set it.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Muted or at volume 0; nullopt where the system cannot tell.
    virtual std::optional<bool> Silent() = 0;
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
    AudioOutput& audio;
};

// Text for the ANSI services (the notification record): the system's code page.
std::string ToAnsi(std::wstring_view text);

} // namespace acordina::win32
