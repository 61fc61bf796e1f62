// The tray icon's mouse notifications on the real background window: the pop-up menu, its two
// items, the single click that waits for a possible double-click, and the double-click.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <memory>
#include <string>
#include <vector>

namespace acordina::testing {
namespace {

using ::testing::ElementsAre;

// What a menu showed when it opened, and how far the program had got by then.
struct MenuSeen {
    HMENU menu = nullptr;
    RECT rect{};
    std::vector<std::wstring> items; // "-" for a separator
    bool anyDefaultOrGrayed = false;
    std::size_t shellCalls = 0;
    std::size_t foregrounds = 0;
};

enum class MenuAnswer { Close, Restaurar, Fechar, ClickElsewhere };

// Looks from inside the menu's own loop, where timers are still dispatched: notes the menu,
// then answers it as a user would. A menu that does not close is ended after a second.
class MenuWatcher {
public:
    explicit MenuWatcher(const FakeShell& shell) : shell_(shell) {
        window_.reset(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      nullptr, nullptr));
        SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetTimer(window_.get(), 1, 10, &MenuWatcher::OnTimer);
    }
    ~MenuWatcher() { KillTimer(window_.get(), 1); }
    MenuWatcher(const MenuWatcher&) = delete;
    MenuWatcher& operator=(const MenuWatcher&) = delete;

    // How to answer the next menu.
    void Next(MenuAnswer answer) {
        answer_ = answer;
        answered_ = false;
        waited_ = 0;
    }

    std::vector<MenuSeen> seen;
    int forcedClosed = 0;

private:
    static constexpr int kPatience = 100;

    static void CALLBACK OnTimer(HWND window, UINT, UINT_PTR, DWORD) {
        reinterpret_cast<MenuWatcher*>(GetWindowLongPtrW(window, GWLP_USERDATA))->Tick();
    }

    static HWND OpenMenu() {
        HWND menu = nullptr;
        while ((menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr) {
            if (IsWindowVisible(menu)) {
                return menu;
            }
        }
        return nullptr;
    }

    void Tick() {
        const HWND menu = OpenMenu();
        if (!menu) {
            return;
        }
        if (answered_) {
            if (++waited_ == kPatience) {
                ++forcedClosed;
                EndMenu();
            }
            return;
        }
        answered_ = true;
        seen.push_back(Describe(menu));
        switch (answer_) {
        case MenuAnswer::Close:
            EndMenu();
            break;
        case MenuAnswer::Restaurar:
            Keys(menu, {VK_DOWN, VK_RETURN});
            break;
        case MenuAnswer::Fechar:
            Keys(menu, {VK_DOWN, VK_DOWN, VK_RETURN});
            break;
        case MenuAnswer::ClickElsewhere:
            MouseClickAt({seen.back().rect.right + 150, seen.back().rect.bottom + 150});
            break;
        }
    }

    MenuSeen Describe(HWND menu) const {
        MenuSeen s;
        s.menu = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
        GetWindowRect(menu, &s.rect);
        for (int i = 0; i < GetMenuItemCount(s.menu); ++i) {
            wchar_t text[64]{};
            MENUITEMINFOW info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE;
            info.dwTypeData = text;
            info.cch = 64;
            GetMenuItemInfoW(s.menu, static_cast<UINT>(i), TRUE, &info);
            const bool separator = (info.fType & MFT_SEPARATOR) != 0;
            s.items.push_back(separator ? L"-" : text);
            s.anyDefaultOrGrayed |= !separator && (info.fState & (MFS_DEFAULT | MFS_GRAYED)) != 0;
        }
        s.shellCalls = shell_.calls.size();
        s.foregrounds = shell_.foregrounds.size();
        return s;
    }

    static void Keys(HWND menu, std::initializer_list<WPARAM> keys) {
        for (const WPARAM key : keys) {
            PostMessageW(menu, WM_KEYDOWN, key, 0);
        }
    }

    const FakeShell& shell_;
    win32::UniqueWindow window_;
    MenuAnswer answer_ = MenuAnswer::Close;
    bool answered_ = false;
    int waited_ = 0;
};

// The states the main window can be in when the user turns to the icon.
enum class State { Displayed, HiddenAfterMinimising, HiddenAfterArming };
std::string Name(State s) {
    return s == State::Displayed           ? "Displayed"
           : s == State::HiddenAfterArming ? "HiddenAfterArming"
                                           : "HiddenAfterMinimising";
}
constexpr State kStates[] = {State::Displayed, State::HiddenAfterMinimising,
                             State::HiddenAfterArming};

class TrayMenuTest : public ProgramFixture {
protected:
    void SetUp() override {
        Start();
        watcher = std::make_unique<MenuWatcher>(fakes.shell);
        SetCursorPos(200, 150);
    }
    void TearDown() override { EXPECT_EQ(watcher->forcedClosed, 0) << "a menu stayed open"; }

    void Enter(State state) {
        if (state == State::HiddenAfterMinimising) {
            ShowWindow(Main().hwnd(), SW_MINIMIZE);
            Pump();
        } else if (state == State::HiddenAfterArming) {
            Click(Main().lblStatus); // the visual alert is ticked by design
        }
        ASSERT_EQ(IsWindowVisible(Main().hwnd()) == FALSE, state != State::Displayed);
    }

    HWND Bg() { return Background().hwnd(); }
    bool Normal() {
        return IsWindowVisible(Main().hwnd()) && !IsIconic(Main().hwnd()) &&
               !IsZoomed(Main().hwnd());
    }
    // Stops the single-click timer; true when it was still waiting.
    bool SingleClickWaiting() {
        return KillTimer(Bg(), background::frmAcordina_::kSingleClickTimer) != FALSE;
    }
    void SingleClickTimeUp() {
        SendMessageW(Bg(), WM_TIMER, background::frmAcordina_::kSingleClickTimer, 0);
        Pump();
    }
    // The shell's notifications for one left click, release last.
    void LeftClick() {
        Tray(WM_LBUTTONDOWN);
        Tray(WM_LBUTTONUP);
    }
    void DoubleClick() {
        LeftClick();
        Tray(WM_LBUTTONDBLCLK);
        Tray(WM_LBUTTONUP);
    }

    // Before the program acted, the window came to the front and then the balloon was cleared.
    void ExpectForegroundThenBalloonCleared(std::size_t callsBefore, std::size_t foregroundsBefore,
                                            std::size_t callsAfter, std::size_t foregroundsAfter) {
        ASSERT_EQ(foregroundsAfter, foregroundsBefore + 1);
        ASSERT_EQ(callsAfter, callsBefore + 1);
        EXPECT_EQ(fakes.shell.foregrounds.back(),
                  static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(Bg())));
        EXPECT_EQ(fakes.shell.foregroundAfterCalls.back(), callsBefore);
        const ShellCall& cleared = fakes.shell.calls[callsBefore];
        EXPECT_EQ(cleared.message, tray::NIM_MODIFY_);
        EXPECT_EQ(cleared.Flags(), 0x13u);
        EXPECT_EQ(cleared.Info(), "");
        EXPECT_EQ(cleared.InfoTitle(), "");
        EXPECT_EQ(cleared.InfoFlags(), 0u);
    }

    std::unique_ptr<MenuWatcher> watcher;
};

// A right press opens the menu at once; a left release only when no second click followed.
TEST_F(TrayMenuTest, TheMenuOpensAtTheMouseAfterTheFrontAndBalloonSteps) {
    for (const bool right : {true, false}) {
        SCOPED_TRACE(right ? "right press" : "left click, double-click time over");
        watcher->seen.clear();
        watcher->Next(MenuAnswer::Close);
        const std::size_t calls = fakes.shell.calls.size();
        const std::size_t foregrounds = fakes.shell.foregrounds.size();
        if (right) {
            Tray(WM_RBUTTONDOWN);
        } else {
            LeftClick();
            SingleClickTimeUp();
        }
        ASSERT_EQ(watcher->seen.size(), 1u);
        const MenuSeen& seen = watcher->seen[0];
        EXPECT_EQ(seen.menu, Background().mnuFile());
        EXPECT_THAT(seen.items, ElementsAre(L"Restaurar", L"-", L"Fechar"));
        EXPECT_FALSE(seen.anyDefaultOrGrayed);
        EXPECT_EQ(seen.rect.left, 200);
        EXPECT_EQ(seen.rect.top, 150);
        ExpectForegroundThenBalloonCleared(calls, foregrounds, seen.shellCalls, seen.foregrounds);
        // Closing without a choice changes nothing.
        EXPECT_EQ(fakes.shell.calls.size(), calls + 1);
        EXPECT_TRUE(Normal());
        EXPECT_EQ(fakes.process.exits, 0);
        EXPECT_FALSE(SingleClickWaiting());
    }
}

TEST_F(TrayMenuTest, ALeftReleaseWaitsForTheDoubleClickTimeAndARightPressMeanwhileOpensOneMenu) {
    const std::size_t calls = fakes.shell.calls.size();
    LeftClick();
    EXPECT_TRUE(watcher->seen.empty());
    EXPECT_EQ(fakes.shell.calls.size(), calls);
    EXPECT_TRUE(fakes.shell.foregrounds.empty());
    watcher->Next(MenuAnswer::Close);
    Tray(WM_RBUTTONDOWN);
    EXPECT_EQ(watcher->seen.size(), 1u);
    EXPECT_FALSE(SingleClickWaiting());
}

TEST_F(TrayMenuTest, OtherNotificationsDoNothing) {
    const std::size_t calls = fakes.shell.calls.size();
    for (const UINT message : {0u, unsigned{WM_MOUSEMOVE}, unsigned{WM_LBUTTONDOWN},
                               unsigned{WM_RBUTTONUP}, unsigned{WM_RBUTTONDBLCLK}, 0xFFFFu}) {
        SCOPED_TRACE(message);
        Tray(message);
        EXPECT_TRUE(watcher->seen.empty());
        EXPECT_EQ(fakes.shell.calls.size(), calls);
        EXPECT_TRUE(fakes.shell.foregrounds.empty());
        EXPECT_FALSE(SingleClickWaiting());
        EXPECT_TRUE(Normal());
    }
}

TEST_F(TrayMenuTest, AClickElsewhereClosesTheMenuWithoutAChoice) {
    ShowWindow(Main().hwnd(), SW_MINIMIZE);
    Pump();
    watcher->Next(MenuAnswer::ClickElsewhere);
    Tray(WM_RBUTTONDOWN);
    ASSERT_EQ(watcher->seen.size(), 1u);
    EXPECT_EQ(watcher->forcedClosed, 0);
    EXPECT_FALSE(IsWindowVisible(Main().hwnd()));
    EXPECT_EQ(fakes.process.exits, 0);
}

// A double-click restores the main window whenever it is hidden, however it got hidden, and
// changes nothing while it is displayed; the release that ends it opens no menu.
TEST_F(TrayMenuTest, ADoubleClickRestoresAHiddenMainWindowAndOpensNoMenu) {
    for (const State state : kStates) {
        SCOPED_TRACE(Name(state));
        Enter(state);
        const std::size_t calls = fakes.shell.calls.size();
        const std::size_t foregrounds = fakes.shell.foregrounds.size();
        DoubleClick();
        EXPECT_TRUE(watcher->seen.empty());
        EXPECT_FALSE(SingleClickWaiting());
        EXPECT_TRUE(Normal());
        if (state != State::Displayed) {
            ExpectForegroundThenBalloonCleared(calls, foregrounds, fakes.shell.calls.size(),
                                               fakes.shell.foregrounds.size());
            EXPECT_EQ(GetForegroundWindow(), Main().hwnd());
        } else {
            EXPECT_EQ(fakes.shell.calls.size(), calls);
            EXPECT_EQ(fakes.shell.foregrounds.size(), foregrounds);
        }
        // The next single click is a single click again.
        LeftClick();
        EXPECT_TRUE(SingleClickWaiting());
    }
    // Even when the double-click's last release got lost.
    ShowWindow(Main().hwnd(), SW_MINIMIZE);
    Pump();
    LeftClick();
    Tray(WM_LBUTTONDBLCLK);
    ASSERT_TRUE(Normal());
    LeftClick();
    EXPECT_TRUE(SingleClickWaiting());
}

// The menu's two items from each state of the main window, as separate runs of the program.
class TrayMenuItemTest : public TrayMenuTest, public ::testing::WithParamInterface<State> {};

TEST_P(TrayMenuItemTest, FecharEndsAtOnceWithoutAskingRestaurarDisplaysTheMainWindowInFront) {
    Enter(GetParam());
    const std::size_t boxes = fakes.messageBoxes.shown.size();
    std::vector<ShellCall> callsAtExit;
    fakes.process.onExit = [&] { callsAtExit = fakes.shell.calls; };
    watcher->Next(MenuAnswer::Fechar);
    Tray(WM_RBUTTONDOWN);
    ASSERT_EQ(watcher->seen.size(), 1u);
    EXPECT_EQ(fakes.process.exits, 1);
    EXPECT_EQ(fakes.messageBoxes.shown.size(), boxes) << "no close confirmation";
    ASSERT_EQ(callsAtExit.size(), watcher->seen[0].shellCalls + 1);
    const ShellCall& deleted = callsAtExit.back();
    EXPECT_EQ(deleted.message, tray::NIM_DELETE_);
    EXPECT_EQ(deleted.Field(0), 488u);
    EXPECT_EQ(deleted.Field(4), static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(Bg())));
    EXPECT_EQ(deleted.Field(8), 1u);
    EXPECT_EQ(GetParam() != State::Displayed, IsWindowVisible(Main().hwnd()) == FALSE)
        << "nothing else happens on the way out";

    // The fake exit leaves the program running: now Restaurar, with another window in front.
    win32::UniqueWindow other(CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 600,
                                              400, 100, 100, nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(other.get());
    Pump();
    ASSERT_EQ(GetForegroundWindow(), other.get());
    watcher->Next(MenuAnswer::Restaurar);
    Tray(WM_RBUTTONDOWN);
    ASSERT_EQ(watcher->seen.size(), 2u);
    EXPECT_TRUE(Normal());
    EXPECT_EQ(GetForegroundWindow(), Main().hwnd());
    EXPECT_EQ(fakes.process.exits, 1);
    // Only the balloon step before the menu reached the shell.
    EXPECT_EQ(fakes.shell.calls.size(), watcher->seen[1].shellCalls);
}

INSTANTIATE_TEST_SUITE_P(States, TrayMenuItemTest, ::testing::ValuesIn(kStates),
                         [](const auto& info) { return Name(info.param); });

} // namespace
} // namespace acordina::testing
