#pragma once

#include "ui/controls/Control.h"

#include <utility>

namespace acordina::win32 {

class CheckBox : public Control {
public:
    CheckBox(Form& form, const ControlSpec& row, Handler click = {})
        : Control(form, Kind::CheckBox, row), Click(std::move(click)) {}
    // Runs whenever the value changes, by a click or by SetValue.
    Handler Click;

    int Value() const;
    void SetValue(int value);
    void Create(HWND parent, const Dpi& dpi, HFONT font) override;
    void OnCommand(WORD code) override;

protected:
    const wchar_t* ClassName() const override { return L"BUTTON"; }
    DWORD Style(const ControlSpec& row) const override;

private:
    int value_ = 0;
};

} // namespace acordina::win32
