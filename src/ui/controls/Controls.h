#pragma once
// Thin wrappers for the standard controls, keeping the few behaviours of the old forms that the
// program relies on: a check box's change handler runs on every change of its value, by the user
// or by code; a sorted drop-down list has an index and a text; a vertical scroll bar may have its
// larger value at the top; a label can be clicked. Each control window has an identifier unique
// in its form, and Window::Proc hands the parent's WM_COMMAND, scroll and colour messages back
// to the control object.
//
// A control is declared once, as a member of its form that carries its layout row and its
// handler, and registers itself with the form:
//     win32::Label lblConfig{*this, {.name = L"lblConfig", .in = &Frame3, ...},
//                            [this] { lblConfig_Click(); }};

#include "platform/Dpi.h"
#include "platform/Handles.h"
#include "ui/Colors.h"
#include "ui/Layout.h"
#include "ui/Window.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

    OleColor BackColor() const { return back_; }
    OleColor ForeColor() const { return fore_; }
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

// A captionless frame that holds other controls: a window of its own, so that
// disabling it takes its controls out of reach of mouse and keyboard.
class Frame : public Control, private Window {
public:
    Frame(Form& form, const ControlSpec& row) : Control(form, Kind::Frame, row) {}
    ~Frame() override;
    using Control::hwnd;

    struct HorizontalLine {
        int x1, x2, y;
        OleColor color;
    };
    void AddLine(HorizontalLine line) { lines_.push_back(line); }
    void ClearLines() { lines_.clear(); }

protected:
    const wchar_t* ClassName() const override;
    DWORD Style(const ControlSpec& row) const override;
    DWORD ExStyle() const override { return WS_EX_CONTROLPARENT; }
    void* CreateParam() override { return static_cast<Window*>(this); }
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint();
    std::vector<HorizontalLine> lines_;
    HFONT font_ = nullptr;
};

// A line drawn by its frame: no window of its own.
class Line : public Control {
public:
    Line(Form& form, const ControlSpec& row) : Control(form, Kind::Line, row) {}
    void Create(HWND parent, const Dpi& dpi, HFONT font) override;
    void Relayout(const Dpi& dpi, HFONT font) override { Create(nullptr, dpi, font); }
    bool Drawn() const { return drawn_; }

protected:
    const wchar_t* ClassName() const override { return L""; }
    DWORD Style(const ControlSpec&) const override { return 0; }

private:
    bool drawn_ = false;
};

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
};

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
class NumberBox : public TextBox {
public:
    using TextBox::TextBox;
    ~NumberBox() override;
    void SetNumber(int value);
    void Create(HWND parent, const Dpi& dpi, HFONT font) override;
    void OnCommand(WORD code) override;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                 DWORD_PTR self) noexcept;
    std::wstring shown_;
};

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
};

class Image : public Picture {
public:
    Image(Form& form, const ControlSpec& row, Handler click = {})
        : Picture(form, Kind::Image, row, std::move(click)) {}
};

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

// Finds the control object behind a child window of a form.
Control* ControlFromHandle(HWND hwnd);

} // namespace acordina::win32
