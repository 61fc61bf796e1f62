// The wake-up time: two spinners mirrored into boxes that never keep the focus.
#include "ProgramFixture.h"

#include <cstring>
#include <string>

namespace acordina::testing {
namespace {

class TimeEntryTest : public ProgramFixture {
protected:
    void SetUp() override { Start(); }
};

TEST_F(TimeEntryTest, ArrowsStepByOneAndStopAtBothEnds) {
    auto& f = Main();
    const struct {
        const char* name;
        win32::VScrollBar* bar;
        int ups;   // upper-arrow clicks first
        int downs; // then lower-arrow clicks
        const wchar_t* text;
    } cases[] = {
        {"at the start", &f.vsHH, 0, 0, L"0"},
        {"one up", &f.vsHH, 1, 0, L"1"},
        {"down at the bottom end", &f.vsHH, 0, 1, L"0"},
        {"up past the top end", &f.vsHH, 30, 0, L"23"},
        {"down from the top end", &f.vsHH, 23, 1, L"22"},
        {"nine minutes: no leading zero", &f.vsMM, 9, 0, L"9"},
        {"down at the bottom end", &f.vsMM, 0, 3, L"0"},
        {"up past the top end", &f.vsMM, 61, 0, L"59"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const bool hour = c.bar == &f.vsHH;
        const int top = hour ? 23 : 59;
        Spin(*c.bar, SB_LINEUP, c.ups);
        Spin(*c.bar, SB_LINEDOWN, c.downs);
        EXPECT_EQ((hour ? f.txtHH : f.txtMM).Text(), c.text);
        EXPECT_EQ(c.bar->Value(), std::stoi(c.text));
        // The thumb's place follows the value, the top end being the largest.
        EXPECT_EQ(GetScrollPos(c.bar->hwnd(), SB_CTL), top - c.bar->Value());
        EXPECT_EQ((hour ? f.txtMM : f.txtHH).Text(), L"0");
        Spin(*c.bar, SB_LINEDOWN, top); // back to the bottom end for the next case
    }
}

TEST_F(TimeEntryTest, TheBarEndsAreTheLargestValueAtTheTopAndZeroAtTheBottomAPageIsOneStep) {
    auto& f = Main();
    Spin(f.vsMM, SB_TOP);
    EXPECT_EQ(f.txtMM.Text(), L"59");
    Spin(f.vsMM, SB_BOTTOM);
    EXPECT_EQ(f.txtMM.Text(), L"0");
    Spin(f.vsHH, SB_PAGEUP, 2);
    EXPECT_EQ(f.txtHH.Text(), L"2");
    Spin(f.vsHH, SB_PAGEDOWN);
    EXPECT_EQ(f.txtHH.Text(), L"1");
    // Real mouse clicks on the arrows.
    RECT rc;
    GetClientRect(f.vsHH.hwnd(), &rc);
    RealClick(f.vsHH.hwnd(), POINT{rc.right / 2, 3});
    EXPECT_EQ(f.txtHH.Text(), L"2");
    RealClick(f.vsHH.hwnd(), POINT{rc.right / 2, rc.bottom - 3});
    EXPECT_EQ(f.txtHH.Text(), L"1");
}

TEST_F(TimeEntryTest, AClickIntoABoxHandsTheFocusOnWithOneTabAndKeysDoNotReachIt) {
    auto& f = Main();
    const std::pair<win32::TextBox*, win32::VScrollBar*> cases[] = {{&f.txtHH, &f.vsHH},
                                                                    {&f.txtMM, &f.vsMM}};
    for (const auto& [box, next] : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(box->Name())));
        const int tabsBefore = fakes.keyboard.tabs;
        RealClick(box->hwnd());
        EXPECT_EQ(GetFocus(), next->hwnd());
        for (const WORD key : {WORD{'1'}, WORD{'2'}}) {
            INPUT keys[2]{};
            keys[0].type = keys[1].type = INPUT_KEYBOARD;
            keys[0].ki.wVk = keys[1].ki.wVk = key;
            keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, keys, sizeof(INPUT));
        }
        Pump();
        EXPECT_EQ(box->Text(), L"0");
        EXPECT_EQ(fakes.keyboard.tabs - tabsBefore, 1);
    }
}

TEST_F(TimeEntryTest, OnlyTheSpinnerPutsTextIntoABoxAndArmingTakesTheSpinnersValues) {
    auto& f = Main();
    Spin(f.vsHH, SB_LINEUP, 7);
    // "99" on the clipboard, for Paste and Ctrl+V.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof L"99");
    std::memcpy(GlobalLock(memory), L"99", sizeof L"99");
    GlobalUnlock(memory);
    ASSERT_TRUE(SetClipboardData(CF_UNICODETEXT, memory));
    CloseClipboard();
    const struct {
        const char* name;
        UINT msg;
        WPARAM wp;
        const wchar_t* text;
    } inputs[] = {
        {"Paste", WM_PASTE, 0, nullptr},
        {"Ctrl+V", WM_CHAR, 0x16, nullptr},
        {"a typed digit", WM_CHAR, '9', nullptr},
        {"Backspace", WM_CHAR, VK_BACK, nullptr},
        {"Delete", WM_KEYDOWN, VK_DELETE, nullptr},
        {"Cut", WM_CUT, 0, nullptr},
        {"Clear", WM_CLEAR, 0, nullptr},
        {"Undo", WM_UNDO, 0, nullptr},
        {"EM_REPLACESEL", EM_REPLACESEL, TRUE, L"99"},
        {"WM_SETTEXT", WM_SETTEXT, 0, L"99"},
    };
    for (const auto& input : inputs) {
        for (const auto* box : {&f.txtHH, &f.txtMM}) {
            SendMessageW(box->hwnd(), EM_SETSEL, 0, -1);
            SendMessageW(box->hwnd(), input.msg, input.wp, reinterpret_cast<LPARAM>(input.text));
            Pump();
        }
        EXPECT_EQ(f.txtHH.Text(), L"7") << input.name;
        EXPECT_EQ(f.txtMM.Text(), L"0") << input.name;
    }
    // An ordinary box takes the same paste.
    SendMessageW(f.txt00min.hwnd(), EM_SETSEL, 0, -1);
    SendMessageW(f.txt00min.hwnd(), WM_PASTE, 0, 0);
    ASSERT_EQ(f.txt00min.Text(), L"99");
    // Arming after another program's "99" takes the spinners' 7 and 0.
    Spin(f.vsMM, SB_LINEUP, 5);
    SendMessageW(f.txtHH.hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"99"));
    Click(f.lblStatus);
    EXPECT_EQ(M().strHoraDespertar, L"07:05:00");
    EXPECT_EQ(M().strHora15min, L"6:50:00");
}

} // namespace
} // namespace acordina::testing
