#pragma once

#include "ui/Window.h"
#include "ui/controls/Control.h"

#include <vector>

namespace acordina::win32 {

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

} // namespace acordina::win32
