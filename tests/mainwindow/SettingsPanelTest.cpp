// The settings panel: opening and closing it, the check boxes that enable
// their paired controls, and the help entry of the sound list.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace acordina::testing {
namespace {

constexpr wchar_t kHelpText[] = L"Para configurar novos sons, escolha qualquer arquivo WAV e "
                                L"coloque na pasta de instalação deste sistema (";

// How many pixels of each colour a control paints into its text field: the
// whole client area of a text box, the selection field of a drop-down list.
std::map<COLORREF, int> PaintedColours(HWND control) {
    RECT client;
    GetClientRect(control, &client);
    RECT field = client;
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    if (GetComboBoxInfo(control, &combo)) {
        // Without the line of the frame drawn along the field.
        field = combo.rcItem;
        InflateRect(&field, -1, -1);
    }
    HDC screen = GetDC(control);
    struct MemoryDc {
        HDC dc;
        ~MemoryDc() { DeleteDC(dc); }
    } memory{CreateCompatibleDC(screen)};
    win32::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, client.right, client.bottom));
    ReleaseDC(control, screen);
    const HGDIOBJ old = SelectObject(memory.dc, bitmap.get());
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.dc),
                 PRF_CLIENT | PRF_ERASEBKGND);
    std::map<COLORREF, int> counts;
    for (int y = field.top; y < field.bottom; ++y) {
        for (int x = field.left; x < field.right; ++x) {
            ++counts[GetPixel(memory.dc, x, y)];
        }
    }
    SelectObject(memory.dc, old);
    return counts;
}

// The background is the colour most pixels have; the other state's background shows nowhere.
void ExpectPaintedWith(HWND control, int colourIndex, int otherIndex) {
    const auto counts = PaintedColours(control);
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    ASSERT_NE(most, counts.end());
    EXPECT_EQ(most->first, GetSysColor(colourIndex));
    EXPECT_EQ(counts.count(GetSysColor(otherIndex)), 0u);
}

struct Pair {
    win32::CheckBox* check;
    win32::Control* paired;
};

// The seven check boxes and the control each one enables.
std::array<Pair, 7> Pairs(mainwindow::frmAcordina& f) {
    return {{{&f.chk15min, &f.txt15min},
             {&f.chk10min, &f.txt10min},
             {&f.chk05min, &f.txt05min},
             {&f.chk02min, &f.txt02min},
             {&f.chk01min, &f.txt01min},
             {&f.chkDespVisual, &f.txt00min},
             {&f.chkDespSom, &f.cboSom}}};
}

int WindowWidth(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return rc.right - rc.left;
}

class SettingsPanelTest : public ProgramFixture {
protected:
    void SetUp() override {
        fakes.folder.Write(L"b.wav", "RIFF");
        fakes.folder.Write(L"a.wav", "RIFF");
        Start();
    }

    std::wstring HelpText() const { return kHelpText + fakes.folder.Path() + L")"; }
};

TEST_F(SettingsPanelTest, ClicksOnTheLabelSwitchWidthCaptionAndFrame) {
    auto& f = Main();
    RECT start;
    GetWindowRect(f.hwnd(), &start);
    EXPECT_EQ(WindowWidth(f.hwnd()), 4725 / 15);
    EXPECT_EQ(f.lblConfig.Text(), L"Configurações >>");
    EXPECT_TRUE(f.fraConfig.Enabled()) << "the frame keeps its designed state until first used";

    struct Step {
        int width;
        const wchar_t* caption;
        bool frameEnabled;
    };
    const Step steps[] = {
        {9270 / 15, L"Recolher Configurações <<", true},
        {4725 / 15, L"Configurações >>", false},
        {9270 / 15, L"Recolher Configurações <<", true},
        {4725 / 15, L"Configurações >>", false},
    };
    for (const auto& step : steps) {
        Click(f.lblConfig);
        RECT now;
        GetWindowRect(f.hwnd(), &now);
        EXPECT_EQ(now.right - now.left, step.width);
        EXPECT_EQ(f.lblConfig.Text(), step.caption);
        EXPECT_EQ(f.fraConfig.Enabled(), step.frameEnabled);
        // Only the width changes.
        EXPECT_EQ(now.left, start.left);
        EXPECT_EQ(now.top, start.top);
        EXPECT_EQ(now.bottom - now.top, start.bottom - start.top);
    }
}

TEST_F(SettingsPanelTest, CollapsingACollapsedPanelSetsTheSameValuesAgain) {
    auto& f = Main();
    for (int i = 0; i < 2; ++i) {
        f.RecolherConfig();
        Pump();
        EXPECT_EQ(WindowWidth(f.hwnd()), 4725 / 15);
        EXPECT_EQ(f.lblConfig.Text(), L"Configurações >>");
        EXPECT_FALSE(f.fraConfig.Enabled());
    }
    Click(f.lblConfig);
    f.RecolherConfig();
    Pump();
    EXPECT_EQ(WindowWidth(f.hwnd()), 4725 / 15);
    EXPECT_EQ(f.lblConfig.Text(), L"Configurações >>");
}

TEST_F(SettingsPanelTest, OnlyTheExactCollapsedCaptionExpands) {
    struct Case {
        const wchar_t* caption;
        bool expands;
    };
    const Case cases[] = {
        {L"Configurações >>", true},           {L"configurações >>", false},
        {L"Configurações >> ", false},         {L"Configuracoes >>", false},
        {L"Recolher Configurações <<", false}, {L"", false},
    };
    auto& f = Main();
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.caption)));
        f.lblConfig.SetText(c.caption);
        Click(f.lblConfig);
        EXPECT_EQ(WindowWidth(f.hwnd()), (c.expands ? 9270 : 4725) / 15);
        EXPECT_EQ(f.lblConfig.Text(),
                  c.expands ? L"Recolher Configurações <<" : L"Configurações >>");
        EXPECT_EQ(f.fraConfig.Enabled(), c.expands);
    }
}

TEST_F(SettingsPanelTest, EachCheckBoxEnablesItsPairedControlOnlyWhileChecked) {
    auto& f = Main();
    Click(f.lblConfig);
    // A sound chosen first, so that the list's selection can be seen to stay.
    ClickCheck(f.chkDespSom);
    Choose(f.cboSom, 2);
    ASSERT_EQ(f.cboSom.Text(), L"b.wav");

    for (const auto& p : Pairs(f)) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(p.check->Name())));
        const std::wstring text = p.paired->Text();
        ASSERT_FALSE(text.empty());
        const int first = p.check->Value();
        for (int click = 1; click <= 2; ++click) {
            ClickCheck(*p.check);
            const bool on = p.check->Value() == 1;
            EXPECT_EQ(on, click == 1 ? first == 0 : first == 1);
            EXPECT_EQ(IsWindowEnabled(p.paired->hwnd()) != FALSE, on);
            EXPECT_EQ(p.paired->BackColor(), on ? win32::kSysWindow : win32::kSysButtonFace);
            ExpectPaintedWith(p.paired->hwnd(), on ? COLOR_WINDOW : COLOR_BTNFACE,
                              on ? COLOR_BTNFACE : COLOR_WINDOW);
            EXPECT_EQ(p.paired->Text(), text);
        }
    }
    EXPECT_EQ(f.cboSom.ListIndex(), 2);
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
}

TEST_F(SettingsPanelTest, CodeRaisesTheChangeHandlingOnlyWhenTheValueChanges) {
    auto& f = Main();
    for (const auto& c : Pairs(f)) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.check->Name())));
        int raised = 0;
        const std::function<void()> handler = c.check->Click;
        c.check->Click = [&] {
            ++raised;
            handler();
        };
        const int start = c.check->Value();
        const int other = 1 - start;
        const struct {
            int value;
            int raisedSoFar;
        } steps[] = {{start, 0}, {other, 1}, {other, 1}, {start, 2}, {start, 2}, {other, 3}};
        for (const auto& step : steps) {
            c.check->SetValue(step.value);
            EXPECT_EQ(raised, step.raisedSoFar) << "value " << step.value;
            EXPECT_EQ(c.paired->Enabled(), step.value == 1);
            EXPECT_EQ(c.paired->BackColor(),
                      step.value == 1 ? win32::kSysWindow : win32::kSysButtonFace);
            EXPECT_EQ(SendMessageW(c.check->hwnd(), BM_GETCHECK, 0, 0),
                      step.value == 1 ? BST_CHECKED : BST_UNCHECKED);
        }
        c.check->Click = handler;
    }
}

TEST_F(SettingsPanelTest, ChoosingHelpClearsTheSelectionAndShowsTheFolder) {
    auto& f = Main();
    ASSERT_THAT(std::vector<std::wstring>({f.cboSom.List(0), f.cboSom.List(1), f.cboSom.List(2)}),
                ::testing::ElementsAre(L"...Ajuda", L"a.wav", L"b.wav"));
    ClickCheck(f.chkDespSom);
    Choose(f.cboSom, 1);
    EXPECT_EQ(f.cboSom.Text(), L"a.wav");
    EXPECT_TRUE(fakes.messageBoxes.shown.empty()) << "a sound needs no help";

    std::vector<LRESULT> selectedWhileShown;
    fakes.messageBoxes.onShow = [&](const ShownBox&) {
        selectedWhileShown.push_back(SendMessageW(f.cboSom.hwnd(), CB_GETCURSEL, 0, 0));
    };
    Choose(f.cboSom, 0);
    EXPECT_THAT(selectedWhileShown, ::testing::ElementsAre(CB_ERR)) << "cleared before the box";
    EXPECT_EQ(f.cboSom.ListIndex(), -1);
    EXPECT_EQ(SendMessageW(f.cboSom.hwnd(), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(f.cboSom.Text(), L"");
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    const ShownBox& box = fakes.messageBoxes.shown[0];
    EXPECT_EQ(box.text, HelpText());
    EXPECT_EQ(box.title, L"Ajuda");
    EXPECT_EQ(box.style, 64u);
    EXPECT_EQ(box.owner, f.hwnd());

    // With sound ticked and nothing chosen, arming is refused.
    Click(f.lblStatus);
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBoxes.shown[1].text, L"Escolha um som para despertar.");
    EXPECT_EQ(fakes.messageBoxes.shown[1].style, 16u);
    EXPECT_FALSE(M().blnLigado);
    EXPECT_FALSE(fakes.folder.Read(L"Config.inf"));
}

TEST_F(SettingsPanelTest, ChoosingHelpWithNothingSelectedShowsOneBoxToo) {
    auto& f = Main();
    Choose(f.cboSom, 0);
    EXPECT_EQ(f.cboSom.ListIndex(), -1);
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, HelpText());
    // The list stays as it was built.
    EXPECT_EQ(f.cboSom.ListCount(), 3);
}

// Enabled state, text, colour and visibility of every control of the window.
std::vector<std::wstring> Snapshot(mainwindow::frmAcordina& f, const win32::Control* except) {
    std::vector<std::wstring> rows;
    for (const auto& spec : mainwindow::Layout()) {
        const win32::Control* c = f.Find(spec.name);
        if (c == nullptr || c == except) {
            continue;
        }
        rows.push_back(std::wstring(spec.name) + L"|" + c->Text() + L"|" +
                       std::to_wstring(c->Enabled()) + std::to_wstring(c->Visible()) + L"|" +
                       std::to_wstring(c->BackColor()));
    }
    return rows;
}

TEST_F(SettingsPanelTest, ShutdownBoxChangesNothingElse) {
    auto& f = Main();
    Click(f.lblConfig);
    const auto before = Snapshot(f, &f.chkDesligar);
    ClickCheck(f.chkDesligar);
    EXPECT_EQ(f.chkDesligar.Value(), 1);
    EXPECT_EQ(Snapshot(f, &f.chkDesligar), before);
    ClickCheck(f.chkDesligar);
    EXPECT_EQ(f.chkDesligar.Value(), 0);
    EXPECT_EQ(Snapshot(f, &f.chkDesligar), before);
}

TEST_F(SettingsPanelTest, PanelWorkNeitherArmsNorSavesNorPublishes) {
    auto& f = Main();
    Click(f.lblConfig);
    ClickCheck(f.chkDespSom);
    Choose(f.cboSom, 2);
    ClickCheck(f.chkDesligar);
    ClickCheck(f.chk05min);
    ClickCheck(f.chkDespVisual);
    f.txt00min.SetText(L"Bom dia");
    Choose(f.cboSom, 0);
    Click(f.lblConfig);
    EXPECT_FALSE(fakes.folder.Read(L"Config.inf"));
    EXPECT_FALSE(M().blnLigado);
    EXPECT_FALSE(M().blnDespSom);
    EXPECT_FALSE(M().blnDesligar);
    EXPECT_FALSE(M().blnDespVisual);
    EXPECT_FALSE(M().bln05min);
    EXPECT_EQ(M().strSom, L"");
    EXPECT_EQ(M().strMsgDespertar, L"");
    EXPECT_TRUE(f.picDesligado.Visible());
}

} // namespace
} // namespace acordina::testing
