#pragma once
// A top-level window whose controls come from a layout table: it creates
// them (containers first, each level in tab order), keeps their fonts,
// reflects their notifications and shows the hand cursor where asked.

#include "win32/Controls.h"
#include "win32/Layout.h"
#include "win32/Twips.h"
#include "win32/Window.h"

#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace acordina::win32 {

class Form : public Window {
public:
    // Every control by its name; nullptr for rows that make no window.
    virtual Control* Find(std::wstring_view name) = 0;
    const Dpi& dpi() const { return dpi_; }

protected:
    using NamedControl = std::pair<std::wstring_view, Control*>;
    static Control* FindIn(std::span<const NamedControl> controls, std::wstring_view name);

    Form();
    // Creates the windows of the layout's rows, leaving out the contents of the container
    // `later` (if any) for CreateContents: what the first drawn window hides can wait.
    void CreateControls(std::span<const ControlSpec> layout, std::wstring_view later = {});
    void CreateContents(std::span<const ControlSpec> layout, std::wstring_view container);
    HFONT FontFor(const FontSpec& font);
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    // Outer size for a client area in twips, for the window's styles.
    SIZE OuterSize(int clientWidthTwips, int clientHeightTwips, DWORD style, DWORD exStyle) const;
    // Top-left corner that centres a window of this size on the screen's work area.
    static POINT Centred(SIZE size);

private:
    void CreateRows(std::span<const ControlSpec> layout, std::wstring_view container, bool inside);

    Dpi dpi_;
    std::vector<UniqueFont> fonts_;
    HCURSOR hand_ = nullptr;
};

} // namespace acordina::win32
