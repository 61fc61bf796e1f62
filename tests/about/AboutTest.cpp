// The About window, opened modally from the logo.
#include "ProgramFixture.h"
#include "about/frmSobre.h"

#include <tuple>

namespace acordina::testing {
namespace {

using AboutTest = ProgramFixture;

TEST_F(AboutTest, OpensModallyFromTheLogoWithAFixedBorderItsPictureAndTextsAndClosesTwice) {
    Start();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        Click(Main().imgTAVU);
        ASSERT_NE(program->About(), nullptr);
        const about::frmSobre& about = *program->About();
        const HWND w = about.hwnd();
        wchar_t title[16]{};
        GetWindowTextW(w, title, 16);
        EXPECT_STREQ(title, L"Sobre");
        EXPECT_TRUE(IsWindowVisible(w));
        EXPECT_EQ(GetWindow(w, GW_OWNER), Main().hwnd());
        EXPECT_FALSE(IsWindowEnabled(Main().hwnd())) << "the main window takes no input";
        EXPECT_EQ(GetWindowLongW(w, GWL_STYLE) &
                      (WS_BORDER | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
                  WS_BORDER | WS_SYSMENU);
        EXPECT_FALSE(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
        RECT client;
        GetClientRect(w, &client);
        EXPECT_EQ(client.right, 6300 / 15);
        EXPECT_EQ(client.bottom, 3075 / 15);
        EXPECT_TRUE(SendMessageW(w, WM_GETICON, ICON_BIG, 0));

        for (const auto& [label, text, height, weight] :
             {std::tuple(&about.lblVer, L"versão 4.0.2", -13, FW_BOLD),
              std::tuple(&about.lblData, L"São Paulo, dezembro de 2026", -11, FW_NORMAL)}) {
            const LOGFONTW lf = FontOf(label->hwnd());
            EXPECT_EQ(
                std::tuple(label->Text(), std::wstring(lf.lfFaceName), lf.lfHeight, lf.lfWeight),
                std::tuple(std::wstring(text), std::wstring(L"MS Sans Serif"), LONG{height},
                           LONG{weight}));
        }
        SendMessageW(w, WM_CLOSE, 0, 0);
        Pump();
        EXPECT_FALSE(IsWindow(w)) << "closing unloads the window";
        EXPECT_EQ(program->About(), nullptr);
        EXPECT_TRUE(IsWindowEnabled(Main().hwnd()));
    }
}

} // namespace
} // namespace acordina::testing
