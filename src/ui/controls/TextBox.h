#pragma once

#include "ui/Subclass.h"
#include "ui/controls/Control.h"

#include <string>
#include <utility>

namespace acordina::win32 {

class TextBox : public Control {
public:
    TextBox(Form& form, const ControlSpec& row, Handler gotFocus = {})
        : Control(form, Kind::TextBox, row), GotFocus(std::move(gotFocus)) {}
    Handler GotFocus;
    void OnCommand(WORD code) override;

protected:
    const wchar_t* ClassName() const override { return L"EDIT"; }
    DWORD Style(const ControlSpec& row) const override;
    DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
    OleColor DefaultBack() const override { return kSysWindow; }
    OleColor DefaultFore() const override { return kSysWindowText; }
};

// A box that shows the number the program gives it (a spinner's value) and nothing else:
// typing, pasting, cutting, clearing, undoing and another program's WM_SETTEXT leave it as it is.
class NumberBox : public TextBox, private Subclass {
public:
    using TextBox::TextBox;
    void SetNumber(int value);
    void Create(HWND parent, const Dpi& dpi, HFONT font) override;
    void OnCommand(WORD code) override;

private:
    LRESULT OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    std::wstring shown_;
};

} // namespace acordina::win32
