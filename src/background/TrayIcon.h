#pragma once
// The program's icon in the notification area, all of it: its record (through cTrayBalloon),
// its picture at the current DPI, its tooltip, its return when the shell restarts, the clicks
// on it and its menu. The window it belongs to hands it its messages first and hears back
// through TrayIconOwner.

#include "platform/Dpi.h"
#include "platform/Handles.h"
#include "tray/cTrayBalloon.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace acordina::background {

// What the icon asks of the window it belongs to.
class TrayIconOwner {
public:
    // Displayed and not minimised: a double-click on the icon then does nothing.
    virtual bool MainWindowShown() const = 0;
    // "Restaurar", or a double-click while the main window is not shown.
    virtual void mnuRestaurar_Click() = 0;
    virtual void mnuFechar_Click() = 0;
    // The shell says the balloon went: timed out, clicked or closed.
    virtual void BalloonClosed() = 0;

protected:
    ~TrayIconOwner() = default;
};

class TrayIcon final : private tray::TrayTarget {
public:
    // The menu is made here: without it the hidden program could not be reached.
    TrayIcon(tray::TrayShell& shell, TrayIconOwner& owner);
    ~TrayIcon() override;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // The picture at a DPI's small-icon size, wanted before the window exists.
    HICON LoadIcon(const win32::Dpi& dpi);
    // The icon is this window's from now on, and the window shows its picture.
    void Attach(HWND window);

    // Put up with the tooltip of the moment.
    void AddSystray();
    void RemoveSysTray();
    // From now on the tip tells how to bring the hidden window back.
    void ShowHiddenHint();
    void PopupBalloon(std::wstring_view message, std::wstring_view title, std::int32_t kind);
    // With the clock's second: a refused icon is asked for again.
    void Retry(std::int64_t second) { objTray_.Retry(second); }

    // The icon's messages to its window; nullopt for the window's own.
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wp, LPARAM lp);

    HMENU mnuFile() const { return mnuFile_.get(); }

    // On the window, beside its own timers.
    static constexpr UINT_PTR kSingleClickTimer = 2;
    static constexpr UINT kMnuRestaurar = 101;
    static constexpr UINT kMnuFechar = 102;

private:
    std::uint32_t WindowHandle() const override;
    std::uint32_t IconHandle() const override;

    // The icon's mouse event, its message number as x.
    void Form_MouseMove(std::int32_t X);
    void OpenTrayMenu();
    // The window shows the icon's picture: the shell is given the window's own.
    void ShowInWindow() const;

    TrayIconOwner& owner_;
    tray::cTrayBalloon objTray_;
    HWND window_ = nullptr;
    win32::UniqueIcon icon_;
    win32::UniqueMenu mnuFile_;
    // A restarted shell has lost every icon; it asks the programs for them again. 0 when
    // Windows gave no number: the icon then stays lost after such a restart.
    const UINT taskbarCreated_;
    // The left button's release after a double-click must not open the menu.
    bool swallowNextLeftUp_ = false;
    // Put up again with the tip of the moment after the shell restarts.
    std::wstring tooltip_ = L"Acordina";
};

} // namespace acordina::background
