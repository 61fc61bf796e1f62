#include "about/frmSobre.h"

#include "about/JpegPicture.h"
#include "platform/Failure.h"
#include "resource_ids.h"

namespace acordina::about {
namespace {

using namespace win32;

// A fixed single border: neither a sizing frame nor a dialog frame.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

} // namespace

frmSobre::frmSobre(const win32::Monitors& monitors) : monitors_(monitors) {
    icon_.reset(static_cast<HICON>(
        LoadImageW(ThisModule(), MAKEINTRESOURCEW(IDI_TAVU), IMAGE_ICON, 32, 32, 0)));
    if (!icon_) {
        win32::Trace(L"LoadImageW About"); // the window's default icon stands in
    }
}

frmSobre::~frmSobre() {
    if (hwnd() && owner_) {
        EnableWindow(owner_, TRUE);
    }
}

void frmSobre::ShowModalOver(HWND owner) {
    owner_ = owner;
    const SIZE size = OuterSize(kClientWidth, kClientHeight, kStyle, kExStyle);
    const POINT at = Centred(size, monitors_.WorkArea(owner));
    CreateWindowOfClass(L"AcordinaSobre", kExStyle, kStyle, L"Sobre", at.x, at.y, size.cx, size.cy,
                        owner, icon_.get());
    SetIcons(hwnd(), icon_.get(), icon_.get());
    CreateControls();
    FitMonitor(monitors_);
    // The picture sits in a sunken border and the control is sized to it.
    picture_ = LoadJpegResource(IDR_SOBRE_JPG);
    SetWindowLongW(Picture1.hwnd(), GWL_STYLE,
                   (GetWindowLongW(Picture1.hwnd(), GWL_STYLE) & ~SS_ICON) | SS_BITMAP);
    SetWindowLongW(Picture1.hwnd(), GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    SendMessageW(Picture1.hwnd(), STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(picture_.get()));
    SetWindowPos(Picture1.hwnd(), nullptr, 0, 0, dpi().PixelsX(2310), dpi().PixelsY(2310),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    EnableWindow(owner, FALSE);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
}

void frmSobre::Close() {
    // The owner takes input again before this window goes, so it gets the activation back.
    if (owner_) {
        EnableWindow(owner_, TRUE);
        owner_ = nullptr;
    }
    if (!DestroyWindow(hwnd())) {
        win32::Trace(L"DestroyWindow About"); // it still goes with its object
    }
}

LRESULT frmSobre::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // Esc and Enter close it too, as they close any message box.
    if (msg == WM_CLOSE || (msg == WM_COMMAND && (LOWORD(wp) == IDCANCEL || LOWORD(wp) == IDOK))) {
        Close();
        return 0;
    }
    return Form::OnMessage(msg, wp, lp);
}

} // namespace acordina::about
