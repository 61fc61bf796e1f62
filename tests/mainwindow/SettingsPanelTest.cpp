// The settings panel: opening and closing it, the check boxes that enable
// their paired controls, and the help entry of the sound list.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace acordina::testing {
namespace {

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

class SettingsPanelTest : public ProgramFixture {
protected:
    void SetUp() override {
        fakes.folder.Write(L"b.wav", "RIFF");
        fakes.folder.Write(L"a.wav", "RIFF");
        Start();
    }
    void ExpectPanel(bool open) {
        EXPECT_EQ(Width(Main().hwnd()), (open ? 9270 : 4725) / 15);
        EXPECT_EQ(Main().lblConfig.Text(),
                  open ? L"Recolher Configurações <<" : L"Configurações >>");
        EXPECT_EQ(Main().fraConfig.Enabled(), open);
    }
};

// The clicks change only width, caption and frame; the window stays where it is, except that
// opening near the right edge of its monitor's work area moves it left just enough.
TEST_F(SettingsPanelTest, ClicksOnTheLabelSwitchWidthCaptionAndFrameWithinTheWorkArea) {
    auto& f = Main();
    EXPECT_TRUE(f.fraConfig.Enabled()) << "the frame keeps its designed state until first used";
    RECT start;
    GetWindowRect(f.hwnd(), &start);
    constexpr int kWide = 9270 / 15;
    const struct {
        const char* what;
        RECT work;
        int left;
        int leftOpen;
    } cases[] = {
        {"where it starts", fakes.monitors.workArea, start.left, start.left},
        {"room enough", {0, 0, 800, 600}, 182, 182},
        {"past the right edge", {0, 0, 800, 600}, 300, 800 - kWide},
        {"a monitor to the right", {1024, 0, 1824, 600}, 1500, 1824 - kWide},
        {"a work area narrower than the window", {40, 0, 500, 600}, 100, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fakes.monitors.workArea = c.work;
        SetWindowPos(f.hwnd(), nullptr, c.left, start.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        for (const bool open : {true, false}) {
            Click(f.lblConfig);
            ExpectPanel(open);
            RECT now;
            GetWindowRect(f.hwnd(), &now);
            EXPECT_EQ(now.left, c.leftOpen);
            EXPECT_EQ(now.top, start.top);
            EXPECT_EQ(now.bottom - now.top, start.bottom - start.top);
        }
    }
    // Collapsing a collapsed panel sets the same values again.
    f.RecolherConfig();
    Pump();
    ExpectPanel(false);
}

TEST_F(SettingsPanelTest, OnlyTheExactCollapsedCaptionExpands) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"Configurações >>", true},
        {L"configurações >>", false},
        {L"Configurações >> ", false},
        {L"Recolher Configurações <<", false},
    };
    for (const auto& [caption, expands] : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(caption)));
        Main().lblConfig.SetText(caption);
        Click(Main().lblConfig);
        ExpectPanel(expands);
    }
}

TEST_F(SettingsPanelTest, EachCheckBoxEnablesItsPairedControlOnlyWhileCheckedAndPublishesNothing) {
    auto& f = Main();
    Click(f.lblConfig);
    // A sound chosen first, so that the list's selection can be seen to stay.
    ClickCheck(f.chkDespSom);
    Choose(f.cboSom, 2);
    ASSERT_EQ(f.cboSom.Text(), L"b.wav");

    for (const auto& [check, paired] : CheckPairs(f)) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(check->Name())));
        const std::wstring text = paired->Text();
        ASSERT_FALSE(text.empty());
        for (int click = 1; click <= 2; ++click) {
            const int before = check->Value();
            ClickCheck(*check);
            const bool on = check->Value() == 1;
            EXPECT_NE(check->Value(), before);
            EXPECT_EQ(IsWindowEnabled(paired->hwnd()) != FALSE, on);
            EXPECT_EQ(paired->BackColor(), on ? win32::kSysWindow : win32::kSysButtonFace);
            ExpectPaintedWith(paired->hwnd(), on ? COLOR_WINDOW : COLOR_BTNFACE,
                              on ? COLOR_BTNFACE : COLOR_WINDOW);
            EXPECT_EQ(paired->Text(), text);
        }
    }
    // The shutdown box has no pair and changes none.
    for (const int value : {1, 0}) {
        ClickCheck(f.chkDesligar);
        EXPECT_EQ(f.chkDesligar.Value(), value);
        ExpectPairsAgree(f);
    }
    EXPECT_EQ(f.cboSom.ListIndex(), 2);
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    // Work on the panel neither arms nor saves nor publishes.
    Click(f.lblConfig);
    EXPECT_FALSE(fakes.folder.Read(L"Config.inf"));
    EXPECT_FALSE(M().blnLigado || M().blnDespSom || M().blnDesligar || M().blnDespVisual);
    EXPECT_EQ(M().strSom, L"");
}

TEST_F(SettingsPanelTest, CodeRaisesTheChangeHandlingOnlyWhenTheValueChanges) {
    for (const auto& [check, paired] : CheckPairs(Main())) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(check->Name())));
        int raised = 0;
        const std::function<void()> handler = check->Click;
        check->Click = [&] {
            ++raised;
            handler();
        };
        const int start = check->Value();
        const struct {
            int value;
            int raisedSoFar;
        } steps[] = {{start, 0}, {1 - start, 1}, {1 - start, 1}, {start, 2}};
        for (const auto& step : steps) {
            check->SetValue(step.value);
            EXPECT_EQ(raised, step.raisedSoFar) << "value " << step.value;
            ExpectPairsAgree(Main());
        }
        check->Click = handler;
    }
}

TEST_F(SettingsPanelTest, ChoosingHelpClearsTheSelectionShowsTheFolderAndLeavesNoSound) {
    auto& f = Main();
    ASSERT_THAT(std::vector<std::wstring>({f.cboSom.List(0), f.cboSom.List(1), f.cboSom.List(2)}),
                ::testing::ElementsAre(L"...Ajuda", L"a.wav", L"b.wav"));
    Choose(f.cboSom, 0); // with nothing selected yet
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, HelpText());
    EXPECT_EQ(f.cboSom.ListCount(), 3) << "the list stays as it was built";

    ClickCheck(f.chkDespSom);
    Choose(f.cboSom, 1);
    EXPECT_EQ(f.cboSom.Text(), L"a.wav");
    EXPECT_EQ(Boxes(), 1u) << "a sound needs no help";
    std::vector<LRESULT> selectedWhileShown;
    fakes.messageBoxes.onShow = [&](const ShownBox&) {
        selectedWhileShown.push_back(SendMessageW(f.cboSom.hwnd(), CB_GETCURSEL, 0, 0));
    };
    Choose(f.cboSom, 0);
    fakes.messageBoxes.onShow = nullptr;
    EXPECT_THAT(selectedWhileShown, ::testing::ElementsAre(CB_ERR)) << "cleared before the box";
    EXPECT_EQ(f.cboSom.ListIndex(), -1);
    EXPECT_EQ(f.cboSom.Text(), L"");
    ASSERT_EQ(Boxes(), 2u);
    EXPECT_EQ(fakes.messageBoxes.shown[1], (ShownBox{f.hwnd(), HelpText(), L"Ajuda", 64}));

    // With sound ticked and nothing chosen, arming is refused.
    Click(f.lblStatus);
    ASSERT_EQ(Boxes(), 3u);
    EXPECT_EQ(fakes.messageBoxes.shown[2].text, L"Escolha um som para despertar.");
    EXPECT_FALSE(M().blnLigado);
}

} // namespace
} // namespace acordina::testing
