#pragma once
// Recording stand-ins for every service the windows use, so window tests run
// real windows without real sounds, message boxes, shutdowns or clocks.

#include "RecordingShutdownApi.h"
#include "win32/Services.h"
#include "win32/WindowsCodePage.h"

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace acordina::testing {

class FakeClock final : public alarm::Clock {
public:
    alarm::LocalTime Now() const override { return now; }
    void Set(int h, int m, int s, int day = 30) { now = {2024, 3, day, {h, m, s}}; }
    // The eve of the change to summer time in Europe.
    alarm::LocalTime now{2024, 3, 30, {12, 0, 0}};
};

struct ShownBox {
    HWND owner;
    std::wstring text;
    std::wstring title;
    unsigned style;
    bool operator==(const ShownBox&) const = default;
};
void PrintTo(const ShownBox& box, std::ostream* out);

class FakeMessageBoxes final : public win32::MessageBoxes {
public:
    int Show(HWND owner, std::wstring_view text, std::wstring_view title, unsigned style) override;
    std::vector<ShownBox> shown;
    // Answers given in turn; when empty: Yes for a question, OK otherwise.
    std::deque<int> answers;
    // Runs while each box is open, to look at the program at that moment.
    std::function<void(const ShownBox&)> onShow;
};

struct ShellCall {
    std::uint32_t message;
    tray::NotifyRecordBytes record;

    std::uint32_t Field(std::size_t offset) const;
    // A text field up to its NUL, as the ANSI bytes the shell got.
    std::string Text(std::size_t offset, std::size_t size) const;
    std::string Tip() const { return Text(24, 128); }
    std::string Info() const { return Text(160, 256); }
    std::string InfoTitle() const { return Text(420, 64); }
    std::uint32_t InfoFlags() const { return Field(484); }
    std::uint32_t Flags() const { return Field(12); }
};

class FakeShell final : public tray::TrayShell {
public:
    bool NotifyIcon(std::uint32_t message, const tray::NotifyRecordBytes& record) override;
    std::int32_t SetForegroundWindow(std::uint32_t windowHandle) override;
    float TwipsPerPixelX() const override { return 15.0f; }

    std::vector<ShellCall> calls;
    // Runs at each call, to look at the program at that moment.
    std::function<void(const ShellCall&)> onNotify;
    std::vector<std::uint32_t> foregrounds;
    // For each foreground request, how many shell calls had been made before it.
    std::vector<std::size_t> foregroundAfterCalls;
    // The balloons shown (non-empty NIM_MODIFY with NIF_INFO), in order.
    std::vector<const ShellCall*> Balloons() const;
};

struct SoundCall {
    std::optional<std::string> name; // nullopt: no name (a stop)
    std::uintptr_t module;
    std::uint32_t flags;
    bool operator==(const SoundCall&) const = default;
};
void PrintTo(const SoundCall& call, std::ostream* out);

class FakeSound final : public win32::SoundSystem {
public:
    bool PlaySoundA(const char* name, std::uintptr_t module, std::uint32_t flags) override;
    std::uint32_t waveOutGetNumDevs() override {
        if (onCount) {
            onCount();
        }
        return waveDevices;
    }
    std::uint32_t midiOutGetNumDevs() override { return midiDevices; }

    std::vector<SoundCall> calls;
    // Runs at each call, to look at the program at that moment.
    std::function<void(const SoundCall&)> onPlay;
    // Runs when the wave devices are counted.
    std::function<void()> onCount;
    std::uint32_t waveDevices = 1;
    std::uint32_t midiDevices = 1;
    bool accept = true;
};

// Posts a Tab key press to the focused window, as the real keystroke would arrive.
class FakeKeyboard final : public win32::Keyboard {
public:
    void SendTab() override;
    int tabs = 0;
};

// A fresh folder of its own under the temporary folder, removed afterwards.
class TempProgramFolder final : public win32::ProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder() override;
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;
    std::wstring Path() const override { return path_; }

    // Writes a file into the folder.
    void Write(const std::wstring& name, const std::string& bytes) const;
    std::optional<std::string> Read(const std::wstring& name) const;

private:
    std::wstring path_;
};

class FakeProcess final : public win32::Process {
public:
    void ExitNow() override {
        ++exits;
        if (onExit) {
            onExit();
        }
    }
    int exits = 0;
    // Runs at each exit, to look at the program as it ends.
    std::function<void()> onExit;
};

class FakeMonitors final : public win32::Monitors {
public:
    RECT WorkArea(HWND) const override { return workArea; }
    // Large enough that no window moves unless a test makes it smaller.
    RECT workArea{0, 0, 0x7FFF, 0x7FFF};
};

// Records the wake timer ("timer" and its UTC instant, "cancel") and the execution states asked.
class FakePower final : public win32::Power {
public:
    void SetWakeTimer(std::int64_t utcFileTime) override;
    void CancelWakeTimer() override { calls.emplace_back("cancel"); }
    void SetThreadExecutionState(std::uint32_t flags) override;
    std::vector<std::string> calls;
};

// The same rules for every year; at first three hours behind UTC, no summer time.
class FakeTimeZone final : public win32::TimeZone {
public:
    TIME_ZONE_INFORMATION ForYear(std::uint16_t) override { return rules; }
    TIME_ZONE_INFORMATION rules{180, {}, {}, 0, {}, {}, 0};
};

// Every fake together, and the bundle the program takes.
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
    // The same on every machine unless a test sets another.
    win32::WindowsCodePage codePage{1252};
    FakePower power;
    FakeTimeZone timeZone;
    win32::Services services{clock,  messageBoxes, shell,    sound,    shutdown, keyboard,
                             folder, process,      monitors, codePage, power,    timeZone};
};

} // namespace acordina::testing
