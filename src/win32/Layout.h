#pragma once
// A window's controls are described by a table like the designers' layout:
// name, kind, container, place and size in twips, text, font, colours, state.

#include "win32/Colors.h"

#include <cstdint>

namespace acordina::win32 {

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
    FileList,
    Timer,
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
};

inline constexpr int kNoTab = -1;
inline constexpr OleColor kKindDefault = 0xFFFFFFFFu;

struct ControlSpec {
    const wchar_t* name;
    Kind kind;
    const wchar_t* container; // nullptr: the window itself
    int left, top, width, height;
    const wchar_t* text;
    FontSpec font;
    OleColor back = kKindDefault;
    OleColor fore = kKindDefault;
    std::uint32_t flags = kNone;
    int tab = kNoTab;
    int resource = 0; // icon of a picture or image
};

// Twips of a font: lfHeight for a point size at a given dpi.
int FontHeight(const FontSpec& f, int dpiY);

} // namespace acordina::win32
