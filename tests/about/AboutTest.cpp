// The About window, opened modally from the logo.
#include "ProgramFixture.h"
#include "about/frmSobre.h"

namespace acordina::testing {
namespace {

class AboutTest : public ProgramFixture {
protected:
    void SetUp() override { Start(); }
    void CloseAbout() {
        SendMessageW(program->About()->hwnd(), WM_CLOSE, 0, 0);
        Pump();
    }
};

TEST_F(AboutTest, OpensModallyFromTheLogoAndClosesTwiceInARow) {
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        EXPECT_EQ(program->About(), nullptr);
        Click(Main().imgTAVU);
        about::frmSobre* about = program->About();
        ASSERT_NE(about, nullptr);
        wchar_t title[16]{};
        GetWindowTextW(about->hwnd(), title, 16);
        EXPECT_STREQ(title, L"Sobre");
        EXPECT_TRUE(IsWindowVisible(about->hwnd()));
        EXPECT_EQ(GetWindow(about->hwnd(), GW_OWNER), Main().hwnd());
        EXPECT_FALSE(IsWindowEnabled(Main().hwnd())) << "the main window takes no input";
        EXPECT_EQ(about->lblSistema.Text(), L"Sistema Acordina");
        EXPECT_EQ(about->lblVer.Text(), L"versão 4.0.2");

        const HWND closed = about->hwnd();
        CloseAbout();
        EXPECT_FALSE(IsWindow(closed)) << "closing unloads the window";
        EXPECT_EQ(program->About(), nullptr);
        EXPECT_TRUE(IsWindowEnabled(Main().hwnd()));
    }
}

TEST_F(AboutTest, ClicksOnTheMainWindowDoNothingWhileItIsOpen) {
    Click(Main().imgTAVU);
    ASSERT_NE(program->About(), nullptr);
    // Moved aside so the click lands on the main window's status label.
    SetWindowPos(program->About()->hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RealClick(Main().lblStatus.hwnd());
    EXPECT_TRUE(fakes.messageBoxes.shown.empty()) << "the click did not arm or warn";
    EXPECT_FALSE(M().blnLigado);

    CloseAbout();
    // The same click with the About window closed reaches the label and arms.
    RealClick(Main().lblStatus.hwnd());
    EXPECT_TRUE(M().blnLigado);
}

TEST_F(AboutTest, WindowHasAFixedBorderACloseBoxTheFramedPictureAndItsFonts) {
    Click(Main().imgTAVU);
    about::frmSobre* about = program->About();
    ASSERT_NE(about, nullptr);
    const LONG style = GetWindowLongW(about->hwnd(), GWL_STYLE);
    EXPECT_EQ(style & (WS_BORDER | WS_SYSMENU), WS_BORDER | WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_FALSE(GetWindowLongW(about->hwnd(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    RECT client;
    GetClientRect(about->hwnd(), &client);
    EXPECT_EQ(client.right, 6300 / 15);
    EXPECT_EQ(client.bottom, 3075 / 15);
    EXPECT_TRUE(SendMessageW(about->hwnd(), WM_GETICON, ICON_BIG, 0));

    BITMAP bm{};
    auto picture = reinterpret_cast<HBITMAP>(
        SendMessageW(about->Picture1.hwnd(), STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(picture, nullptr);
    GetObjectW(picture, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 150);
    EXPECT_EQ(bm.bmHeight, 150);
    EXPECT_TRUE(GetWindowLongW(about->Picture1.hwnd(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    const struct {
        const win32::Control* label;
        LONG height, weight;
    } fonts[] = {
        {&about->lblSistema, -13, FW_BOLD},    {&about->lblVer, -13, FW_BOLD},
        {&about->lblRegistro, -11, FW_NORMAL}, {&about->lblDesenvolvedor, -11, FW_NORMAL},
        {&about->lblData, -11, FW_NORMAL},
    };
    for (const auto& f : fonts) {
        LOGFONTW lf{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(f.label->hwnd(), WM_GETFONT, 0, 0)),
                   sizeof lf, &lf);
        EXPECT_STREQ(lf.lfFaceName, L"MS Sans Serif") << f.label->Name();
        EXPECT_EQ(lf.lfHeight, f.height) << f.label->Name();
        EXPECT_EQ(lf.lfWeight, f.weight) << f.label->Name();
        EXPECT_FALSE(f.label->Text().empty()) << f.label->Name();
    }
    CloseAbout();
}

} // namespace
} // namespace acordina::testing
