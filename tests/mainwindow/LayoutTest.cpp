// The main window against its designed layout, on a real window at 96 dpi.
#include "ProgramFixture.h"
#include "win32/Twips.h"

#include <gmock/gmock.h>

namespace acordina::testing {
namespace {

using win32::Kind;

struct KindClass {
    Kind kind;
    const wchar_t* windowClass;
    LONG styleMask;
    LONG style;
};
constexpr KindClass kKinds[] = {
    {Kind::Frame, L"AcordinaFrame", 0, 0},
    {Kind::Label, L"Static", SS_TYPEMASK, SS_LEFT},
    {Kind::TextBox, L"Edit", 0, 0},
    {Kind::CheckBox, L"Button", BS_TYPEMASK, BS_AUTOCHECKBOX},
    {Kind::ComboBox, L"ComboBox", CBS_DROPDOWNLIST | CBS_SORT, CBS_DROPDOWNLIST | CBS_SORT},
    {Kind::VScrollBar, L"ScrollBar", SBS_VERT, SBS_VERT},
    {Kind::PictureBox, L"Static", SS_TYPEMASK, SS_ICON},
    {Kind::Image, L"Static", SS_TYPEMASK, SS_ICON},
};

// Place of a control relative to the main window's client area, in pixels.
RECT ClientRect(HWND control, HWND window) {
    RECT rc;
    GetWindowRect(control, &rc);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// The container's offset in twips, for rows placed inside a frame.
POINT ContainerOffset(const win32::ControlSpec& control) {
    return control.in ? POINT{control.in->Row()->left, control.in->Row()->top} : POINT{0, 0};
}

class LayoutTest : public ProgramFixture {
protected:
    void SetUp() override {
        ASSERT_EQ(win32::Dpi::Screen().x, 96) << "the expected pixels are for 96 dpi";
        Start();
    }
};

TEST_F(LayoutTest, EveryControlHasItsKindPlaceTextFontAndState) {
    auto& f = Main();
    for (win32::Control* c : f.Controls()) {
        const win32::ControlSpec& row = *c->Row();
        SCOPED_TRACE(::testing::PrintToString(std::wstring(row.name)));
        if (row.kind == Kind::Line) {
            continue;
        }
        ASSERT_TRUE(IsWindow(c->hwnd()));
        EXPECT_EQ(GetDlgItem(GetParent(c->hwnd()), GetDlgCtrlID(c->hwnd())), c->hwnd());

        for (const auto& k : kKinds) {
            if (k.kind == row.kind) {
                wchar_t windowClass[64]{};
                GetClassNameW(c->hwnd(), windowClass, 64);
                EXPECT_STREQ(windowClass, k.windowClass);
                const LONG style = GetWindowLongW(c->hwnd(), GWL_STYLE);
                if (row.kind != Kind::Label || !(row.flags & win32::kRightAligned)) {
                    EXPECT_EQ(style & k.styleMask, k.style);
                }
            }
        }

        const POINT offset = ContainerOffset(row);
        const RECT rc = ClientRect(c->hwnd(), f.hwnd());
        EXPECT_EQ(rc.left, (offset.x + row.left) * 96 / 1440);
        EXPECT_EQ(rc.top, (offset.y + row.top) * 96 / 1440);
        EXPECT_EQ(rc.right - rc.left, row.width / 15);
        if (row.kind != Kind::ComboBox) {
            EXPECT_EQ(rc.bottom - rc.top, row.height / 15);
        }

        if (std::wstring_view(row.name) != L"lblStatus" &&
            std::wstring_view(row.name) != L"txtHora" && row.kind != Kind::ComboBox) {
            EXPECT_EQ(c->Text(), row.text);
        }

        if (row.kind != Kind::VScrollBar && row.kind != Kind::PictureBox &&
            row.kind != Kind::Image) {
            LOGFONTW lf{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c->hwnd(), WM_GETFONT, 0, 0)),
                       sizeof lf, &lf);
            const auto& font = row.font.face ? row.font : win32::kWindowFont;
            EXPECT_STREQ(lf.lfFaceName, font.face);
            EXPECT_EQ(lf.lfHeight, -MulDiv(font.hundredthsOfPoint, 96, 7200));
            EXPECT_EQ(lf.lfWeight, font.bold ? FW_BOLD : FW_NORMAL);
        }

        EXPECT_EQ(c->Enabled(), !(row.flags & win32::kDisabled));
        EXPECT_EQ(c->Visible(), !(row.flags & win32::kHidden));
    }
}

TEST_F(LayoutTest, TheWindowHasItsTitleIconAndStartValues) {
    auto& f = Main();
    wchar_t title[32]{};
    GetWindowTextW(f.hwnd(), title, 32);
    EXPECT_STREQ(title, L"Acordina");
    EXPECT_TRUE(SendMessageW(f.hwnd(), WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(f.lblStatus.Text(), kDisarmed);
    EXPECT_EQ(f.cboSom.ListIndex(), -1);
    EXPECT_EQ(f.chkDespVisual.Value(), 1);
}

TEST_F(LayoutTest, ColoursFollowTheSystemSchemeAndTheClockIsWhiteOnBlack) {
    auto& f = Main();
    struct Expected {
        const win32::Control* control;
        win32::OleColor back;
    };
    const Expected cases[] = {
        {&f.txtHora, win32::kBlack},          {&f.lblStatus, win32::kSysWindow},
        {&f.lblConfig, win32::kSysWindow},    {&f.txt00min, win32::kSysWindow},
        {&f.txt15min, win32::kSysButtonFace}, {&f.cboSom, win32::kSysButtonFace},
        {&f.Label1, win32::kSysButtonFace},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.control->BackColor(), c.back) << c.control->Name();
    }
    EXPECT_EQ(f.txtHora.ForeColor(), win32::kWhite);
    EXPECT_EQ(f.lblStatus.ForeColor(), win32::kSysWindowText);

    // The colour the control is really painted with.
    HDC dc = GetDC(f.txtHora.hwnd());
    SendMessageW(GetParent(f.txtHora.hwnd()), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(f.txtHora.hwnd()));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 0));
    ReleaseDC(f.txtHora.hwnd(), dc);
}

TEST_F(LayoutTest, TheFiveClickableControlsShowTheHandCursor) {
    auto& f = Main();
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    for (const win32::Control* c : std::initializer_list<const win32::Control*>{
             &f.imgTAVU, &f.lblConfig, &f.lblStatus, &f.picDesligado, &f.picLigado}) {
        SetCursor(arrow);
        EXPECT_TRUE(SendMessageW(f.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(c->hwnd()),
                                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)))
            << c->Name();
        EXPECT_NE(GetCursor(), arrow) << c->Name();
    }
    EXPECT_FALSE(SendMessageW(f.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(f.Label1.hwnd()),
                              MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
}

// The controls Tab visits, from the first one on, once round.
std::vector<std::wstring> TabCycle(mainwindow::frmAcordina& f) {
    std::vector<std::wstring> names;
    HWND first = GetNextDlgTabItem(f.hwnd(), nullptr, FALSE);
    for (HWND h = first; h;) {
        auto* c = win32::ControlFromHandle(h);
        names.push_back(c ? c->Name() : L"?");
        h = GetNextDlgTabItem(f.hwnd(), h, FALSE);
        if (h == first || names.size() > 40) {
            break;
        }
    }
    return names;
}

TEST_F(LayoutTest, TabOrderFollowsTheDesignAndSkipsTheClockAndTheClosedPanel) {
    auto& f = Main();
    const std::vector<std::wstring> panel = {L"chkDespSom", L"chkDesligar", L"chkDespVisual",
                                             L"txt00min",   L"chk15min",    L"chk10min",
                                             L"chk05min",   L"chk02min",    L"chk01min"};
    std::vector<std::wstring> all = {L"txtHH", L"vsHH", L"txtMM", L"vsMM"};
    all.insert(all.end(), panel.begin(), panel.end());
    // The panel keeps its designed enabled state until it is first opened or closed.
    EXPECT_EQ(TabCycle(f), all);
    Click(f.lblConfig);
    EXPECT_EQ(TabCycle(f), all);
    Click(f.lblConfig);
    EXPECT_THAT(TabCycle(f), ::testing::ElementsAre(L"txtHH", L"vsHH", L"txtMM", L"vsMM"));
}

TEST_F(LayoutTest, TheClockCannotTakeTheFocusByMouse) {
    auto& f = Main();
    RealClick(f.txtHora.hwnd());
    EXPECT_NE(GetFocus(), f.txtHora.hwnd());
    EXPECT_FALSE(IsWindowEnabled(f.Frame1.hwnd()));
}

TEST_F(LayoutTest, AtTheCollapsedWidthNoPartOfThePanelIsVisible) {
    auto& f = Main();
    RECT client, panel, overlap;
    GetClientRect(f.hwnd(), &client);
    MapWindowPoints(f.hwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(f.fraConfig.hwnd(), &panel);
    EXPECT_FALSE(IntersectRect(&overlap, &client, &panel));

    Click(f.lblConfig);
    GetClientRect(f.hwnd(), &client);
    MapWindowPoints(f.hwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(f.fraConfig.hwnd(), &panel);
    EXPECT_TRUE(IntersectRect(&overlap, &client, &panel));
    EXPECT_TRUE(EqualRect(&overlap, &panel)) << "the whole panel shows when expanded";
}

TEST_F(LayoutTest, OverlappingControlsStackAsDesigned) {
    auto& f = Main();
    Click(f.lblConfig);
    ClickCheck(f.chkDespSom);
    struct Overlap {
        const win32::Control* upper;
        const win32::Control* lower;
    };
    // A later control covers an earlier one; labels lie beneath the real controls.
    const Overlap cases[] = {
        {&f.cboSom, &f.chkDespSom},
        {&f.txtMM, &f.Label1},
        {&f.picDesligado, &f.lblStatus},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.upper->Name())));
        RECT upper, lower, shared;
        GetWindowRect(c.upper->hwnd(), &upper);
        GetWindowRect(c.lower->hwnd(), &lower);
        ASSERT_TRUE(IntersectRect(&shared, &upper, &lower)) << "the designed places overlap";
        const POINT inside{(shared.left + shared.right) / 2, (shared.top + shared.bottom) / 2};
        EXPECT_EQ(WindowFromPoint(inside), c.upper->hwnd());
        const POINT lowerOnly{lower.left + 2, lower.bottom - 2};
        EXPECT_EQ(WindowFromPoint(lowerOnly), c.lower->hwnd());
    }
}

} // namespace
} // namespace acordina::testing
