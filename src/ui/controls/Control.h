#pragma once
// The base of the thin wrappers for the standard controls. Each control window has an
// identifier unique in its form, and Window::Proc hands the parent's WM_COMMAND, scroll and
// colour messages back to the control object.
//
// A control is declared once, as a member of its form that carries its layout row and its
// handler, and registers itself with the form:
//     win32::Label lblConfig{*this, {.name = L"lblConfig", .in = &Frame3, ...},
//                            [this] { lblConfig_Click(); }};

#include "platform/Dpi.h"
#include "ui/Colors.h"
#include "ui/Layout.h"

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace acordina::win32 {

class Form;
using Handler = std::function<void()>;

class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND hwnd() const { return hwnd_; }
    const wchar_t* Name() const { return row_.name; }
    const ControlSpec* Row() const { return &row_; }

    // Creates the control's window from its row, in parent (the form or the row's frame).
    virtual void Create(HWND parent, const Dpi& dpi, HFONT font);
    // Places and sizes it again from its row at another DPI, with the font made for that DPI.
    virtual void Relayout(const Dpi& dpi, HFONT font);

    std::wstring Text() const;
    void SetText(std::wstring_view text);
    // Already terminated: no copy (the clock sets its text every second).
    void SetText(const wchar_t* text);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);

    void SetBackColor(OleColor c);
    bool WantsHandCursor() const { return hand_; }

    // The parent's notifications, handed back by Window::Proc.
    virtual void OnCommand(WORD /*code*/) {}
    // After SetText.
    virtual void OnTextSet() {}
    virtual void OnVScroll(WORD /*code*/) {}
    HBRUSH OnCtlColor(HDC dc);

protected:
    Control(Form& form, Kind kind, const ControlSpec& row);
    virtual const wchar_t* ClassName() const = 0;
    virtual DWORD Style(const ControlSpec& row) const = 0;
    virtual DWORD ExStyle() const { return 0; }
    virtual OleColor DefaultBack() const { return kSysButtonFace; }
    virtual OleColor DefaultFore() const { return kSysButtonText; }
    // The creation parameter: the Window object of a control that is one.
    virtual void* CreateParam() { return nullptr; }
    void Invalidate() const;

private:
    HWND hwnd_ = nullptr;
    ControlSpec row_;
    int id_;
    OleColor back_ = kSysButtonFace;
    OleColor fore_ = kSysButtonText;
    bool hand_ = false;
    ColorBrush brush_;
};

// Finds the control object behind a child window of a form.
Control* ControlFromHandle(HWND hwnd);

} // namespace acordina::win32
