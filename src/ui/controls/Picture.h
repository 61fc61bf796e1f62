#pragma once

#include "platform/Handles.h"
#include "ui/controls/Control.h"
#include "ui/controls/Label.h"

#include <utility>

namespace acordina::win32 {

// A borderless picture showing an icon; an image differs in lying beneath other controls.
class Picture : public Control {
public:
    Picture(Form& form, const ControlSpec& row, Handler click = {})
        : Picture(form, Kind::PictureBox, row, std::move(click)) {}
    Handler Click;
    void Create(HWND parent, const Dpi& dpi, HFONT font) override;
    void Relayout(const Dpi& dpi, HFONT font) override;
    void OnCommand(WORD code) override;

protected:
    Picture(Form& form, Kind kind, const ControlSpec& row, Handler click)
        : Control(form, kind, row), Click(std::move(click)) {}
    const wchar_t* ClassName() const override { return L"STATIC"; }
    DWORD Style(const ControlSpec& row) const override;

private:
    // The icon at the size of its row at this DPI.
    void LoadIcon(const Dpi& dpi);
    UniqueIcon icon_;
    Pressable pressable_{Click};
};

class Image : public Picture {
public:
    Image(Form& form, const ControlSpec& row, Handler click = {})
        : Picture(form, Kind::Image, row, std::move(click)) {}
};

} // namespace acordina::win32
