#include "ui/controls/Picture.h"

#include "platform/Failure.h"
#include "ui/Window.h"

namespace acordina::win32 {

DWORD Picture::Style(const ControlSpec&) const {
    return SS_ICON | SS_NOTIFY | SS_REALSIZECONTROL;
}

void Picture::Create(HWND parent, const Dpi& dpi, HFONT font) {
    Control::Create(parent, dpi, font);
    LoadIcon(dpi);
    if (Row()->flags & kPressable) {
        pressable_.Attach(hwnd());
    }
}

void Picture::Relayout(const Dpi& dpi, HFONT font) {
    Control::Relayout(dpi, font);
    LoadIcon(dpi);
}

void Picture::LoadIcon(const Dpi& dpi) {
    const ControlSpec& row = *Row();
    if (row.resource != 0) {
        const int w = dpi.PixelsX(row.width);
        const int h = dpi.PixelsY(row.height);
        // The old icon goes only once the control shows the new one.
        UniqueIcon icon(static_cast<HICON>(
            LoadImageW(ThisModule(), MAKEINTRESOURCEW(row.resource), IMAGE_ICON, w, h, 0)));
        if (!icon) {
            Trace(L"LoadImageW Picture"); // the control stays blank, its click still works
        }
        SendMessageW(hwnd(), STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
        icon_ = std::move(icon);
        SetWindowPos(hwnd(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Picture::OnCommand(WORD code) {
    if (code == STN_CLICKED && Click) {
        Click();
    }
}

} // namespace acordina::win32
