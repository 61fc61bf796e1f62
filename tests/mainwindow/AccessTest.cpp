// The main window from the keyboard alone and for screen readers, on real windows.
#include "ProgramFixture.h"
#include "about/frmSobre.h"

#include <oleacc.h>

#include <string>
#include <vector>

namespace acordina::testing {
namespace {

class AccessTest : public ProgramFixture {
protected:
    void SetUp() override {
        fakes.folder.Write(L"galo.wav", "RIFF");
        Start();
    }
    // A key as the keyboard brings it: down and up, through the window's message loop.
    static void Press(WPARAM key, bool shift = false) {
        BYTE state[256]{};
        GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        for (const UINT msg : {WM_KEYDOWN, WM_KEYUP}) {
            PostMessageW(GetFocus(), msg, key, msg == WM_KEYUP ? 0xC0000001 : 1);
        }
        Pump();
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }
    // The controls the focus visits on each Tab (or Shift+Tab), named, from where it is.
    std::vector<std::wstring> Walk(int presses, bool back = false) {
        std::vector<std::wstring> names;
        for (int i = 0; i < presses; ++i) {
            Press(VK_TAB, back);
            const HWND at = GetFocus();
            const auto* c = win32::ControlFromHandle(at);
            names.push_back(c && IsWindowVisible(at) ? c->Name() : L"?");
        }
        return names;
    }
    std::wstring Focused() const {
        const auto* c = win32::ControlFromHandle(GetFocus());
        return c ? c->Name() : L"?";
    }
};

using Names = std::vector<std::wstring>;

// The hour and minute boxes hand the focus on, forwards or backwards as the Shift key is held.
TEST_F(AccessTest, TabStaysInSightAndTheDesignedOrderHoldsWithThePanelOpen) {
    EXPECT_EQ(Focused(), L"vsHH") << "the first stop in sight that keeps the focus";
    EXPECT_EQ(Walk(5), (Names{L"vsMM", L"lblStatus", L"lblConfig", L"imgTAVU", L"vsHH"}));
    EXPECT_EQ(Walk(5, true), (Names{L"imgTAVU", L"lblConfig", L"lblStatus", L"vsMM", L"vsHH"}));
    ASSERT_EQ(Walk(3).back(), L"lblConfig");
    Press(VK_RETURN);
    EXPECT_EQ(Main().lblConfig.Text(), L"Recolher Configurações <<");
    EXPECT_EQ(Walk(14), (Names{L"imgTAVU", L"vsHH", L"vsMM", L"lblStatus", L"chkDespSom",
                               L"chkDesligar", L"chkDespVisual", L"txt00min", L"chk15min",
                               L"chk10min", L"chk05min", L"chk02min", L"chk01min", L"lblConfig"}));
    Press(VK_SPACE);
    EXPECT_EQ(Main().lblConfig.Text(), L"Configurações >>");
    EXPECT_EQ(Walk(5, true), (Names{L"lblStatus", L"vsMM", L"vsHH", L"imgTAVU", L"lblConfig"}));
}

TEST_F(AccessTest, SpaceArmsAsAClickDoesEnterDisarmsAndTheLogoOpensAbout) {
    auto& f = Main();
    ASSERT_EQ(Walk(2), (Names{L"vsMM", L"lblStatus"}));
    Press(VK_SPACE);
    EXPECT_EQ(LastBox(), (ShownBox{f.hwnd(), L"Programa ACORDIMA programado!", L"Aviso!", 64}));
    EXPECT_TRUE(M().blnLigado);
    EXPECT_FALSE(IsWindowVisible(f.hwnd()));
    Restore();
    EXPECT_EQ(Focused(), L"lblStatus");
    Press(VK_RETURN);
    EXPECT_EQ(f.lblStatus.Text(), kDisarmed);
    EXPECT_FALSE(M().blnLigado);

    EXPECT_EQ(Walk(2), (Names{L"lblConfig", L"imgTAVU"}));
    Press(VK_RETURN);
    ASSERT_NE(program->About(), nullptr);
    SendMessageW(program->About()->hwnd(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ(Focused(), L"imgTAVU") << "the focus comes back where it was";
}

// Wine's accessibility layer names an edit box after the label before it; what it lacks
// (dynamic annotation) is checked at the service.
TEST_F(AccessTest, EveryControlIsNamedWithItsRoleAndTheSpinnersReadTheirBoxes) {
    auto& f = Main();
    for (const auto& [box, name] : {std::pair<const win32::Control*, const wchar_t*>(&f.txtHH, L"Horas"), {&f.txtMM, L"Minutos"},
                                    {&f.txt00min, L"Msg:"}}) {
        IAccessible* acc = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(box->hwnd(), OBJID_CLIENT, IID_IAccessible,
                                             reinterpret_cast<void**>(&acc)),
                  S_OK);
        VARIANT self{};
        self.vt = VT_I4;
        BSTR read = nullptr;
        VARIANT role{};
        EXPECT_EQ(acc->get_accName(self, &read), S_OK);
        EXPECT_EQ(acc->get_accRole(self, &role), S_OK);
        EXPECT_EQ(std::wstring(read ? read : L"") + L"/" + std::to_wstring(role.lVal),
                  std::wstring(name) + L"/" + std::to_wstring(ROLE_SYSTEM_TEXT));
        SysFreeString(read);
        acc->Release();
    }
    const auto& a11y = fakes.accessibility;
    const std::tuple<const win32::Control*, std::wstring, std::wstring, std::wstring> rows[] = {
        // control, name, role, value ("-": none given)
        {&f.vsHH, L"Horas", L"-", L"0"},
        {&f.vsMM, L"Minutos", L"-", L"0"},
        {&f.txt15min, L"15 min", L"-", L"-"},
        {&f.txt01min, L"01 min", L"-", L"-"},
        {&f.cboSom, L"Despertar com som", L"-", L"-"},
        {&f.lblStatus, L"Desligado. Clique aqui para ligá-lo.", L"43", L"-"},
        {&f.lblConfig, L"Configurações >>", L"43", L"-"},
        {&f.imgTAVU, L"Sobre", L"43", L"-"},
    };
    for (const auto& [c, name, role, value] : rows) {
        EXPECT_EQ(a11y.Last("name", c->hwnd()) + L"|" + a11y.Last("role", c->hwnd()) + L"|" +
                      a11y.Last("value", c->hwnd()),
                  name + L"|" + role + L"|" + value)
            << c->Name();
    }
    Spin(f.vsHH, SB_LINEUP, 23);
    Spin(f.vsMM, SB_LINEDOWN);
    EXPECT_EQ(a11y.Last("value", f.vsHH.hwnd()) + L":" + a11y.Last("value", f.vsMM.hwnd()),
              L"23:0");
    OpenPanel();
    EXPECT_EQ(a11y.Last("name", f.lblConfig.hwnd()), L"Recolher Configurações <<");
    Click(f.lblStatus);
    EXPECT_EQ(a11y.Last("name", f.lblStatus.hwnd()), L"Ligado. Clique aqui para desligá-lo.");
}

} // namespace
} // namespace acordina::testing
