#include "win32/Form.h"

#include "resource_ids.h"
#include "win32/Reflect.h"

#include <algorithm>

namespace acordina::win32 {
namespace {

bool MakesWindow(Kind kind) {
    return kind != Kind::Line && kind != Kind::FileList && kind != Kind::Timer;
}

// Text and pictures drawn straight onto their container, under the real controls.
bool LiesUnderneath(Kind kind) {
    return kind == Kind::Label || kind == Kind::Image;
}

// Designed tab position first; controls without one come last.
int TabKey(const ControlSpec* s) {
    return s->tab < 0 ? 1000 : s->tab;
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

Form::Form() : dpi_(Dpi::Screen()) {
    hand_ = LoadCursorW(ThisModule(), MAKEINTRESOURCEW(IDC_HAND_POINTER));
    if (!hand_) {
        hand_ = LoadCursorW(nullptr, IDC_HAND);
    }
}

Control* Form::FindIn(std::span<const NamedControl> controls, std::wstring_view name) {
    for (const auto& [controlName, control] : controls) {
        if (controlName == name) {
            return control;
        }
    }
    return nullptr;
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

void Form::CreateControls(std::span<const ControlSpec> layout, std::wstring_view later) {
    CreateRows(layout, later, false);
}

void Form::CreateContents(std::span<const ControlSpec> layout, std::wstring_view container) {
    CreateRows(layout, container, true);
}

void Form::CreateRows(std::span<const ControlSpec> layout, std::wstring_view container,
                      bool inside) {
    const auto taken = [&](const ControlSpec& row) {
        return (row.container != nullptr && row.container == container) == inside;
    };
    std::vector<const ControlSpec*> rows;
    for (const auto& row : layout) {
        if (MakesWindow(row.kind) && taken(row)) {
            rows.push_back(&row);
        }
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto* a, const auto* b) { return TabKey(a) < TabKey(b); });
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(kWindowFont)), FALSE);
    // Containers first, then what they contain; creation order is the tab order.
    for (const bool contained : {false, true}) {
        for (const auto* row : rows) {
            if ((row->container != nullptr) != contained) {
                continue;
            }
            HWND parent = contained ? Find(row->container)->hwnd() : hwnd();
            Find(row->name)->Create(*row, parent, dpi_, FontFor(row->font));
        }
    }
    // Pictures stand above what they overlap.
    for (const auto* row : rows) {
        if (row->kind == Kind::PictureBox) {
            SetWindowPos(Find(row->name)->hwnd(), HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    // Otherwise a control that overlaps one made before it stands above it, except that
    // labels and images lie beneath every other control. The stacking order is the
    // keyboard order, so the control underneath gives up the shared part instead.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            const ControlSpec& earlier = *rows[i];
            const ControlSpec& later = *rows[j];
            if (later.kind == Kind::PictureBox || earlier.container != later.container ||
                earlier.container == nullptr) {
                continue;
            }
            const bool laterUnderneath =
                LiesUnderneath(later.kind) && !LiesUnderneath(earlier.kind);
            const ControlSpec& lower = laterUnderneath ? later : earlier;
            const ControlSpec& upper = laterUnderneath ? earlier : later;
            GiveWayTo(Find(lower.name)->hwnd(), Find(upper.name)->hwnd());
        }
    }
    for (const auto& row : layout) {
        if (row.kind == Kind::Line && taken(row)) {
            static_cast<Frame*>(Find(row.container))
                ->AddLine({dpi_.PixelsX(row.left), dpi_.PixelsX(row.left + row.width),
                           dpi_.PixelsY(row.top), row.back});
        }
    }
}

SIZE Form::OuterSize(int clientWidthTwips, int clientHeightTwips, DWORD style,
                     DWORD exStyle) const {
    RECT rc{0, 0, dpi_.PixelsX(clientWidthTwips), dpi_.PixelsY(clientHeightTwips)};
    AdjustWindowRectEx(&rc, style, FALSE, exStyle);
    return {rc.right - rc.left, rc.bottom - rc.top};
}

POINT Form::Centred(SIZE size) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return {work.left + (work.right - work.left - size.cx) / 2,
            work.top + (work.bottom - work.top - size.cy) / 2};
}

LRESULT Form::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT reflected = 0;
    if (ReflectToControl(msg, wp, lp, reflected)) {
        return reflected;
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
