#pragma once

#include "ui/controls/Control.h"

#include <utility>

namespace acordina::win32 {

// A vertical scroll bar whose top end may be the larger value (Min > Max).
class VScrollBar : public Control {
public:
    VScrollBar(Form& form, const ControlSpec& row, Handler change = {})
        : Control(form, Kind::VScrollBar, row), Change(std::move(change)) {}
    Handler Change;

    void SetRange(int min, int max);
    int Value() const { return value_; }
    void SetValue(int value);
    void OnVScroll(WORD code) override;

protected:
    const wchar_t* ClassName() const override { return L"SCROLLBAR"; }
    DWORD Style(const ControlSpec& row) const override;

private:
    int Position() const; // 0 at the top
    int min_ = 0;
    int max_ = 0;
    int value_ = 0;
};

} // namespace acordina::win32
