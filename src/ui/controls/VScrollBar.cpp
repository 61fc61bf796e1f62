#include "ui/controls/VScrollBar.h"

#include <algorithm>
#include <cstdlib>

namespace acordina::win32 {

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

} // namespace acordina::win32
