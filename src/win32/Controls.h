#pragma once
// Thin wrappers for the standard controls, keeping the few behaviours of the
// old forms that the program relies on: a check box's change handler runs on
// every change of its value, by the user or by code; a sorted drop-down list
// has an index and a text; a vertical scroll bar may have its larger value at
// the top; a label can be clicked. The parent reflects WM_COMMAND, scroll and
// colour messages to the control object.

#include "win32/Colors.h"
#include "win32/Handles.h"
#include "win32/Layout.h"
#include "win32/Twips.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace acordina::win32 {

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND hwnd() const { return hwnd_; }
    const wchar_t* Name() const { return name_; }
    const ControlSpec* Row() const { return row_; }

    // Creates the control from its row of the layout table.
    virtual void Create(const ControlSpec& row, HWND parent, const Dpi& dpi, HFONT font);

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

    // Reflected from the parent.
    virtual void OnCommand(WORD /*code*/) {}
    virtual void OnVScroll(WORD /*code*/) {}
    HBRUSH OnCtlColor(HDC dc);

protected:
    virtual const wchar_t* ClassName() const = 0;
    virtual DWORD Style(const ControlSpec& row) const = 0;
    virtual DWORD ExStyle() const { return 0; }
    virtual OleColor DefaultBack() const { return kSysButtonFace; }
    virtual OleColor DefaultFore() const { return kSysButtonText; }
    void Invalidate() const;

private:
    HWND hwnd_ = nullptr;
    const wchar_t* name_ = L"";
    const ControlSpec* row_ = nullptr;
    OleColor back_ = kSysButtonFace;
    OleColor fore_ = kSysButtonText;
    bool hand_ = false;
    ColorBrush brush_;
};

// A captionless frame that holds other controls: a window of its own, so that
// disabling it takes its controls out of reach of mouse and keyboard.
class Frame : public Control {
public:
    struct HorizontalLine {
        int x1, x2, y;
        OleColor color;
    };
    void AddLine(HorizontalLine line) { lines_.push_back(line); }

protected:
    const wchar_t* ClassName() const override;
    DWORD Style(const ControlSpec& row) const override;
    DWORD ExStyle() const override { return WS_EX_CONTROLPARENT; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    std::vector<HorizontalLine> lines_;
    HFONT font_ = nullptr;
};

class Label : public Control {
public:
    std::function<void()> Click;
    void OnCommand(WORD code) override;

protected:
    const wchar_t* ClassName() const override { return L"STATIC"; }
    DWORD Style(const ControlSpec& row) const override;
};

class TextBox : public Control {
public:
    std::function<void()> GotFocus;
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
    ~NumberBox() override;
    void SetNumber(int value);
    void Create(const ControlSpec& row, HWND parent, const Dpi& dpi, HFONT font) override;
    void OnCommand(WORD code) override;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                 DWORD_PTR self);
    std::wstring shown_;
};

class CheckBox : public Control {
public:
    // Runs whenever the value changes, by a click or by SetValue.
    std::function<void()> Click;

    int Value() const;
    void SetValue(int value);
    void Create(const ControlSpec& row, HWND parent, const Dpi& dpi, HFONT font) override;
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
    // Runs whenever the selected index changes, by the user or by SetListIndex.
    std::function<void()> Click;

    void AddItem(std::wstring_view text);
    int ListCount() const;
    int ListIndex() const;
    void SetListIndex(int index);
    std::wstring List(int index) const;
    void Create(const ControlSpec& row, HWND parent, const Dpi& dpi, HFONT font) override;
    void OnCommand(WORD code) override;

protected:
    const wchar_t* ClassName() const override { return L"COMBOBOX"; }
    DWORD Style(const ControlSpec& row) const override;
    OleColor DefaultBack() const override { return kSysWindow; }
    OleColor DefaultFore() const override { return kSysWindowText; }

private:
    int index_ = -1;
};

// A vertical scroll bar whose top end may be the larger value (Min > Max).
class VScrollBar : public Control {
public:
    std::function<void()> Change;

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

// A borderless picture showing an icon; an image differs only in name.
class Picture : public Control {
public:
    std::function<void()> Click;
    void Create(const ControlSpec& row, HWND parent, const Dpi& dpi, HFONT font) override;
    void OnCommand(WORD code) override;
    HICON Icon() const { return icon_.get(); }

protected:
    const wchar_t* ClassName() const override { return L"STATIC"; }
    DWORD Style(const ControlSpec& row) const override;

private:
    UniqueIcon icon_;
};

class Button : public Control {
public:
    std::function<void()> Click;
    void OnCommand(WORD code) override;

protected:
    const wchar_t* ClassName() const override { return L"BUTTON"; }
    DWORD Style(const ControlSpec& row) const override;
};

// Finds the control object behind a child window of a form.
Control* ControlFromHandle(HWND hwnd);

} // namespace acordina::win32
