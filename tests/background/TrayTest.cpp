// The background window: start-up, the icon's records, the hint, the tray menu and clicks.
#include "ProgramFixture.h"

#include <shellapi.h>

#include <string_view>

namespace acordina::testing {
namespace {

// Answers each pop-up menu from inside its own loop, where timers still run: notes where it opened
// and how far the program had got, then presses the keys; one still open a second later is ended.
class TrayTest : public ProgramFixture {
protected:
    void SetUp() override {
        Start();
        SetWindowLongPtrW(watcher_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetTimer(watcher_.get(), 1, 10, &WatchMenus);
    }
    // The hooks see the test's locals: gone before the program ends, even after a failure.
    void TearDown() override {
        fakes.shell.onNotify = nullptr;
        fakes.process.onExit = nullptr;
    }
    static void CALLBACK WatchMenus(HWND window, UINT, UINT_PTR, DWORD) {
        auto& self = *reinterpret_cast<TrayTest*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        HWND open = nullptr;
        while ((open = FindWindowExW(nullptr, open, L"#32768", nullptr)) &&
               !IsWindowVisible(open)) {
        }
        if (!open || self.waited++ > 0) {
            if (open && self.waited % 100 == 0) {
                EndMenu();
            }
            return;
        }
        self.menus.push_back({{}, self.fakes.shell.calls.size()});
        GetWindowRect(open, &self.menus.back().first);
        for (const WPARAM key : self.keys) {
            PostMessageW(open, WM_KEYDOWN, key, 0);
        }
    }
    std::vector<std::pair<RECT, std::size_t>> menus; // where each opened, after how many calls
    std::vector<WPARAM> keys;                        // answer the next menu, with waited set to 0
    int waited = 0;
    win32::UniqueWindow watcher_{
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)};

    HWND Bg() { return Background().hwnd(); }
    bool Normal() { return IsWindowVisible(Main().hwnd()) && !IsIconic(Main().hwnd()); }
    void Minimise() { SendMessageW(Main().hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }
    // Stops the single-click timer; true when it was still waiting.
    bool SingleClickWaiting() {
        return KillTimer(Bg(), background::frmAcordina_::kSingleClickTimer) != FALSE;
    }
    void LeftClick() {
        Tray(WM_LBUTTONDOWN);
        Tray(WM_LBUTTONUP);
    }
    // The shell calls from `first`: "message flags tip|info|title|info flags" a line, in ANSI.
    std::string CallsFrom(std::size_t first) {
        const auto icon = static_cast<UINT_PTR>(SendMessageW(Bg(), WM_GETICON, ICON_SMALL, 0));
        std::string calls;
        for (std::size_t i = first; i < fakes.shell.calls.size(); ++i) {
            const ShellCall& c = fakes.shell.calls[i];
            calls += (c.Field(0) == 488 && c.Field(4) == reinterpret_cast<UINT_PTR>(Bg()) &&
                      c.Field(8) == 1 && c.Field(16) == WM_MOUSEMOVE && c.Field(20) == icon)
                         ? ""
                         : "NOT THE ICON: ";
            calls += std::to_string(c.message) + " " + std::to_string(c.Flags()) + " " + c.Tip() +
                     "|" + c.Info() + "|" + c.InfoTitle() + "|" + std::to_string(c.InfoFlags()) +
                     "\n";
        }
        return calls;
    }
    // The window came to the front before the one call, which cleared the balloon.
    void ExpectFrontThenCleared(std::size_t calls, std::size_t fronts, const std::wstring& tip) {
        ASSERT_EQ(fakes.shell.foregrounds.size(), fronts + 1);
        EXPECT_EQ(fakes.shell.foregrounds.back(), std::pair(std::uint32_t(UINT_PTR(Bg())), calls));
        EXPECT_EQ(CallsFrom(calls), win32::ToAnsi(L"1 19 " + tip + L"|||0\n"));
    }
};

BOOL CALLBACK NotePending(HWND child, LPARAM pending) {
    *reinterpret_cast<bool*>(pending) |= IsWindowVisible(child) && GetUpdateRect(child, nullptr, 0);
    return TRUE;
}

// On screen, and nothing of it waits to be painted.
bool Drawn(HWND window) {
    bool pending = !IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE);
    EnumChildWindows(window, NotePending, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

// Steps of the start taken while the main window was not yet drawn.
int early = 0;

LRESULT CALLBACK NoteBackgroundMade(int code, WPARAM wp, LPARAM lp) {
    const wchar_t* cls =
        code == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDW*>(lp)->lpcs->lpszClass : L"";
    if (!IS_INTRESOURCE(cls) && std::wstring_view(cls) == L"AcordinaBackground") {
        early += !Drawn(FindWindowW(L"AcordinaMain", nullptr));
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

// The main window is drawn first; the background window, the icon and welcome, then the settings
// panel and the device count follow. Without a wave output the sound option is disabled, MIDI or
// not; its tick stays as read.
TEST_F(TrayTest, StartDrawsTheMainWindowThenShowsTheIconAndWelcomeWithTheSoundOptionItCanPlay) {
    // The icon also goes away with each program: no main window to look at then.
    fakes.shell.onNotify = [&](const ShellCall& call) {
        early += call.message != NIM_DELETE &&
                 (!Drawn(Main().hwnd()) || Main().cboSom.hwnd() != nullptr);
    };
    fakes.sound.onCount = [&] { early += !Drawn(Main().hwnd()); };
    const std::unique_ptr<HHOOK__, decltype(&UnhookWindowsHookEx)> hook(
        SetWindowsHookExW(WH_CBT, NoteBackgroundMade, nullptr, GetCurrentThreadId()),
        &UnhookWindowsHookEx);
    // Wave and MIDI outputs, the sound option's tick as read, whether it is enabled.
    const std::tuple<std::uint32_t, std::uint32_t, int, bool> rows[] = {
        {0, 0, 1, false}, {0, 1, 1, false}, {1, 0, 0, true}, {0xFFFFFFFF, 0, 1, true}};
    for (const auto& [wave, midi, tick, enabled] : rows) {
        SCOPED_TRACE(::testing::Message() << "wave " << wave << ", MIDI " << midi);
        fakes.sound.waveDevices = wave;
        fakes.sound.midiDevices = midi;
        fakes.folder.Write(L"Config.inf", tick ? " 1 \r\n" : " 0 \r\n");
        program.reset();
        const std::size_t calls = fakes.shell.calls.size();
        Start();
        EXPECT_EQ(IsWindowEnabled(Main().chkDespSom.hwnd()) != FALSE, enabled);
        EXPECT_EQ(SendMessageW(Main().chkDespSom.hwnd(), BM_GETCHECK, 0, 0), tick);
        EXPECT_EQ(CallsFrom(calls),
                  win32::ToAnsi(L"0 7 Acordina|||0\n1 19 Acordina|||0\n"
                                L"1 19 Acordina|O sistema está ativo !|TAVU - Acordina|2\n"));
        EXPECT_TRUE(Normal());
        EXPECT_EQ(GetForegroundWindow(), Main().hwnd());
    }
    fakes.shell.onNotify = nullptr;
    fakes.sound.onCount = nullptr;
    EXPECT_EQ(early, 0);
    EXPECT_TRUE(fakes.sound.calls.empty());
    EXPECT_EQ(Boxes(), 0u);

    // The background window has no task-bar button and no size.
    ASSERT_NE(SendMessageW(Bg(), WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(GetWindowLongW(Bg(), GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW),
              WS_EX_TOOLWINDOW);
    RECT rc;
    GetWindowRect(Bg(), &rc);
    EXPECT_LE(rc.right - rc.left + rc.bottom - rc.top, 2);
    // "Restaurar", a separator, "Fechar"; no default item.
    const HMENU menu = Background().mnuFile();
    wchar_t first[16]{}, last[16]{};
    GetMenuStringW(menu, 0, first, 16, MF_BYPOSITION);
    GetMenuStringW(menu, 2, last, 16, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(first) + L"|" + last, L"Restaurar|Fechar");
    EXPECT_NE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    EXPECT_EQ(GetMenuDefaultItem(menu, TRUE, 0), static_cast<UINT>(-1));
    // Command3, beyond the window's edge, asks for the forced shutdown (its steps: shutdown tests).
    SendMessageW(Background().Command3.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(fakes.shutdown.calls.at(5), "ExitWindowsEx(flags=5, reason=ffffffff)");
    EXPECT_EQ(fakes.process.exits, 0);
}

// However the main window hides, the hint becomes the tooltip and a balloon tells how to come
// back, before the window goes; a double-click shows it again, its release opens no menu.
TEST_F(TrayTest, HidingShowsTheHintFirstAndADoubleClickShowsTheWindowAgain) {
    bool visibleAtBalloon = false;
    fakes.shell.onNotify = [&](const ShellCall& call) {
        visibleAtBalloon |=
            call.Info() == win32::ToAnsi(kHiddenBalloon) && IsWindowVisible(Main().hwnd());
    };
    const std::wstring hint = kHiddenHint;
    // The tooltip change leaves the balloon fields as the last call left them.
    const wchar_t* lastBalloon[] = {L"O sistema está ativo !|TAVU - Acordina|2", L"||0", L"||0"};
    for (const int way : {0, 1, 2}) { // minimised, armed, minimised while armed
        SCOPED_TRACE(way);
        std::size_t before = fakes.shell.calls.size();
        const std::size_t fronts = fakes.shell.foregrounds.size();
        visibleAtBalloon = false;
        way == 1 ? Click(Main().lblStatus) : Minimise();
        EXPECT_TRUE(visibleAtBalloon);
        EXPECT_FALSE(IsWindowVisible(Main().hwnd()));
        EXPECT_EQ(M().blnLigado, way > 0);
        EXPECT_EQ(CallsFrom(before),
                  win32::ToAnsi(L"1 7 " + hint + L"|" + lastBalloon[way] + L"\n1 19 " + hint +
                                L"|||0\n1 19 " + hint + L"|" + kHiddenBalloon + L"|Aviso|1\n"));
        before = fakes.shell.calls.size();
        LeftClick();
        Tray(WM_LBUTTONDBLCLK);
        Tray(WM_LBUTTONUP);
        EXPECT_FALSE(SingleClickWaiting());
        ASSERT_TRUE(Normal());
        EXPECT_EQ(GetForegroundWindow(), Main().hwnd());
        ExpectFrontThenCleared(before, fronts, hint);
    }
    // Displayed, a double-click changes nothing; a press after a lost release starts a click.
    const std::size_t before = fakes.shell.calls.size();
    LeftClick();
    Tray(WM_LBUTTONDBLCLK);
    LeftClick();
    EXPECT_TRUE(SingleClickWaiting());
    EXPECT_EQ(fakes.shell.calls.size(), before);
    EXPECT_EQ(fakes.shell.foregrounds.size(), 3u);
    // A restarted shell gets the icon back with the tooltip of the moment.
    M().strMsgDespertar = L"acorde";
    Background().Avisa(0);
    SendMessageW(Bg(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(CallsFrom(before),
              win32::ToAnsi(L"1 19 " + hint + L"|||0\n1 19 " + hint + L"|acorde|Aviso|1\n0 7 " +
                            hint + L"|acorde|Aviso|1\n"));
    EXPECT_EQ(Boxes(), 1u) << "the arming's only";
    EXPECT_TRUE(menus.empty());
}

// A right press opens the menu at the mouse at once, a left release when no second click came,
// after the front and balloon steps. "Restaurar" shows the main window in front; "Fechar" ends
// at once without the question, also while armed, and takes the icon away.
TEST_F(TrayTest, TheMenuOpensAtTheMouseAndItsItemsRestoreOrEnd) {
    Click(Main().lblStatus);
    win32::UniqueWindow other(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 600, 400,
                                              100, 100, nullptr, nullptr, nullptr, nullptr));
    SetCursorPos(200, 150);
    std::size_t callsAtExit = 0;
    fakes.process.onExit = [&] { callsAtExit = fakes.shell.calls.size(); };
    const std::vector<WPARAM> none{VK_ESCAPE}, restaurar{VK_DOWN, VK_RETURN},
        fechar{VK_DOWN, VK_DOWN, VK_RETURN};
    // The icon's notifications, whether the double-click time runs out afterwards, the keys.
    const std::tuple<std::vector<UINT>, bool, std::vector<WPARAM>> rows[] = {
        {{WM_RBUTTONDOWN}, false, none},
        {{WM_LBUTTONDOWN, WM_LBUTTONUP}, true, restaurar},
        {{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN}, false, none},
        {{0, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, 0xFFFF}, false, {}},
        {{WM_RBUTTONDOWN}, false, fechar},
    };
    for (const auto& [notifications, timeUp, rowKeys] : rows) {
        SCOPED_TRACE(::testing::PrintToString(notifications));
        Minimise();
        SetForegroundWindow(other.get());
        menus.clear();
        keys = rowKeys;
        waited = 0;
        const std::size_t calls = fakes.shell.calls.size();
        const std::size_t fronts = fakes.shell.foregrounds.size();
        for (const UINT notification : notifications) {
            Tray(notification);
        }
        if (timeUp) {
            EXPECT_TRUE(menus.empty());
            SendMessageW(Bg(), WM_TIMER, background::frmAcordina_::kSingleClickTimer, 0);
        }
        EXPECT_FALSE(SingleClickWaiting());
        EXPECT_EQ(Normal(), rowKeys == restaurar);
        EXPECT_EQ(GetForegroundWindow() == Main().hwnd(), rowKeys == restaurar);
        EXPECT_EQ(fakes.process.exits, rowKeys == fechar ? 1 : 0);
        EXPECT_EQ(Boxes(), 1u) << "no close question";
        ASSERT_EQ(menus.size(), rowKeys.empty() ? 0u : 1u);
        if (rowKeys.empty()) {
            EXPECT_EQ(fakes.shell.calls.size(), calls);
            EXPECT_EQ(fakes.shell.foregrounds.size(), fronts);
            continue;
        }
        EXPECT_EQ(std::tuple(menus[0].first.left, menus[0].first.top, menus[0].second),
                  std::tuple(200L, 150L, calls + 1));
        if (rowKeys == fechar) { // the icon taken away before the end
            EXPECT_EQ(callsAtExit, calls + 2);
            EXPECT_EQ(CallsFrom(calls + 1),
                      win32::ToAnsi(L"2 19 " + std::wstring(kHiddenHint) + L"|||0\n"));
            fakes.shell.calls.pop_back();
        }
        ExpectFrontThenCleared(calls, fronts, kHiddenHint);
    }
    EXPECT_TRUE(M().blnLigado);
    auto traces = kTraces;
    traces.insert(traces.end(), kTracesGone.begin(), kTracesGone.end());
    EXPECT_EQ(fakes.comeback.calls, traces) << "\"Fechar\" takes them away";
}

} // namespace
} // namespace acordina::testing
