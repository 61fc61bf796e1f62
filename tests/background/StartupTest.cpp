// The background window at start-up: its shape, the icon and the welcome balloon byte for
// byte, the sound hardware check, the hidden-program hint and the shutdown button.
#include "ProgramFixture.h"
#include "win32/Twips.h"

#include <gmock/gmock.h>

#include <shellapi.h>

#include <cstddef>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace acordina::testing {
namespace {

using ::testing::ElementsAre;

// The expected records are laid out on the platform's own structure, not on the tray code's.
static_assert(offsetof(NOTIFYICONDATAA, szTip) == 24);
static_assert(offsetof(NOTIFYICONDATAA, szInfo) == 160);
static_assert(offsetof(NOTIFYICONDATAA, szInfoTitle) == 420);
static_assert(offsetof(NOTIFYICONDATAA, dwInfoFlags) == 484);

constexpr wchar_t kHint[] = L"Dê um clique simples ou um clique com o botão direto do mouse para "
                            L"restaurar ou fechar o programa ACORDINA";
constexpr wchar_t kHiddenBalloon[] =
    L"O programa ACORDINA está oculto\r\ndê um clique simples ou um clique com o botão direto do "
    L"mouse para restaurá-lo ou fechá-lo.";

std::string Ansi(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

// What one shell call should carry; a text never written yet is still zero-filled.
struct Expected {
    DWORD message;
    UINT flags;
    std::optional<std::wstring> tip;
    std::optional<std::wstring> info;
    std::optional<std::wstring> title;
    DWORD infoFlags;
};

template <std::size_t N> void Fill(CHAR (&field)[N], const std::optional<std::wstring>& text) {
    if (!text) {
        return;
    }
    const std::string bytes = Ansi(*text);
    ASSERT_LT(bytes.size(), N);
    std::memset(field, ' ', N);
    std::memcpy(field, bytes.data(), bytes.size());
    field[bytes.size()] = '\0';
}

tray::NotifyRecordBytes Bytes(HWND window, HICON icon, const Expected& e) {
    NOTIFYICONDATAA data;
    std::memset(&data, 0, sizeof data);
    data.cbSize = 488;
    data.hWnd = window;
    data.uID = 1;
    data.uFlags = e.flags;
    data.uCallbackMessage = WM_MOUSEMOVE;
    data.hIcon = icon;
    Fill(data.szTip, e.tip);
    Fill(data.szInfo, e.info);
    Fill(data.szInfoTitle, e.title);
    data.dwInfoFlags = e.infoFlags;
    tray::NotifyRecordBytes bytes;
    std::memcpy(bytes.data(), &data, bytes.size());
    return bytes;
}

class StartupTest : public ProgramFixture {
protected:
    HWND Bg() { return Background().hwnd(); }
    HICON BgIcon() {
        return reinterpret_cast<HICON>(SendMessageW(Bg(), WM_GETICON, ICON_SMALL, 0));
    }

    // Compares the shell calls from `first` on with the expected ones, readable fields first.
    void ExpectCalls(std::size_t first, const std::vector<Expected>& expected) {
        const auto& calls = fakes.shell.calls;
        ASSERT_EQ(calls.size() - first, expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE("shell call " + std::to_string(first + i));
            const ShellCall& call = calls[first + i];
            const Expected& e = expected[i];
            EXPECT_EQ(call.message, e.message);
            EXPECT_EQ(call.Flags(), e.flags);
            EXPECT_EQ(call.Tip(), Ansi(e.tip.value_or(L"")));
            EXPECT_EQ(call.Info(), Ansi(e.info.value_or(L"")));
            EXPECT_EQ(call.InfoTitle(), Ansi(e.title.value_or(L"")));
            EXPECT_EQ(call.InfoFlags(), e.infoFlags);
            EXPECT_TRUE(call.record == Bytes(Bg(), BgIcon(), e)) << "the 488 bytes differ";
        }
    }
};

const Expected kAdd{NIM_ADD, 7, L"Acordina", std::nullopt, std::nullopt, 0};
const Expected kClearAtStart{NIM_MODIFY, 0x13, L"Acordina", L"", L"", 0};
const Expected kWelcome{NIM_MODIFY,         0x13, L"Acordina", L"O sistema está ativo !",
                        L"TAVU - Acordina", 2};

TEST_F(StartupTest, AddsTheIconThenClearsAndShowsTheWelcomeBalloon) {
    Start();
    ASSERT_NE(BgIcon(), nullptr);
    ExpectCalls(0, {kAdd, kClearAtStart, kWelcome});
    EXPECT_TRUE(fakes.shell.foregrounds.empty());
}

TEST_F(StartupTest, DisplaysTheMainWindowInNormalState) {
    Start();
    EXPECT_TRUE(IsWindowVisible(Main().hwnd()));
    EXPECT_FALSE(IsIconic(Main().hwnd()));
    EXPECT_EQ(GetForegroundWindow(), Main().hwnd());
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
}

TEST_F(StartupTest, TheWindowHasNoCaptionNoBorderNoTaskBarButtonAndNoSize) {
    ASSERT_EQ(win32::Dpi::Screen().x, 96) << "the expected pixels are for 96 dpi";
    Start();
    EXPECT_EQ(GetWindowTextLengthW(Bg()), 0);
    const LONG style = GetWindowLongW(Bg(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU |
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
}

TEST_F(StartupTest, Command3IsPlacedBeyondTheDesignedClientArea) {
    ASSERT_EQ(win32::Dpi::Screen().x, 96) << "the expected pixels are for 96 dpi";
    Start();
    const HWND button = Background().Command3.hwnd();
    ASSERT_TRUE(IsWindow(button));
    EXPECT_EQ(GetParent(button), Bg());
    EXPECT_EQ(Background().Command3.Text(), L"Command3");
    RECT rc;
    GetWindowRect(button, &rc);
    MapWindowPoints(nullptr, Bg(), reinterpret_cast<POINT*>(&rc), 2);
    // 5760, 240, 615 x 495 twips; the designed client area is 4800 twips (320 px) wide.
    EXPECT_EQ(rc.left, 384);
    EXPECT_EQ(rc.top, 16);
    EXPECT_EQ(rc.right - rc.left, 41);
    EXPECT_EQ(rc.bottom - rc.top, 33);
}

// Command3 and DesligarWindows make one and the same forced shutdown request.
struct ShutdownTrigger {
    const char* name;
    void (*run)(background::frmAcordina_&);
};
const ShutdownTrigger kShutdownTriggers[] = {
    {"Command3 clicked",
     [](background::frmAcordina_& bg) { SendMessageW(bg.Command3.hwnd(), BM_CLICK, 0, 0); }},
    {"DesligarWindows", [](background::frmAcordina_& bg) { bg.DesligarWindows(); }},
};

TEST_F(StartupTest, Command3AsksForTheSameShutdownAsDesligarWindows) {
    Start();
    for (const auto& trigger : kShutdownTriggers) {
        SCOPED_TRACE(trigger.name);
        fakes.shutdown.calls.clear();
        trigger.run(Background());
        Pump();
        std::vector<std::string> functions;
        for (const auto& call : fakes.shutdown.calls) {
            functions.push_back(call.function);
        }
        EXPECT_THAT(functions,
                    ElementsAre("GetCurrentProcess", "OpenProcessToken", "LookupPrivilegeValueA",
                                "AdjustTokenPrivileges", "CloseHandle", "ExitWindowsEx"));
        ASSERT_FALSE(fakes.shutdown.calls.empty());
        EXPECT_EQ(fakes.shutdown.calls.back().flags, 5u);
        EXPECT_EQ(fakes.shutdown.calls.back().reason, 0xFFFFFFFFu);
        EXPECT_EQ(fakes.process.exits, 0);
    }
}

// The hint replaces the tooltip and the balloon tells how to come back, whichever way the
// main window hides; nothing sets the short tooltip back.
struct HideWay {
    const char* name;
    bool minimise; // otherwise armed
};
const HideWay kHideWays[] = {{"minimised", true}, {"armed", false}};

const Expected kClearAfterHint{NIM_MODIFY, 0x13, kHint, L"", L"", 0};
const Expected kHiddenNotice{NIM_MODIFY, 0x13, kHint, kHiddenBalloon, L"Aviso", 1};

TEST_F(StartupTest, HidingChangesTheTooltipToTheHintForTheRestOfTheRun) {
    Start();
    for (const auto& way : kHideWays) {
        SCOPED_TRACE(way.name);
        const std::size_t before = fakes.shell.calls.size();
        if (way.minimise) {
            ShowWindow(Main().hwnd(), SW_MINIMIZE);
            Pump();
        } else {
            Click(Main().lblStatus);
        }
        ASSERT_FALSE(IsWindowVisible(Main().hwnd()));
        ASSERT_GT(fakes.shell.calls.size(), before);
        // The tooltip change leaves the balloon fields as the previous call left them.
        NOTIFYICONDATAA hint;
        std::memcpy(&hint, fakes.shell.calls[before - 1].record.data(), tray::kRecordSize);
        hint.uFlags = 7;
        Fill(hint.szTip, std::wstring(kHint));
        EXPECT_EQ(fakes.shell.calls[before].message, static_cast<std::uint32_t>(NIM_MODIFY));
        EXPECT_EQ(fakes.shell.calls[before].Tip(), Ansi(kHint));
        EXPECT_EQ(std::memcmp(fakes.shell.calls[before].record.data(), &hint, tray::kRecordSize),
                  0);
        ExpectCalls(before + 1, {kClearAfterHint, kHiddenNotice});

        // Back on screen; later balloons keep the hint as the tooltip.
        Tray(WM_LBUTTONDBLCLK);
        ASSERT_TRUE(IsWindowVisible(Main().hwnd()));
        Background().Avisa(0);
        for (std::size_t i = before; i < fakes.shell.calls.size(); ++i) {
            EXPECT_EQ(fakes.shell.calls[i].Tip(), Ansi(kHint)) << "shell call " << i;
        }
    }
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
    EXPECT_EQ(fakes.shell.calls.back().Tip(), Ansi(kHint));
}

TEST_F(StartupTest, TheHiddenProgramTextsFitTheirFieldsWithRoomForTheTerminator) {
    EXPECT_LT(Ansi(kHint).size(), 128u);
    EXPECT_LT(Ansi(kHiddenBalloon).size(), 256u);
    if (GetACP() == 1252) {
        EXPECT_EQ(Ansi(kHint).substr(0, 3), "D\xEA ");
        EXPECT_EQ(Ansi(kHiddenBalloon).substr(31, 2), "\r\n");
    }
}

// The sound option is disabled only when there is neither a wave nor a MIDI output; the
// counts are signed, 32 and 16 bits, so error values count as none. Its tick stays as read.
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

TEST_P(SoundCheckTest, DisablesDespertarComSomOnlyWithoutAnyOutputDevice) {
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

INSTANTIATE_TEST_SUITE_P(
    Devices, SoundCheckTest,
    ::testing::Values(SoundHardware{0, 0, 1, false}, SoundHardware{0, 0, 0, false},
                      SoundHardware{0, 1, 1, true}, SoundHardware{1, 0, 0, true},
                      SoundHardware{1, 1, 1, true}, SoundHardware{0xFFFFFFFF, 0, 1, false},
                      SoundHardware{0x80000000, 0, 0, false}, SoundHardware{0, 0xFFFF, 1, false},
                      SoundHardware{0, 0x10000, 1, false}, SoundHardware{0, 0x10001, 1, true},
                      SoundHardware{0xFFFFFFFF, 0x7FFF, 0, true}));

} // namespace
} // namespace acordina::testing
