#include "ui/Form.h"

#include <cassert>

namespace acordina::win32 {
namespace {

// The first control identifier; the ones below are the dialog manager's (IDOK, IDCANCEL, ...).
constexpr int kFirstControlId = 1000;

// Text and pictures drawn straight onto their container, under the real controls.
bool LiesUnderneath(Kind kind) {
    return kind == Kind::Label || kind == Kind::Image;
}

// Takes the part of `lower` that `upper` covers out of `lower`'s window region.
void GiveWayTo(HWND lower, HWND upper) {
    RECT a, b, shared;
    GetWindowRect(lower, &a);
    GetWindowRect(upper, &b);
    if (!IntersectRect(&shared, &a, &b)) {
        return;
    }
    UniqueRegion region(CreateRectRgn(0, 0, a.right - a.left, a.bottom - a.top));
    if (GetWindowRgn(lower, region.get()) == ERROR) {
        SetRectRgn(region.get(), 0, 0, a.right - a.left, a.bottom - a.top);
    }
    const UniqueRegion covered(CreateRectRgn(shared.left - a.left, shared.top - a.top,
                                             shared.right - a.left, shared.bottom - a.top));
    CombineRgn(region.get(), region.get(), covered.get(), RGN_DIFF);
    // The window owns its region once it has taken it.
    if (SetWindowRgn(lower, region.get(), TRUE)) {
        region.release();
    }
}

} // namespace

int FontHeight(const FontSpec& f, int dpiY) {
    return -MulDiv(f.hundredthsOfPoint, dpiY, 7200);
}

Form::Form() : dpi_(Dpi::Screen()) {}

int Form::Adopt(Control& control) {
    controls_.push_back(&control);
    return kFirstControlId + static_cast<int>(controls_.size()) - 1;
}

HFONT Form::FontFor(const FontSpec& font) {
    const FontSpec& use = font.face ? font : kWindowFont;
    LOGFONTW lf{};
    lf.lfHeight = FontHeight(use, dpi_.y);
    lf.lfWeight = use.bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, use.face, LF_FACESIZE);
    for (const auto& font : fonts_) {
        LOGFONTW have{};
        GetObjectW(font.get(), sizeof have, &have);
        if (have.lfHeight == lf.lfHeight && have.lfWeight == lf.lfWeight &&
            lstrcmpW(have.lfFaceName, lf.lfFaceName) == 0) {
            return font.get();
        }
    }
    fonts_.emplace_back(CreateFontIndirectW(&lf));
    return fonts_.back().get();
}

void Form::CreateControls(const Frame* later) {
    CreateRows(later, false);
}

void Form::CreateContents(const Frame& frame) {
    CreateRows(&frame, true);
}

void Form::CreateRows(const Frame* frame, bool inside) {
    std::vector<Control*> taken;
    for (Control* c : controls_) {
        const Frame* in = c->Row()->in;
        if ((in != nullptr && in == frame) == inside) {
            taken.push_back(c);
        }
    }
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(kWindowFont)), FALSE);
    // Frames first, then what they hold; creation order is the tab order.
    for (const bool contained : {false, true}) {
        for (Control* c : taken) {
            const Frame* in = c->Row()->in;
            if ((in != nullptr) == contained) {
                // A frame of another form, or one declared after what it holds, has no window.
                assert((!in || in->hwnd()) && "a control's frame is made before it");
                c->Create(in ? in->hwnd() : hwnd(), dpi_, FontFor(c->Row()->font));
            }
        }
    }
    std::vector<const Control*> windows;
    for (const Control* c : taken) {
        if (c->hwnd()) {
            windows.push_back(c);
        }
    }
    // Pictures stand above what they overlap.
    for (const Control* c : windows) {
        if (c->Row()->kind == Kind::PictureBox) {
            SetWindowPos(c->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    ClipOverlaps(windows);
}

void Form::ClipOverlaps(const std::vector<const Control*>& windows) {
    // Otherwise a control that overlaps one made before it stands above it, except that
    // labels and images lie beneath every other control. The stacking order is the
    // keyboard order, so the control underneath gives up the shared part instead.
    for (std::size_t i = 0; i < windows.size(); ++i) {
        for (std::size_t j = i + 1; j < windows.size(); ++j) {
            const ControlSpec& earlier = *windows[i]->Row();
            const ControlSpec& later = *windows[j]->Row();
            if (later.kind == Kind::PictureBox || earlier.in != later.in || earlier.in == nullptr) {
                continue;
            }
            const bool laterUnderneath =
                LiesUnderneath(later.kind) && !LiesUnderneath(earlier.kind);
            GiveWayTo(windows[laterUnderneath ? j : i]->hwnd(),
                      windows[laterUnderneath ? i : j]->hwnd());
        }
    }
}

void Form::ChangeDpi(Dpi dpi) {
    dpi_ = dpi;
    // The controls keep using the old fonts until they are given the new ones.
    const std::vector<UniqueFont> old = std::move(fonts_);
    fonts_.clear();
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(kWindowFont)), FALSE);
    for (Control* c : controls_) {
        if (c->Row()->kind == Kind::Frame && c->hwnd()) {
            static_cast<Frame*>(c)->ClearLines();
        }
    }
    std::vector<const Control*> windows;
    for (Control* c : controls_) {
        // Lines are drawn by frames whose contents exist; a control not made yet waits.
        if (c->hwnd() || (c->Row()->kind == Kind::Line && static_cast<Line*>(c)->Drawn())) {
            c->Relayout(dpi_, FontFor(c->Row()->font));
        }
        if (c->hwnd()) {
            SetWindowRgn(c->hwnd(), nullptr, FALSE);
            windows.push_back(c);
        }
    }
    ClipOverlaps(windows);
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Form::FitMonitor(const Monitors& monitors) {
    SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
    const Dpi now = Dpi::OfWindow(hwnd());
    if (now.x == dpi_.x && now.y == dpi_.y) {
        return;
    }
    RECT rc;
    GetWindowRect(hwnd(), &rc);
    const SIZE size{MulDiv(rc.right - rc.left, now.x, dpi_.x),
                    MulDiv(rc.bottom - rc.top, now.y, dpi_.y)};
    ChangeDpi(now);
    const POINT at = Centred(size, monitors.WorkArea(hwnd()));
    SetWindowPos(hwnd(), nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::OnActivate(WPARAM wp) {
    if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        lastFocus_ = focus && IsChild(hwnd(), focus) ? focus : nullptr;
        return;
    }
    if (HIWORD(wp)) { // minimised
        return;
    }
    // A window never shown (the background one) keeps the keys to itself, as by default.
    HWND to = IsWindowVisible(hwnd()) ? lastFocus_ : hwnd();
    if (to != hwnd() &&
        (!to || !IsChild(hwnd(), to) || !IsWindowVisible(to) || !IsWindowEnabled(to))) {
        to = FirstFocus();
    }
    // A window with no stop takes the keys itself, as it would by default.
    SetFocus(to ? to : hwnd());
}

SIZE Form::OuterSize(int clientWidthTwips, int clientHeightTwips, DWORD style,
                     DWORD exStyle) const {
    RECT rc{0, 0, dpi_.PixelsX(clientWidthTwips), dpi_.PixelsY(clientHeightTwips)};
    AdjustWindowRectEx(&rc, style, FALSE, exStyle);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

POINT Form::Centred(SIZE size, const RECT& work) {
    return {work.left + (work.right - work.left - size.cx) / 2,
            work.top + (work.bottom - work.top - size.cy) / 2};
}

LRESULT Form::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ACTIVATE) {
        OnActivate(wp);
        return 0;
    }
    if (msg == WM_DPICHANGED) {
        ChangeDpi({LOWORD(wp), HIWORD(wp)});
        const RECT& to = *reinterpret_cast<const RECT*>(lp);
        SetWindowPos(hwnd(), nullptr, to.left, to.top, to.right - to.left, to.bottom - to.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    if (msg == WM_SETCURSOR) {
        if (auto* c = ControlFromHandle(reinterpret_cast<HWND>(wp));
            c && c->WantsHandCursor() && LOWORD(lp) == HTCLIENT) {
            SetCursor(hand_);
            return TRUE;
        }
    }
    return Default(msg, wp, lp);
}

} // namespace acordina::win32
