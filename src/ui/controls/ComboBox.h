#pragma once

#include "ui/controls/Control.h"

#include <utility>

namespace acordina::win32 {

// A drop-down list the user can only pick from, kept sorted by the control.
class ComboBox : public Control {
public:
    ComboBox(Form& form, const ControlSpec& row, Handler click = {})
        : Control(form, Kind::ComboBox, row), Click(std::move(click)) {}
    // Runs whenever the selected index changes, by the user or by SetListIndex.
    Handler Click;

    void AddItem(std::wstring_view text);
    int ListCount() const;
    int ListIndex() const;
    void SetListIndex(int index);
    std::wstring List(int index) const;
    void Create(HWND parent, const Dpi& dpi, HFONT font) override;
    void Relayout(const Dpi& dpi, HFONT font) override;
    void OnCommand(WORD code) override;

protected:
    const wchar_t* ClassName() const override { return L"COMBOBOX"; }
    DWORD Style(const ControlSpec& row) const override;
    OleColor DefaultBack() const override { return kSysWindow; }
    OleColor DefaultFore() const override { return kSysWindowText; }

private:
    void Size(const Dpi& dpi);
    int index_ = -1;
};

} // namespace acordina::win32
