// The keyboard alone, screen readers, the look at 96 and 144 dpi against the pictures beside this
// file (ACORDINA_NEW_PICTURES=1 writes them anew; a difference leaves images in the build folder).
#include "ProgramFixture.h"
#include "about/frmSobre.h"

#include <objidl.h>
#include <oleacc.h>
#include <wrl/client.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>
using std::max; // GDI+ needs min and max unqualified
using std::min;
#include <gdiplus.h>

namespace acordina::testing {
namespace {

using Names = std::vector<std::wstring>;
using Rows = std::vector<std::array<LONG, 5>>;
constexpr CLSID kPngEncoder{0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0, 0, 0xf8, 0x1e, 0xf3, 0x2e}};

Rows Layout(const win32::Form& form) {
    Rows rows;
    for (const win32::Control* c : form.Controls()) {
        if (HWND h = c->hwnd()) {
            const RECT rc = RectIn(h, GetParent(h));
            rows.push_back(
                {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, FontOf(h).lfHeight});
        }
    }
    return rows;
}

class AccessTest : public ProgramFixture {
protected:
    void SetUp() override {
        Gdiplus::GdiplusStartup(&gdiplus_, &startup_, nullptr);
        Start();
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(gdiplus_); }
    // A key pressed and released, through the message loop; Shift held (until the next) if asked.
    static void Press(WPARAM key, bool shift = false) {
        BYTE state[256]{};
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
        Pump();
    }
    static std::wstring Focused() {
        const auto* c = win32::ControlFromHandle(GetFocus());
        return c && IsWindowVisible(GetFocus()) ? c->Name() : L"?";
    }
    // Where the focus lands on each of a few presses of Tab (or Shift+Tab).
    static Names Walk(int presses, bool back = false) {
        Names names;
        for (int i = 0; i < presses; ++i) {
            Press(VK_TAB, back);
            names.push_back(Focused());
        }
        return names;
    }
    static void ChangeDpi(HWND hwnd, int dpi, RECT to) {
        SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&to));
        Pump();
    }
    // The pixels of the client area as drawn, from the window's own surface (the screen's copy
    // follows later), that differ from its reference; -1: the size differs.
    static long Differs(HWND hwnd, const std::wstring& name) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT rc;
        GetClientRect(hwnd, &rc);
        HDC dc = GetDC(hwnd);
        HDC memory = CreateCompatibleDC(dc);
        const win32::UniqueBitmap bitmap(CreateCompatibleBitmap(dc, rc.right, rc.bottom));
        HGDIOBJ old = SelectObject(memory, bitmap.get());
        BitBlt(memory, 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        ReleaseDC(hwnd, dc);
        const auto now = std::make_unique<Gdiplus::Bitmap>(bitmap.get(), nullptr);
        const std::wstring reference = ACORDINA_PICTURES L"/" + name + L".png";
        if (std::getenv("ACORDINA_NEW_PICTURES")) {
            return now->Save(reference.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok ? 0 : -2;
        }
        Gdiplus::Bitmap want(reference.c_str());
        const UINT w = now->GetWidth(), h = now->GetHeight();
        long changed = want.GetWidth() == w && want.GetHeight() == h ? 0 : -1;
        for (UINT i = 0; changed >= 0 && i < w * h; ++i) {
            Gdiplus::Color shown, wanted;
            now->GetPixel(INT(i % w), INT(i / w), &shown);
            want.GetPixel(INT(i % w), INT(i / w), &wanted);
            changed += shown.GetValue() != wanted.GetValue();
        }
        if (changed != 0) {
            now->Save((name + L".png").c_str(), &kPngEncoder, nullptr);
            want.Save((name + L".reference.png").c_str(), &kPngEncoder, nullptr);
        }
        return changed;
    }

    Gdiplus::GdiplusStartupInput startup_;
    ULONG_PTR gdiplus_ = 0;
};

// The hour and minute boxes hand the focus on, forwards or backwards as Shift is held.
TEST_F(AccessTest, TheKeyboardReachesEveryActionAndNeverAHiddenControl) {
    EXPECT_EQ(Focused(), L"vsHH") << "the first stop in sight that keeps the focus";
    Press(VK_UP);
    EXPECT_EQ(Main().txtHH.Text(), L"1");
    EXPECT_EQ(Walk(5), (Names{L"vsMM", L"lblStatus", L"lblConfig", L"imgTAVU", L"vsHH"}));
    EXPECT_EQ(Walk(5, true), (Names{L"imgTAVU", L"lblConfig", L"lblStatus", L"vsMM", L"vsHH"}));
    ASSERT_EQ(Walk(3).back(), L"lblConfig");
    Press(VK_RETURN);
    EXPECT_EQ(Main().lblConfig.Text(), L"Recolher Configurações <<");
    // The panel first (a message box only while enabled), then the time, status, settings, logo.
    ClickCheck(Main().chkDespSom);
    ClickCheck(Main().chk05min);
    SetFocus(Main().lblConfig.hwnd());
    const Names ticked{L"imgTAVU",       L"chkDespSom", L"cboSom",    L"chkDesligar",
                       L"chkDespVisual", L"txt00min",   L"chk15min",  L"chk10min",
                       L"chk05min",      L"txt05min",   L"chk02min",  L"chk01min",
                       L"vsHH",          L"vsMM",       L"lblStatus", L"lblConfig"};
    EXPECT_EQ(Walk(16), ticked);
    Names back(ticked.rbegin() + 1, ticked.rend());
    back.push_back(L"lblConfig");
    EXPECT_EQ(Walk(16, true), back);
    ClickCheck(Main().chkDespSom);
    SetFocus(Main().lblConfig.hwnd());
    Press(VK_SPACE);
    EXPECT_EQ(Main().lblConfig.Text(), L"Configurações >>");
    EXPECT_EQ(Walk(5, true), (Names{L"lblStatus", L"vsMM", L"vsHH", L"imgTAVU", L"lblConfig"}));

    // Space arms as a click does, Enter disarms after a restore, the logo opens About.
    auto& f = Main();
    ASSERT_EQ(Walk(1, true), Names{L"lblStatus"});
    Press(VK_SPACE);
    EXPECT_EQ(LastBox(), (ShownBox{f.hwnd(), L"Programa ACORDIMA programado!", L"Aviso!", 64}));
    EXPECT_FALSE(IsWindowVisible(f.hwnd()));
    Restore();
    EXPECT_EQ(Focused(), L"lblStatus");
    Press(VK_RETURN);
    EXPECT_EQ(f.lblStatus.Text(), kDisarmed);
    EXPECT_EQ(Walk(2), (Names{L"lblConfig", L"imgTAVU"}));
    Press(VK_RETURN);
    ASSERT_NE(program->About(), nullptr);
    Press(VK_ESCAPE);
    EXPECT_EQ(Focused(), L"imgTAVU") << "the focus comes back where it was";
}

// A handler that throws under a press of the keyboard reaches the failure path, as a click's.
TEST_F(AccessTest, APressWhoseHandlerThrowsEndsTheProgramWithTheErrorBox) {
    Main().lblConfig.Click = [] { throw std::logic_error("lblConfig_Click"); };
    SetFocus(Main().lblConfig.hwnd());
    Press(VK_SPACE);
    EXPECT_EQ(LastBox(), (ShownBox{nullptr,
                                   L"O Acordina encontrou um erro e será fechado:\nerro interno "
                                   L"(lblConfig_Click)",
                                   L"Acordina", MB_ICONERROR}));
    EXPECT_EQ(fakes.comeback.calls.back(), L"exit failed");
}

// Wine names an edit box after its label; what it lacks (annotation) is checked at the service.
TEST_F(AccessTest, EveryControlIsNamedWithItsRoleAndTheSpinnersReadTheirBoxes) {
    auto& f = Main();
    VARIANT self{};
    self.vt = VT_I4;
    for (const auto& [box, want] : {std::pair<HWND, const wchar_t*>{f.txtHH.hwnd(), L"Horas 42"},
                                    {f.txtMM.hwnd(), L"Minutos 42"},
                                    {f.txt00min.hwnd(), L"Msg: 42"}}) {
        Microsoft::WRL::ComPtr<IAccessible> acc;
        ASSERT_EQ(AccessibleObjectFromWindow(box, OBJID_CLIENT, IID_PPV_ARGS(&acc)), S_OK);
        BSTR name = nullptr;
        VARIANT role{};
        acc->get_accName(self, &name);
        acc->get_accRole(self, &role);
        EXPECT_EQ(std::wstring(name ? name : L"") + L" " + std::to_wstring(role.lVal), want);
        SysFreeString(name);
    }
    Spin(f.vsHH, SB_LINEUP, 23);
    const auto read = [&a = fakes.accessibility.last](const win32::Control& c) {
        return a[{c.hwnd(), "name"}] + L"|" + a[{c.hwnd(), "role"}] + L"|" + a[{c.hwnd(), "value"}];
    };
    EXPECT_EQ(read(f.vsHH) + L" " + read(f.vsMM) + L" " + read(f.txt15min) + L" " + read(f.cboSom) +
                  L" " + read(f.imgTAVU) + L" " + read(f.lblConfig),
              L"Horas||23 Minutos||0 15 min|| Despertar com som|| Sobre|43| Configurações >>|43|");
    OpenPanel();
    Click(f.lblStatus);
    EXPECT_EQ(read(f.lblStatus) + L" " + read(f.lblConfig),
              L"Ligado. Clique aqui para desligá-lo.|43| Configurações >>|43|");
}

// At 144 dpi every control and font is half again as large, and at 96 dpi as designed.
TEST_F(AccessTest, TheWindowsFollowTheDpiAndLookAsTheirPictures) {
    auto& f = Main();
    const auto check = [this](const win32::Form& form, const std::wstring& name) {
        const Rows designed = Layout(form);
        const RECT at = RectIn(form.hwnd());
        const LONG w = at.right - at.left, h = at.bottom - at.top;
        EXPECT_EQ(Differs(form.hwnd(), name + L"-96"), 0);
        ChangeDpi(form.hwnd(), 144, {0, 0, w * 3 / 2, h * 3 / 2});
        const RECT now = RectIn(form.hwnd());
        EXPECT_EQ((std::array{now.left, now.top, now.right, now.bottom}),
                  (std::array{0L, 0L, w * 3 / 2, h * 3 / 2}));
        const Rows at144 = Layout(form);
        for (std::size_t i = 0; i < designed.size() * 5; ++i) {
            EXPECT_NEAR(at144[i / 5][i % 5], designed[i / 5][i % 5] * 1.5, 1.0)
                << form.Controls()[i / 5]->Name() << " " << i % 5;
        }
        EXPECT_EQ(Differs(form.hwnd(), name + L"-144"), 0);
        ChangeDpi(form.hwnd(), 96, {0, 0, w, h});
        EXPECT_EQ(Layout(form), designed);
    };
    SetFocus(f.lblStatus.hwnd());
    check(f, L"main-collapsed");
    Click(f.lblConfig);
    check(f, L"main-expanded");
    Click(f.lblStatus);
    Restore();
    check(f, L"main-armed");
    Click(f.imgTAVU);
    ASSERT_NE(program->About(), nullptr);
    check(*program->About(), L"about");
    // The notification area's icon takes the icon size of the new DPI.
    ChangeDpi(Background().hwnd(), 144, RectIn(Background().hwnd()));
    ICONINFO info{};
    GetIconInfo(reinterpret_cast<HICON>(std::uintptr_t{fakes.shell.calls.back().Field(20)}), &info);
    const win32::UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    BITMAP bm{};
    GetObjectW(mask.get(), sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, MulDiv(GetSystemMetrics(SM_CXSMICON), 3, 2));
}

} // namespace
} // namespace acordina::testing
