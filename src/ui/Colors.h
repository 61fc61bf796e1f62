#pragma once
// Colours as the forms store them: a plain RGB value, or with the high bit
// set a reference to a system colour, so the user's colour scheme applies.

#include "platform/Handles.h"

#include <cstdint>

namespace acordina::win32 {

using OleColor = std::uint32_t;

inline constexpr OleColor kSysWindow = 0x80000005;     // COLOR_WINDOW
inline constexpr OleColor kSysWindowText = 0x80000008; // COLOR_WINDOWTEXT
inline constexpr OleColor kSysWorkspace = 0x8000000C;  // COLOR_APPWORKSPACE
inline constexpr OleColor kSysButtonFace = 0x8000000F; // COLOR_BTNFACE
inline constexpr OleColor kSysButtonText = 0x80000012; // COLOR_BTNTEXT
inline constexpr OleColor kBlack = 0x000000;
inline constexpr OleColor kWhite = 0xFFFFFF;

inline bool IsSystemColor(OleColor c) {
    return (c & 0x80000000u) != 0;
}

COLORREF ToColorRef(OleColor c);

// A brush for a colour: system brushes are shared and not owned; a plain
// colour gets a brush of its own, kept while the colour stays.
class ColorBrush {
public:
    HBRUSH Get(OleColor c);

private:
    OleColor color_ = 0;
    UniqueBrush own_;
};

} // namespace acordina::win32
