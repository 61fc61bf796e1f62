#pragma once
// A top-level window whose controls are its members: each registers itself at construction
// with its layout row. The form creates them (frames first, then what they hold, each in
// declaration order, which is the tab order), keeps their fonts and shows the hand cursor
// where asked.

#include "platform/Dpi.h"
#include "ui/Layout.h"
#include "ui/Monitors.h"
#include "ui/Window.h"
#include "ui/controls/Control.h"
#include "ui/controls/Frame.h"

#include <span>
#include <vector>

namespace acordina::win32 {

class Form : public Window {
public:
    // Every control, in declaration order.
    std::span<Control* const> Controls() const { return controls_; }
    const Dpi& dpi() const { return dpi_; }
    // Called by a control member's constructor; returns its identifier.
    int Adopt(Control& control);
    // Lays every control out again at another DPI: places and sizes from their twips, fonts made
    // again at the new size. The window's own size is the caller's.
    void ChangeDpi(Dpi dpi);

protected:
    Form();
    // Creates the controls' windows, leaving out those inside the frame `later` (if any) for
    // CreateContents: what the first drawn window hides can wait.
    void CreateControls(const Frame* later = nullptr);
    void CreateContents(const Frame& frame);
    // A window made on a monitor whose DPI is not the system's is laid out at the monitor's,
    // and centred again at its new size on that monitor. The keyboard cues start as the user's
    // setting says.
    void FitMonitor(const Monitors& monitors);
    void UseHandCursor(HCURSOR hand) { hand_ = hand; }
    HFONT FontFor(const FontSpec& font);
    // Where the focus goes when the window is first active: the first stop in the tab order.
    virtual HWND FirstFocus() const { return GetNextDlgTabItem(hwnd(), nullptr, FALSE); }
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    // Outer size for a client area in twips, for the window's styles.
    SIZE OuterSize(int clientWidthTwips, int clientHeightTwips, DWORD style, DWORD exStyle) const;
    // Top-left corner that centres a window of this size on a work area.
    static POINT Centred(SIZE size, const RECT& work);

private:
    // The controls inside `frame` (inside) or all the others.
    void CreateRows(const Frame* frame, bool inside);
    // Where two controls of a frame overlap, the one beneath gives up the shared part.
    static void ClipOverlaps(const std::vector<const Control*>& windows);
    // The focus goes back where it was when the window is active again; else to the first stop.
    void OnActivate(WPARAM wp);

    HWND lastFocus_ = nullptr;

    Dpi dpi_;
    std::vector<Control*> controls_;
    std::vector<UniqueFont> fonts_;
    HCURSOR hand_ = LoadCursorW(nullptr, IDC_HAND);
};

} // namespace acordina::win32
