// The About window, opened modally from the logo.
#include "ProgramFixture.h"
#include "about/frmSobre.h"

#include <tuple>

namespace acordina::testing {
namespace {

using AboutTest = ProgramFixture;

TEST_F(AboutTest, OpensModallyFromTheLogoWithAFixedBorderAndItsTextsAndClosesTwice) {
    Start();
    for (int round = 0; round < 2; ++round) { // the second time as the first
        Click(Main().imgTAVU);
        ASSERT_NE(program->About(), nullptr);
        const about::frmSobre& about = *program->About();
        const HWND w = about.hwnd();
        wchar_t title[16]{};
        GetWindowTextW(w, title, 16);
        EXPECT_STREQ(title, L"Sobre");
        EXPECT_EQ(GetWindow(w, GW_OWNER), Main().hwnd());
        EXPECT_FALSE(IsWindowEnabled(Main().hwnd())) << "the main window takes no input";
        EXPECT_EQ(GetWindowLongW(w, GWL_STYLE) &
                      (WS_BORDER | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
                  WS_BORDER | WS_SYSMENU);
        EXPECT_FALSE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

        const LOGFONTW lf = FontOf(about.lblVer.hwnd());
        EXPECT_EQ(
            std::tuple(about.lblVer.Text(), std::wstring(lf.lfFaceName), lf.lfHeight, lf.lfWeight),
            std::tuple(std::wstring(L"versão 4.0.2"), std::wstring(L"MS Sans Serif"), -13L,
                       long{FW_BOLD}));
        SendMessageW(w, WM_CLOSE, 0, 0);
        Pump();
        EXPECT_EQ(program->About(), nullptr);
        EXPECT_TRUE(IsWindowEnabled(Main().hwnd()));
    }
}

} // namespace
} // namespace acordina::testing
