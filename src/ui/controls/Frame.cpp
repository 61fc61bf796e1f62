#include "ui/controls/Frame.h"

#include <cassert>

namespace acordina::win32 {

Frame::~Frame() {
    // Its parent destroys the window, with the controls inside.
    Detach();
}

const wchar_t* Frame::ClassName() const {
    static constexpr wchar_t kClass[] = L"AcordinaFrame";
    RegisterClassOnce(kClass, nullptr, nullptr);
    return kClass;
}

DWORD Frame::Style(const ControlSpec&) const {
    return WS_CLIPCHILDREN;
}

LRESULT Frame::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    // Kept for the border's offset; a plain window has no font of its own.
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wp);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    default:
        return Default(msg, wp, lp);
    }
}

void Frame::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    RECT rc;
    GetClientRect(hwnd(), &rc);
    // A captionless group box: its border starts half a text line down.
    TEXTMETRICW tm{};
    HGDIOBJ old = SelectObject(dc, font_);
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    rc.top += tm.tmHeight / 2;
    DrawEdge(dc, &rc, EDGE_ETCHED, BF_RECT);
    for (const auto& line : lines_) {
        RECT r{line.x1, line.y, line.x2, line.y + 1};
        ColorBrush brush;
        FillRect(dc, &r, brush.Get(line.color));
    }
    EndPaint(hwnd(), &ps);
}

void Line::Create(HWND, const Dpi& dpi, HFONT) {
    const ControlSpec& row = *Row();
    assert(row.in && "a line is drawn by its frame");
    drawn_ = true;
    row.in->AddLine(
        {dpi.PixelsX(row.left), dpi.PixelsX(row.left + row.width), dpi.PixelsY(row.top), row.back});
}

} // namespace acordina::win32
