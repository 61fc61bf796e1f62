#pragma once
// Positions and sizes are designed in twips (1/1440 inch); the screen's
// dots per inch turn them into pixels, 15 twips a pixel at 96 dpi.

#include <windows.h>

namespace acordina::win32 {

struct Dpi {
    int x = 96;
    int y = 96;

    static Dpi Screen();
    // The DPI of the monitor a window is on (Windows 10 1607 on); before, the screen's.
    static Dpi OfWindow(HWND hwnd);
    // The width of a small icon (title bar, notification area) at this DPI.
    int SmallIconSize() const;

    int PixelsX(int twips) const { return Scale(twips, x); }
    int PixelsY(int twips) const { return Scale(twips, y); }
    float TwipsPerPixelX() const { return 1440.0f / static_cast<float>(x); }

private:
    // Whole pixels, the fraction dropped, so 15 twips are exactly one pixel at 96 dpi.
    static int Scale(int twips, int dpi) {
        return static_cast<int>(static_cast<long long>(twips) * dpi / 1440);
    }
};

} // namespace acordina::win32
