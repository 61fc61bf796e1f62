#pragma once
// Everything the windows ask of the outside world, in one bundle: main.cpp
// fills it with the real services, a test with fakes.

#include "alarm/AlarmCheck.h"
#include "shutdown/clsExitWindows.h"
#include "text/CodePage.h"
#include "tray/cTrayBalloon.h"

#include <windows.h>

#include <cstdint>
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

// PlaySoundA and the device counts of winmm.
class SoundSystem {
public:
    virtual ~SoundSystem() = default;
    // name == nullptr asks for no sound (used with SND_PURGE).
    virtual bool PlaySoundA(const char* name, std::uintptr_t module, std::uint32_t flags) = 0;
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
    Accessibility& accessibility;
};

// Text for the ANSI services (notification record, PlaySoundA): the system's code page.
std::string ToAnsi(std::wstring_view text);

} // namespace acordina::win32
