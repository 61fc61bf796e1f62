// The background window at start-up: its shape, the icon and the welcome balloon byte for
// byte, the sound hardware check, the hidden-program hint and the shutdown button.
#include "ProgramFixture.h"
#include "win32/Twips.h"

#include <gmock/gmock.h>

#include <shellapi.h>

#include <cstddef>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace acordina::testing {
namespace {

// The expected records are laid out on the platform's own structure, not on the tray code's.
static_assert(offsetof(NOTIFYICONDATAA, szTip) == 24);
static_assert(offsetof(NOTIFYICONDATAA, szInfo) == 160);
static_assert(offsetof(NOTIFYICONDATAA, szInfoTitle) == 420);
static_assert(offsetof(NOTIFYICONDATAA, dwInfoFlags) == 484);

// What one shell call should carry, besides the icon's own window, id, message and icon.
struct Expected {
    DWORD message;
    UINT flags;
    std::wstring tip, info, title;
    DWORD infoFlags;
};

class StartupTest : public ProgramFixture {
protected:
    HWND Bg() { return Background().hwnd(); }
    HICON BgIcon() {
        return reinterpret_cast<HICON>(SendMessageW(Bg(), WM_GETICON, ICON_SMALL, 0));
    }

    // Compares the shell calls from `first` on with the expected ones; the exact bytes of each
    // operation are the tray tests' business.
    void ExpectCalls(std::size_t first, const std::vector<Expected>& expected) {
        const auto& calls = fakes.shell.calls;
        ASSERT_EQ(calls.size() - first, expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE("shell call " + std::to_string(first + i));
            const ShellCall& call = calls[first + i];
            const Expected& e = expected[i];
            EXPECT_EQ(call.message, e.message);
            EXPECT_EQ(call.Field(0), 488u); // the shell-version-5.0 size
            EXPECT_EQ(call.Field(offsetof(NOTIFYICONDATAA, hWnd)),
                      reinterpret_cast<UINT_PTR>(Bg()));
            EXPECT_EQ(call.Field(offsetof(NOTIFYICONDATAA, uID)), 1u);
            EXPECT_EQ(call.Flags(), e.flags);
            EXPECT_EQ(call.Field(offsetof(NOTIFYICONDATAA, uCallbackMessage)), UINT{WM_MOUSEMOVE});
            EXPECT_EQ(call.Field(offsetof(NOTIFYICONDATAA, hIcon)),
                      reinterpret_cast<UINT_PTR>(BgIcon()));
            EXPECT_EQ(call.Tip(), win32::ToAnsi(e.tip));
            EXPECT_EQ(call.Info(), win32::ToAnsi(e.info));
            EXPECT_EQ(call.InfoTitle(), win32::ToAnsi(e.title));
            EXPECT_EQ(call.InfoFlags(), e.infoFlags);
        }
    }
};

const Expected kAdd{NIM_ADD, 7, L"Acordina", L"", L"", 0};
const Expected kClearAtStart{NIM_MODIFY, 0x13, L"Acordina", L"", L"", 0};
const Expected kWelcome{NIM_MODIFY,         0x13, L"Acordina", L"O sistema está ativo !",
                        L"TAVU - Acordina", 2};

BOOL CALLBACK AddPending(HWND child, LPARAM pending) {
    *reinterpret_cast<bool*>(pending) |=
        IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE);
    return TRUE;
}

// On screen, and nothing of it waits to be painted.
bool Drawn(HWND window) {
    bool pending = !IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE);
    EnumChildWindows(window, AddPending, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

TEST_F(StartupTest, DrawsTheMainWindowThenAddsTheIconAndBalloonThenMakesThePanelThenCountsDevices) {
    // The tray, the settings panel with Config.inf and the sound devices all wait for the first
    // drawn window.
    int early = 0;
    const auto drawn = [this] { return Drawn(Main().hwnd()); };
    fakes.shell.onNotify = [&](const ShellCall&) {
        early += !drawn() || Main().cboSom.hwnd() != nullptr;
    };
    fakes.sound.onCount = [&] { early += !drawn(); };
    Start();
    fakes.shell.onNotify = nullptr;
    fakes.sound.onCount = nullptr;
    EXPECT_EQ(early, 0);
    EXPECT_EQ(Main().cboSom.ListCount(), 1) << "filled in the end: \"...Ajuda\"";
    ASSERT_NE(BgIcon(), nullptr);
    ExpectCalls(0, {kAdd, kClearAtStart, kWelcome});
    EXPECT_TRUE(fakes.shell.foregrounds.empty());
    EXPECT_TRUE(IsWindowVisible(Main().hwnd()));
    EXPECT_FALSE(IsIconic(Main().hwnd()));
    EXPECT_EQ(GetForegroundWindow(), Main().hwnd());
    EXPECT_EQ(Boxes(), 0u);
}

TEST_F(StartupTest, TheWindowHasNoCaptionBorderTaskBarButtonOrSizeAndCommand3LiesBeyondIt) {
    ASSERT_EQ(win32::Dpi::Screen().x, 96) << "the expected pixels are for 96 dpi";
    Start();
    EXPECT_EQ(GetWindowTextLengthW(Bg()), 0);
    EXPECT_EQ(GetWindowLongW(Bg(), GWL_STYLE) &
                  (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU |
                   WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              0);
    const LONG exStyle = GetWindowLongW(Bg(), GWL_EXSTYLE);
    EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0);
    EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(GetMenu(Bg()), nullptr) << "mnuFile is never a menu bar";
    RECT rc;
    GetWindowRect(Bg(), &rc);
    EXPECT_LE(rc.right - rc.left, 1);
    EXPECT_LE(rc.bottom - rc.top, 1);

    const HWND button = Background().Command3.hwnd();
    ASSERT_TRUE(IsWindow(button));
    EXPECT_EQ(GetParent(button), Bg());
    EXPECT_EQ(Background().Command3.Text(), L"Command3");
    GetWindowRect(button, &rc);
    MapWindowPoints(nullptr, Bg(), reinterpret_cast<POINT*>(&rc), 2);
    // 5760, 240, 615 x 495 twips; the designed client area is 4800 twips (320 px) wide.
    EXPECT_EQ(rc.left, 384);
    EXPECT_EQ(rc.top, 16);
    EXPECT_EQ(rc.right - rc.left, 41);
    EXPECT_EQ(rc.bottom - rc.top, 33);
}

TEST_F(StartupTest, Command3AsksForTheSameShutdownAsDesligarWindows) {
    Start();
    // Command3 and DesligarWindows make one and the same forced shutdown request.
    for (const bool button : {true, false}) {
        SCOPED_TRACE(button ? "Command3 clicked" : "DesligarWindows");
        fakes.shutdown.calls.clear();
        if (button) {
            SendMessageW(Background().Command3.hwnd(), BM_CLICK, 0, 0);
        } else {
            Background().DesligarWindows();
        }
        Pump();
        // The privilege step with its arguments is the shutdown tests' business.
        ASSERT_EQ(fakes.shutdown.calls.size(), 6u);
        EXPECT_EQ(fakes.shutdown.calls[0], "GetCurrentProcess");
        EXPECT_EQ(fakes.shutdown.calls[5], "ExitWindowsEx(flags=5, reason=ffffffff)");
        EXPECT_EQ(fakes.process.exits, 0);
    }
}

// Whichever way the main window hides, the hint replaces the tooltip and the balloon tells
// how to come back before the window goes; nothing sets the short tooltip back.
const Expected kClearAfterHint{NIM_MODIFY, 0x13, kHiddenHint, L"", L"", 0};
const Expected kHiddenNotice{NIM_MODIFY, 0x13, kHiddenHint, kHiddenBalloon, L"Aviso", 1};

TEST_F(StartupTest, HidingShowsTheBalloonFirstAndTheHintForTheRestOfTheRun) {
    Start();
    bool visibleAtBalloon = false;
    fakes.shell.onNotify = [&](const ShellCall& call) {
        if (call.Info() == win32::ToAnsi(kHiddenBalloon)) {
            visibleAtBalloon = IsWindowVisible(Main().hwnd()) != FALSE;
        }
    };
    const struct {
        const char* name;
        bool arm; // else minimise
    } ways[] = {{"minimised", false}, {"armed", true}, {"minimised while armed", false}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        const bool armed = M().blnLigado || way.arm;
        const std::size_t before = fakes.shell.calls.size();
        visibleAtBalloon = false;
        if (way.arm) {
            Click(Main().lblStatus);
        } else {
            ShowWindow(Main().hwnd(), SW_MINIMIZE);
            Pump();
        }
        EXPECT_TRUE(visibleAtBalloon);
        ASSERT_FALSE(IsWindowVisible(Main().hwnd()));
        EXPECT_EQ(M().blnLigado, armed);
        ASSERT_GT(fakes.shell.calls.size(), before);
        // The tooltip change leaves the balloon fields as the previous call left them.
        const ShellCall& hint = fakes.shell.calls[before];
        const ShellCall& previous = fakes.shell.calls[before - 1];
        EXPECT_EQ(hint.message, tray::NIM_MODIFY_);
        EXPECT_EQ(hint.Flags(), 7u);
        EXPECT_EQ(hint.Tip(), win32::ToAnsi(kHiddenHint));
        EXPECT_EQ(hint.Info(), previous.Info());
        EXPECT_EQ(hint.InfoTitle(), previous.InfoTitle());
        EXPECT_EQ(hint.InfoFlags(), previous.InfoFlags());
        ExpectCalls(before + 1, {kClearAfterHint, kHiddenNotice});

        // Back on screen; later balloons keep the hint as the tooltip.
        Tray(WM_LBUTTONDBLCLK);
        ASSERT_TRUE(IsWindowVisible(Main().hwnd()));
        Background().Avisa(0);
        for (std::size_t i = before; i < fakes.shell.calls.size(); ++i) {
            EXPECT_EQ(fakes.shell.calls[i].Tip(), win32::ToAnsi(kHiddenHint)) << "shell call " << i;
        }
    }
    EXPECT_EQ(Boxes(), 1u) << "only the arming's confirmation";
}

TEST_F(StartupTest, ARestartedShellGetsTheIconBackWithTheTooltipOfTheMoment) {
    Start();
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    SendMessageW(Background().hwnd(), taskbarCreated, 0, 0);
    ASSERT_EQ(fakes.shell.calls.back().message, static_cast<std::uint32_t>(NIM_ADD));
    EXPECT_EQ(fakes.shell.calls.back().Tip(), "Acordina");

    ShowWindow(Main().hwnd(), SW_MINIMIZE);
    Pump();
    SendMessageW(Background().hwnd(), taskbarCreated, 0, 0);
    ASSERT_EQ(fakes.shell.calls.back().message, static_cast<std::uint32_t>(NIM_ADD));
    EXPECT_EQ(fakes.shell.calls.back().Tip(), win32::ToAnsi(kHiddenHint));
}

// The sound option is disabled whenever there is no wave output, MIDI or not, since the alarm
// plays a WAV file. Its tick stays as read.
struct SoundHardware {
    std::uint32_t wave;
    std::uint32_t midi;
    int tick;
    bool enabled;
};
void PrintTo(const SoundHardware& row, std::ostream* out) {
    *out << "wave " << row.wave << ", MIDI " << row.midi << ", ticked " << row.tick;
}
class SoundCheckTest : public ProgramFixture,
                       public ::testing::WithParamInterface<SoundHardware> {};

TEST_P(SoundCheckTest, DisablesDespertarComSomWithoutAWaveOutput) {
    const SoundHardware& row = GetParam();
    fakes.sound.waveDevices = row.wave;
    fakes.sound.midiDevices = row.midi;
    fakes.folder.Write(L"Config.inf", row.tick ? " 1 \r\n" : " 0 \r\n");
    Start();
    EXPECT_EQ(Main().chkDespSom.Enabled(), row.enabled);
    EXPECT_EQ(IsWindowEnabled(Main().chkDespSom.hwnd()) != FALSE, row.enabled);
    EXPECT_EQ(Main().chkDespSom.Value(), row.tick);
    EXPECT_EQ(SendMessageW(Main().chkDespSom.hwnd(), BM_GETCHECK, 0, 0), row.tick);
    EXPECT_TRUE(IsWindowVisible(Main().hwnd()));
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Devices, SoundCheckTest,
                         ::testing::Values(SoundHardware{0, 0, 1, false},
                                           SoundHardware{0, 1, 1, false},
                                           SoundHardware{0, 0xFFFF, 0, false},
                                           SoundHardware{1, 0, 0, true},
                                           SoundHardware{2, 1, 1, true}));

} // namespace
} // namespace acordina::testing
