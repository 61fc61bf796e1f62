#include "ui/controls/Controls.h"

#include "ui/Form.h"
#include "ui/controls/Pressable.h"

#include <commctrl.h>

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <string>

namespace acordina::win32 {

int FontHeight(const FontSpec& f, int dpiY) {
    return -MulDiv(f.hundredthsOfPoint, dpiY, 7200);
}

namespace {
// A property, not GWLP_USERDATA: notifications also come from windows that are not ours.
constexpr wchar_t kControlProp[] = L"AcordinaControl";
} // namespace

Control* ControlFromHandle(HWND hwnd) {
    return hwnd ? static_cast<Control*>(GetPropW(hwnd, kControlProp)) : nullptr;
}

Control::~Control() {
    if (hwnd_ && IsWindow(hwnd_)) {
        RemovePropW(hwnd_, kControlProp);
        if (row_.flags & kPressable) {
            StopPressable(hwnd_);
        }
    }
}

Control::Control(Form& form, Kind kind, const ControlSpec& row)
    : row_(row), id_(form.Adopt(*this)) {
    row_.kind = kind;
}

void Control::Create(HWND parent, const Dpi& dpi, HFONT font) {
    const ControlSpec& row = row_;
    back_ = row.back == kKindDefault ? DefaultBack() : row.back;
    fore_ = row.fore == kKindDefault ? DefaultFore() : row.fore;
    hand_ = (row.flags & kHandCursor) != 0;
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | Style(row);
    if (!(row.flags & kHidden)) {
        style |= WS_VISIBLE;
    }
    if (row.flags & kDisabled) {
        style |= WS_DISABLED;
    }
    if (row.flags & kPressable) {
        style |= WS_TABSTOP;
    }
    hwnd_ = Created(CreateWindowExW(
        ExStyle(), ClassName(), row.text, style, dpi.PixelsX(row.left), dpi.PixelsY(row.top),
        dpi.PixelsX(row.width), dpi.PixelsY(row.height), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), ThisModule(), CreateParam()));
    SetPropW(hwnd_, kControlProp, this);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void Control::Relayout(const Dpi& dpi, HFONT font) {
    const ControlSpec& row = row_;
    SetWindowPos(hwnd_, nullptr, dpi.PixelsX(row.left), dpi.PixelsY(row.top),
                 dpi.PixelsX(row.width), dpi.PixelsY(row.height), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::wstring Control::Text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Control::SetText(std::wstring_view text) {
    SetWindowTextW(hwnd_, std::wstring(text).c_str());
    OnTextSet();
}

void Control::SetText(const wchar_t* text) {
    SetWindowTextW(hwnd_, text);
    OnTextSet();
}

bool Control::Enabled() const {
    return IsWindowEnabled(hwnd_) != FALSE;
}
void Control::SetEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled);
}
bool Control::Visible() const {
    return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}
void Control::SetVisible(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void Control::SetBackColor(OleColor c) {
    if (back_ != c) {
        back_ = c;
        Invalidate();
    }
}

void Control::Invalidate() const {
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH Control::OnCtlColor(HDC dc) {
    SetTextColor(dc, ToColorRef(fore_));
    SetBkColor(dc, ToColorRef(back_));
    return brush_.Get(back_);
}

// --- Frame -----------------------------------------------------------------

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

// --- Line ------------------------------------------------------------------

void Line::Create(HWND, const Dpi& dpi, HFONT) {
    const ControlSpec& row = *Row();
    assert(row.in && "a line is drawn by its frame");
    drawn_ = true;
    row.in->AddLine(
        {dpi.PixelsX(row.left), dpi.PixelsX(row.left + row.width), dpi.PixelsY(row.top), row.back});
}

// --- Label -----------------------------------------------------------------

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
        MakePressable(hwnd(), &Click);
    }
}

void Label::OnCommand(WORD code) {
    if (code == STN_CLICKED && Click) {
        Click();
    }
}

// --- TextBox ---------------------------------------------------------------

DWORD TextBox::Style(const ControlSpec& row) const {
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
    if (row.flags & kCentered) {
        style |= ES_CENTER;
    }
    if (row.flags & kReadOnly) {
        style |= ES_READONLY;
    }
    return style;
}

void TextBox::OnCommand(WORD code) {
    if (code == EN_SETFOCUS && GotFocus) {
        GotFocus();
    }
}

// --- NumberBox -------------------------------------------------------------

namespace {
constexpr UINT_PTR kNumberBoxSubclass = 1;
} // namespace

NumberBox::~NumberBox() {
    if (hwnd() && IsWindow(hwnd())) {
        RemoveWindowSubclass(hwnd(), &Proc, kNumberBoxSubclass);
    }
}

void NumberBox::Create(HWND parent, const Dpi& dpi, HFONT font) {
    TextBox::Create(parent, dpi, font);
    shown_ = Row()->text;
    SetWindowSubclass(hwnd(), &Proc, kNumberBoxSubclass, reinterpret_cast<DWORD_PTR>(this));
}

void NumberBox::SetNumber(int value) {
    shown_ = std::to_wstring(value);
    SetText(shown_.c_str());
}

void NumberBox::OnCommand(WORD code) {
    TextBox::OnCommand(code);
    // Whatever way the text changed, it goes back to the number.
    if (code == EN_CHANGE && Text() != shown_) {
        SetText(shown_.c_str());
    }
}

LRESULT CALLBACK NumberBox::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                 DWORD_PTR self) noexcept {
    switch (msg) {
    case WM_SETTEXT:
        if (!lp || reinterpret_cast<const NumberBox*>(self)->shown_ !=
                       reinterpret_cast<const wchar_t*>(lp)) {
            return FALSE;
        }
        break;
    case WM_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, &Proc, kNumberBoxSubclass);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

// --- CheckBox --------------------------------------------------------------

DWORD CheckBox::Style(const ControlSpec&) const {
    return WS_TABSTOP | BS_AUTOCHECKBOX;
}

void CheckBox::Create(HWND parent, const Dpi& dpi, HFONT font) {
    Control::Create(parent, dpi, font);
    value_ = (Row()->flags & kChecked) ? 1 : 0;
    SendMessageW(hwnd(), BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

int CheckBox::Value() const {
    return value_;
}

void CheckBox::SetValue(int value) {
    value = value ? 1 : 0;
    if (value == value_) {
        return;
    }
    value_ = value;
    SendMessageW(hwnd(), BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (Click) {
        Click();
    }
}

void CheckBox::OnCommand(WORD code) {
    if (code != BN_CLICKED) {
        return;
    }
    const int now = SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    if (now != value_) {
        value_ = now;
        if (Click) {
            Click();
        }
    }
}

// --- ComboBox --------------------------------------------------------------

DWORD ComboBox::Style(const ControlSpec&) const {
    return WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT;
}

void ComboBox::Create(HWND parent, const Dpi& dpi, HFONT font) {
    Control::Create(parent, dpi, font);
    Size(dpi);
}

void ComboBox::Relayout(const Dpi& dpi, HFONT font) {
    Control::Relayout(dpi, font);
    Size(dpi);
}

void ComboBox::Size(const Dpi& dpi) {
    const ControlSpec& row = *Row();
    // The layout gives the height of the closed list (the selection field and its
    // border); the height the window is created with is that of the dropped list.
    const int closed = dpi.PixelsY(row.height);
    SendMessageW(hwnd(), CB_SETITEMHEIGHT, WPARAM(-1), closed - 6);
    SetWindowPos(hwnd(), nullptr, 0, 0, dpi.PixelsX(row.width), closed * 9,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBox::AddItem(std::wstring_view text) {
    const int at = static_cast<int>(SendMessageW(
        hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::wstring(text).c_str())));
    // An entry sorted in before the selection moves the selected index on.
    if (index_ >= 0 && at >= 0 && at <= index_) {
        ++index_;
    }
}

int ComboBox::ListCount() const {
    return static_cast<int>(SendMessageW(hwnd(), CB_GETCOUNT, 0, 0));
}
int ComboBox::ListIndex() const {
    return index_;
}

std::wstring ComboBox::List(int index) const {
    const auto len = SendMessageW(hwnd(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (len == CB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(len) + 1, L'\0');
    SendMessageW(hwnd(), CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(len));
    return text;
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount() || index == index_) {
        return;
    }
    index_ = index;
    SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (Click) {
        Click();
    }
}

void ComboBox::OnCommand(WORD code) {
    if (code != CBN_SELCHANGE) {
        return;
    }
    const int now = static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
    if (now != index_) {
        index_ = now;
        if (Click) {
            Click();
        }
    }
}

// --- VScrollBar ------------------------------------------------------------

DWORD VScrollBar::Style(const ControlSpec&) const {
    return WS_TABSTOP | SBS_VERT;
}

void VScrollBar::SetRange(int min, int max) {
    min_ = min;
    max_ = max;
    SetScrollRange(hwnd(), SB_CTL, 0, std::abs(max - min), FALSE);
    value_ = std::clamp(value_, std::min(min, max), std::max(min, max));
    SetScrollPos(hwnd(), SB_CTL, Position(), TRUE);
}

int VScrollBar::Position() const {
    return std::abs(value_ - min_);
}

void VScrollBar::SetValue(int value) {
    value = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
    if (value == value_) {
        return;
    }
    value_ = value;
    SetScrollPos(hwnd(), SB_CTL, Position(), TRUE);
    if (Change) {
        Change();
    }
}

void VScrollBar::OnVScroll(WORD code) {
    // Moving down goes from Min towards Max, one step for a line or a page.
    const int towardsMax = max_ >= min_ ? 1 : -1;
    switch (code) {
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        SetValue(value_ + towardsMax);
        break;
    case SB_LINEUP:
    case SB_PAGEUP:
        SetValue(value_ - towardsMax);
        break;
    case SB_TOP:
        SetValue(min_);
        break;
    case SB_BOTTOM:
        SetValue(max_);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(hwnd(), SB_CTL, &si);
        SetValue(min_ + towardsMax * si.nTrackPos);
        break;
    }
    default:
        break;
    }
}

// --- Picture ---------------------------------------------------------------

DWORD Picture::Style(const ControlSpec&) const {
    return SS_ICON | SS_NOTIFY | SS_REALSIZECONTROL;
}

void Picture::Create(HWND parent, const Dpi& dpi, HFONT font) {
    Control::Create(parent, dpi, font);
    LoadIcon(dpi);
    if (Row()->flags & kPressable) {
        MakePressable(hwnd(), &Click);
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

// --- Button ----------------------------------------------------------------

DWORD Button::Style(const ControlSpec&) const {
    return WS_TABSTOP | BS_PUSHBUTTON;
}

void Button::OnCommand(WORD code) {
    if (code == BN_CLICKED && Click) {
        Click();
    }
}

} // namespace acordina::win32
