#pragma once

#include "ui/controls/Control.h"

#include <utility>

namespace acordina::win32 {

class Button : public Control {
public:
    Button(Form& form, const ControlSpec& row, Handler click = {})
        : Control(form, Kind::Button, row), Click(std::move(click)) {}
    Handler Click;
    void OnCommand(WORD code) override;

protected:
    const wchar_t* ClassName() const override { return L"BUTTON"; }
    DWORD Style(const ControlSpec& row) const override;
};

} // namespace acordina::win32
