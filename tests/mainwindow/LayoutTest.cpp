// The main window as it comes up, on a real window at 96 dpi.
#include "ProgramFixture.h"
#include "win32/Twips.h"

#include <array>

namespace acordina::testing {
namespace {

using LayoutTest = ProgramFixture;

// One control of each kind, inside each container: place, class, style, text and font.
TEST_F(LayoutTest, ControlsHaveTheirPlaceClassStyleTextAndFont) {
    ASSERT_EQ(win32::Dpi::Screen().x, 96) << "the expected pixels are for 96 dpi";
    Start();
    auto& f = Main();
    // Left, top, width and height (0: not checked) in client pixels; no face: no font.
    const struct {
        const win32::Control* c;
        std::array<LONG, 4> place;
        const wchar_t *windowClass, *text, *face;
        LONG styleMask, style, height, weight;
    } rows[] = {
        // clang-format off
        {&f.txtHora, {16, 24, 273, 83}, L"Edit", L"12:00:00", L"Arial", ES_CENTER | ES_RIGHT | ES_READONLY, ES_CENTER | ES_READONLY, -64, FW_BOLD},
        {&f.vsMM, {169, 144, 17, 26}, L"ScrollBar", L"", nullptr, SBS_VERT, SBS_VERT, 0, 0},
        {&f.lblStatus, {16, 180, 265, 40}, L"Static", kDisarmed, L"MS Sans Serif", SS_TYPEMASK, SS_LEFT, -11, FW_BOLD},
        {&f.picLigado, {24, 192, 16, 16}, L"Static", L"", nullptr, SS_TYPEMASK, SS_ICON, 0, 0},
        {&f.lblConfig, {56, 264, 233, 24}, L"Static", L"Configurações >>", L"MS Sans Serif", SS_TYPEMASK, SS_RIGHT, -11, FW_BOLD},
        {&f.Label8, {296, 99, 81, 17}, L"Static", L"Msg:", L"MS Sans Serif", SS_TYPEMASK, SS_RIGHT, -11, FW_NORMAL},
        {&f.cboSom, {448, 21, 145, 0}, L"ComboBox", L"", L"MS Sans Serif", CBS_DROPDOWNLIST | CBS_SORT, CBS_DROPDOWNLIST | CBS_SORT, -11, FW_NORMAL},
        {&f.chk01min, {320, 258, 65, 13}, L"Button", L"01 min", L"MS Sans Serif", BS_TYPEMASK, BS_AUTOCHECKBOX, -11, FW_NORMAL},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(r.c->Name())));
        RECT rc;
        GetWindowRect(r.c->hwnd(), &rc);
        MapWindowPoints(nullptr, f.hwnd(), reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_EQ(
            (std::array{rc.left, rc.top, rc.right - rc.left, r.place[3] ? rc.bottom - rc.top : 0}),
            r.place);
        wchar_t windowClass[16]{};
        GetClassNameW(r.c->hwnd(), windowClass, 16);
        EXPECT_STREQ(windowClass, r.windowClass);
        EXPECT_EQ(GetWindowLongW(r.c->hwnd(), GWL_STYLE) & r.styleMask, r.style);
        EXPECT_EQ(r.c->Text(), r.text);
        if (r.face) {
            const LOGFONTW lf = FontOf(r.c->hwnd());
            EXPECT_EQ(std::tuple(std::wstring(lf.lfFaceName), lf.lfHeight, lf.lfWeight),
                      std::tuple(std::wstring(r.face), r.height, r.weight));
        }
    }
    // Every control answers to its identifier in its parent.
    for (const win32::Control* c : f.Controls()) {
        EXPECT_EQ(GetDlgItem(GetParent(c->hwnd()), GetDlgCtrlID(c->hwnd())), c->hwnd())
            << c->Name();
    }
    // Centred on the work area; minimised, not maximised; the clock ticks white on black.
    RECT work, window;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(f.hwnd(), &window);
    EXPECT_NEAR(window.left + window.right, work.left + work.right, 1);
    EXPECT_EQ(GetWindowLongW(f.hwnd(), GWL_STYLE) &
                  (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_THICKFRAME | WS_MINIMIZEBOX);
    fakes.clock.Set(23, 59, 59);
    TickMain();
    EXPECT_EQ(f.txtHora.Text(), L"23:59:59");
    EXPECT_EQ(Painted(f.txtHora.hwnd()), std::pair(RGB(255, 255, 255), RGB(0, 0, 0)));
}

} // namespace
} // namespace acordina::testing
