#include "ui/controls/Label.h"

#include "platform/Handles.h"

namespace acordina::win32 {
namespace {

bool FocusShown(HWND hwnd) {
    return GetFocus() == hwnd && !(SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}

// The rectangle the label's text covers: its leading line feeds and blanks left out, aligned
// as the label aligns it.
RECT TextRect(HWND hwnd, HDC dc) {
    RECT client;
    GetClientRect(hwnd, &client);
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    if ((style & SS_TYPEMASK) == SS_ICON || (style & SS_TYPEMASK) == SS_BITMAP) {
        return client;
    }
    // The captions are short; a longer one is measured by its start.
    wchar_t text[256]{};
    GetWindowTextW(hwnd, text, 256);
    const wchar_t* body = text;
    int lines = 0;
    for (; *body == L'\r' || *body == L'\n'; ++body) {
        lines += *body == L'\n';
    }
    const wchar_t* start = body;
    while (*start == L' ') {
        ++start;
    }
    if (!*start) {
        return client;
    }
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SIZE blanks{};
    GetTextExtentPoint32W(dc, body, static_cast<int>(start - body), &blanks);
    RECT rc{client.left + blanks.cx, client.top + lines * tm.tmHeight, client.right, client.bottom};
    RECT need = rc;
    DrawTextW(dc, start, -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    const LONG width = need.right - need.left;
    switch (style & SS_TYPEMASK) {
    case SS_RIGHT:
        rc.left = rc.right - width;
        break;
    case SS_CENTER:
        rc.left = (rc.left + rc.right - width) / 2;
        rc.right = rc.left + width;
        break;
    default:
        rc.right = rc.left + width;
        break;
    }
    rc.bottom = need.bottom;
    // The dotted line stands one pixel outside the letters, within the label.
    InflateRect(&rc, 1, 1);
    IntersectRect(&rc, &rc, &client);
    return rc;
}

void DrawFocus(HWND hwnd) {
    const WindowDC owned(hwnd);
    HDC dc = owned.get();
    if (!dc) {
        return;
    }
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    const RECT rc = TextRect(hwnd, dc);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    DrawFocusRect(dc, &rc);
    SelectObject(dc, old);
}

} // namespace

LRESULT Pressable::OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_GETDLGCODE: {
        // Enter comes to the control instead of the window's default button.
        const auto* m = reinterpret_cast<const MSG*>(lp);
        if (m && m->message == WM_KEYDOWN && m->wParam == VK_RETURN) {
            return DLGC_WANTALLKEYS;
        }
        break;
    }
    case WM_KEYDOWN:
        // A held key presses once.
        if ((wp == VK_SPACE || wp == VK_RETURN) && !(lp & (1 << 30))) {
            if (press_) {
                press_();
            }
            return 0;
        }
        break;
    case WM_PAINT: {
        const LRESULT result = Default(hwnd, msg, wp, lp);
        if (FocusShown(hwnd)) {
            DrawFocus(hwnd);
        }
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    default:
        break;
    }
    return Default(hwnd, msg, wp, lp);
}

DWORD Label::Style(const ControlSpec& row) const {
    DWORD style = SS_NOTIFY;
    if (row.flags & kRightAligned) {
        style |= SS_RIGHT;
    } else if (row.flags & kCentered) {
        style |= SS_CENTER;
    } else {
        style |= SS_LEFT;
    }
    return style;
}

void Label::Create(HWND parent, const Dpi& dpi, HFONT font) {
    Control::Create(parent, dpi, font);
    if (Row()->flags & kPressable) {
        pressable_.Attach(hwnd());
    }
}

void Label::OnCommand(WORD code) {
    if (code == STN_CLICKED && Click) {
        Click();
    }
}

} // namespace acordina::win32
