#pragma once
// A control's row of the designed layout: place and size in twips, text, font, colours and
// state. Each control member carries its own row, written with designated initialisers that
// leave the defaults out.

#include "ui/Colors.h"

#include <cstdint>

namespace acordina::win32 {

class Frame;

enum class Kind {
    Frame,
    Label,
    TextBox,
    CheckBox,
    ComboBox,
    VScrollBar,
    PictureBox,
    Image,
    Line,
    Button,
};

struct FontSpec {
    const wchar_t* face = nullptr; // nullptr: the window's font
    int hundredthsOfPoint = 0;
    bool bold = false;
};

inline constexpr FontSpec kWindowFont{L"MS Sans Serif", 825, false};

enum Flags : std::uint32_t {
    kNone = 0,
    kDisabled = 1u << 0,
    kHidden = 1u << 1,
    kHandCursor = 1u << 2,
    kRightAligned = 1u << 3,
    kCentered = 1u << 4,
    kChecked = 1u << 5,
    kReadOnly = 1u << 6,
    // A label or picture that takes the focus and acts on Space and Enter as on a click.
    kPressable = 1u << 7,
};

inline constexpr OleColor kKindDefault = 0xFFFFFFFFu;

struct ControlSpec {
    const wchar_t* name;
    Frame* in = nullptr; // the frame holding the control; nullptr: the window itself
    int left = 0, top = 0, width = 0, height = 0;
    const wchar_t* text = L"";
    FontSpec font{};
    OleColor back = kKindDefault;
    OleColor fore = kKindDefault;
    std::uint32_t flags = kNone;
    int resource = 0;        // icon of a picture or image
    Kind kind = Kind::Label; // set by the control's class
};

// Twips of a font: lfHeight for a point size at a given dpi.
int FontHeight(const FontSpec& f, int dpiY);

} // namespace acordina::win32
