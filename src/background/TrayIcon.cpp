#include "background/TrayIcon.h"

#include "platform/AnsiText.h"
#include "platform/Failure.h"
#include "resource_ids.h"
#include "ui/Window.h"

#include <shellapi.h>

#include <array>

namespace acordina::background {
namespace {

struct MenuItem {
    UINT id; // 0: a separator
    const wchar_t* caption;
};
constexpr std::array<MenuItem, 3> kMnuFile = {{
    {TrayIcon::kMnuRestaurar, L"Restaurar"},
    {0, L"-"},
    {TrayIcon::kMnuFechar, L"Fechar"},
}};

constexpr wchar_t kHiddenHint[] = L"Dê um clique simples ou um clique com o botão direto do mouse "
                                  L"para restaurar ou fechar o programa ACORDINA";

} // namespace

TrayIcon::TrayIcon(tray::TrayShell& shell, TrayIconOwner& owner)
    : owner_(owner), objTray_(shell, &win32::ToAnsi), mnuFile_(CreatePopupMenu()),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    bool made = mnuFile_ != nullptr;
    for (const auto& item : kMnuFile) {
        made = made && AppendMenuW(mnuFile_.get(), item.id ? MF_STRING : MF_SEPARATOR, item.id,
                                   item.id ? item.caption : nullptr);
    }
    if (!made) {
        throw win32::SystemFailure(L"criar o menu do ícone", GetLastError());
    }
}

TrayIcon::~TrayIcon() {
    if (window_) {
        // False when no single click waits: nothing to stop.
        KillTimer(window_, kSingleClickTimer);
    }
}

HICON TrayIcon::LoadIcon(const win32::Dpi& dpi) {
    const int size = dpi.SmallIconSize();
    icon_.reset(static_cast<HICON>(LoadImageW(win32::ThisModule(), MAKEINTRESOURCEW(IDI_ACORDINA),
                                              IMAGE_ICON, size, size, 0)));
    if (!icon_) {
        // The icon still goes up, with no picture: it can be clicked all the same.
        win32::Trace(L"LoadImageW");
    }
    return icon_.get();
}

void TrayIcon::Attach(HWND window) {
    window_ = window;
    ShowInWindow();
    objTray_.FormTarget(this);
}

void TrayIcon::ShowInWindow() const {
    win32::SetIcons(window_, icon_.get(), icon_.get());
}

std::uint32_t TrayIcon::WindowHandle() const {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window_));
}

std::uint32_t TrayIcon::IconHandle() const {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(icon_.get()));
}

void TrayIcon::AddSystray() {
    objTray_.AddSystray(tooltip_);
}

void TrayIcon::RemoveSysTray() {
    objTray_.RemoveSysTray();
}

void TrayIcon::ShowHiddenHint() {
    tooltip_ = kHiddenHint;
    objTray_.ToolTipChange(tooltip_);
}

void TrayIcon::PopupBalloon(std::wstring_view message, std::wstring_view title, std::int32_t kind) {
    objTray_.PopupBalloon(message, title, kind);
}

std::optional<LRESULT> TrayIcon::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
        AddSystray();
        return 0;
    }
    switch (msg) {
    case WM_MOUSEMOVE: {
        // The shell reports the icon's mouse and balloon events here, the event number as x.
        const UINT event = LOWORD(lp);
        if (event == NIN_BALLOONHIDE || event == NIN_BALLOONTIMEOUT ||
            event == NIN_BALLOONUSERCLICK) {
            owner_.BalloonClosed();
        }
        if (event == WM_LBUTTONDOWN) {
            // A new press starts a new click, even if a double-click's release got lost.
            swallowNextLeftUp_ = false;
        }
        Form_MouseMove(static_cast<std::int32_t>(event));
        return 0;
    }
    case WM_TIMER:
        if (wp != kSingleClickTimer) {
            return std::nullopt;
        }
        // False only when already stopped: the menu opens once either way.
        KillTimer(window_, kSingleClickTimer);
        OpenTrayMenu();
        return 0;
    case WM_DPICHANGED: {
        // The picture at the new DPI's size; the shell keeps its own copy until told. The
        // window itself is never seen: nothing else of it to lay out again.
        const win32::UniqueIcon old = std::move(icon_);
        LoadIcon({LOWORD(wp), HIWORD(wp)});
        ShowInWindow();
        objTray_.ToolTipChange(tooltip_);
        return 0;
    }
    default:
        return std::nullopt;
    }
}

void TrayIcon::Form_MouseMove(std::int32_t X) {
    switch (objTray_.MouseButton(X)) {
    case tray::kLeftButtonUp:
        if (swallowNextLeftUp_) {
            swallowNextLeftUp_ = false;
            break;
        }
        // Wait whether a second click makes this a double-click; a menu open now would
        // swallow that click. Without the timer the menu cannot wait.
        if (!SetTimer(window_, kSingleClickTimer, GetDoubleClickTime(), nullptr)) {
            win32::Trace(L"SetTimer");
            OpenTrayMenu();
        }
        break;
    case tray::kRightButtonDown:
        OpenTrayMenu();
        break;
    case tray::kLeftButtonDoubleClick:
        // False when the first click's wait is over: nothing to stop.
        KillTimer(window_, kSingleClickTimer);
        swallowNextLeftUp_ = true;
        if (!owner_.MainWindowShown()) {
            // Refused, the restored window comes up behind: still there for the user.
            objTray_.SetForeground();
            objTray_.RemoveBalloon();
            owner_.mnuRestaurar_Click();
        }
        break;
    default:
        break;
    }
}

void TrayIcon::OpenTrayMenu() {
    // A right click may come while a single click still waits: one menu only. False when none
    // waits.
    KillTimer(window_, kSingleClickTimer);
    // Refused, the menu still opens, only it may not close at a click elsewhere.
    objTray_.SetForeground();
    objTray_.RemoveBalloon();
    POINT at{};
    // Failed, the menu opens in the screen's corner: still there to choose from.
    GetCursorPos(&at);
    // 0: closed with nothing chosen, or not opened at all; nothing to do either way.
    const UINT chosen = static_cast<UINT>(TrackPopupMenuEx(
        mnuFile_.get(), TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, window_, nullptr));
    // Lets the menu close properly when the user clicks elsewhere. Not posted (a full queue),
    // the next menu may close as it opens: the user clicks once more.
    PostMessageW(window_, WM_NULL, 0, 0);
    if (chosen == kMnuRestaurar) {
        owner_.mnuRestaurar_Click();
    } else if (chosen == kMnuFechar) {
        owner_.mnuFechar_Click();
    }
}

} // namespace acordina::background
