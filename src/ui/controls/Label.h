#pragma once

#include "ui/Subclass.h"
#include "ui/controls/Control.h"

#include <utility>

namespace acordina::win32 {

// A label or a picture that the keyboard can press as a button: it takes the focus, Space and
// Enter act as a click, and the focus shows as the system's dotted rectangle around its text
// (a picture: around the whole picture) when the keyboard cues are on.
class Pressable final : public Subclass {
public:
    // `press` must outlive the object.
    explicit Pressable(const Handler& press) : press_(press) {}

private:
    LRESULT OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    const Handler& press_;
};

// Text that can be clicked (SS_NOTIFY).
class Label : public Control {
public:
    Label(Form& form, const ControlSpec& row, Handler click = {})
        : Control(form, Kind::Label, row), Click(std::move(click)) {}
    Handler Click;
    // Runs whenever the program sets the caption.
    Handler TextChanged;
    void Create(HWND parent, const Dpi& dpi, HFONT font) override;
    void OnCommand(WORD code) override;
    void OnTextSet() override {
        if (TextChanged) {
            TextChanged();
        }
    }

protected:
    const wchar_t* ClassName() const override { return L"STATIC"; }
    DWORD Style(const ControlSpec& row) const override;

private:
    Pressable pressable_{Click};
};

} // namespace acordina::win32
