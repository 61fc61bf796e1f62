// The wake-up time: two spinners mirrored into boxes that never keep the focus.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <string>

namespace acordina::testing {
namespace {

class TimeEntryTest : public ProgramFixture {
protected:
    void SetUp() override { Start(); }

    // A real left click at a point of a control, in its client coordinates.
    static void MouseClick(HWND control, POINT at) {
        ClientToScreen(control, &at);
        SetCursorPos(at.x, at.y);
        INPUT clicks[2]{};
        clicks[0].type = clicks[1].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, clicks, sizeof(INPUT));
        Pump();
    }

    static void TypeDigits(const wchar_t* digits) {
        for (const wchar_t* d = digits; *d; ++d) {
            INPUT keys[2]{};
            keys[0].type = keys[1].type = INPUT_KEYBOARD;
            keys[0].ki.wVk = keys[1].ki.wVk = static_cast<WORD>(*d);
            keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, keys, sizeof(INPUT));
        }
        Pump();
    }
};

enum class Which { Hour, Minute };

struct SpinCase {
    const char* name;
    Which which;
    int ups;   // upper-arrow clicks first
    int downs; // then lower-arrow clicks
    const wchar_t* text;
};

constexpr SpinCase kSpins[] = {
    {"one up from the start", Which::Hour, 1, 0, L"1"},
    {"down at the bottom end", Which::Hour, 0, 1, L"0"},
    {"up to the top end", Which::Hour, 23, 0, L"23"},
    {"up past the top end", Which::Hour, 30, 0, L"23"},
    {"down from the top end", Which::Hour, 23, 1, L"22"},
    {"up and back down past the bottom", Which::Hour, 2, 5, L"0"},
    {"nine minutes: no leading zero", Which::Minute, 9, 0, L"9"},
    {"ten minutes", Which::Minute, 10, 0, L"10"},
    {"down at the bottom end", Which::Minute, 0, 3, L"0"},
    {"up to the top end", Which::Minute, 59, 0, L"59"},
    {"up past the top end", Which::Minute, 61, 0, L"59"},
    {"down from the top end", Which::Minute, 60, 1, L"58"},
};

TEST_F(TimeEntryTest, BoxesStartAtZeroWithTheSpinnersAtTheirBottomEnd) {
    auto& f = Main();
    EXPECT_EQ(f.txtHH.Text(), L"0");
    EXPECT_EQ(f.txtMM.Text(), L"0");
    // The bottom of the bar stands for 0.
    EXPECT_EQ(GetScrollPos(f.vsHH.hwnd(), SB_CTL), 23);
    EXPECT_EQ(GetScrollPos(f.vsMM.hwnd(), SB_CTL), 59);
}

TEST_F(TimeEntryTest, ArrowsStepByOneAndStopAtBothEnds) {
    for (const auto& c : kSpins) {
        SCOPED_TRACE(c.name);
        auto& f = Main();
        win32::VScrollBar& bar = c.which == Which::Hour ? f.vsHH : f.vsMM;
        win32::TextBox& box = c.which == Which::Hour ? f.txtHH : f.txtMM;
        win32::TextBox& other = c.which == Which::Hour ? f.txtMM : f.txtHH;
        const int top = c.which == Which::Hour ? 23 : 59;
        // Back to the bottom end from the previous case.
        Spin(bar, SB_LINEDOWN, top);
        Spin(bar, SB_LINEUP, c.ups);
        Spin(bar, SB_LINEDOWN, c.downs);
        EXPECT_EQ(box.Text(), c.text);
        EXPECT_EQ(bar.Value(), std::stoi(c.text));
        // The thumb's place follows the value, the top end being the largest.
        EXPECT_EQ(GetScrollPos(bar.hwnd(), SB_CTL), top - bar.Value());
        EXPECT_EQ(other.Text(), L"0");
    }
}

TEST_F(TimeEntryTest, TheEndsOfTheBarAreTheLargestValueAtTheTopAndZeroAtTheBottom) {
    auto& f = Main();
    Spin(f.vsMM, SB_TOP);
    EXPECT_EQ(f.txtMM.Text(), L"59");
    Spin(f.vsMM, SB_BOTTOM);
    EXPECT_EQ(f.txtMM.Text(), L"0");
    // A page is one step too.
    Spin(f.vsHH, SB_PAGEUP, 2);
    EXPECT_EQ(f.txtHH.Text(), L"2");
    Spin(f.vsHH, SB_PAGEDOWN);
    EXPECT_EQ(f.txtHH.Text(), L"1");
}

TEST_F(TimeEntryTest, AMouseClickOnTheUpperArrowRaisesTheHourByOne) {
    auto& f = Main();
    RECT rc;
    GetClientRect(f.vsHH.hwnd(), &rc);
    MouseClick(f.vsHH.hwnd(), {(rc.right - rc.left) / 2, 3});
    EXPECT_EQ(f.txtHH.Text(), L"1");
    MouseClick(f.vsHH.hwnd(), {(rc.right - rc.left) / 2, rc.bottom - 3});
    EXPECT_EQ(f.txtHH.Text(), L"0");
}

TEST_F(TimeEntryTest, EachBoxHandsTheFocusOnWithOneTabAndIgnoresTyping) {
    auto& f = Main();
    struct Case {
        win32::TextBox* box;
        win32::VScrollBar* next;
    };
    const Case cases[] = {{&f.txtHH, &f.vsHH}, {&f.txtMM, &f.vsMM}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.box->Name())));
        const int tabsBefore = fakes.keyboard.tabs;
        SetFocus(c.box->hwnd());
        Pump();
        EXPECT_EQ(fakes.keyboard.tabs - tabsBefore, 1);
        EXPECT_EQ(GetFocus(), c.next->hwnd());
        for (const wchar_t digit : {L'7', L'4'}) {
            SendMessageW(GetFocus(), WM_CHAR, digit, 1);
        }
        Pump();
        EXPECT_EQ(c.box->Text(), L"0");
        EXPECT_EQ(fakes.keyboard.tabs - tabsBefore, 1);
    }
}

TEST_F(TimeEntryTest, AClickIntoTheHourBoxLeavesItAtOnceAndKeysDoNotReachIt) {
    auto& f = Main();
    const int tabsBefore = fakes.keyboard.tabs;
    MouseClick(f.txtHH.hwnd(), {5, 5});
    EXPECT_EQ(fakes.keyboard.tabs - tabsBefore, 1);
    EXPECT_NE(GetFocus(), f.txtHH.hwnd());
    EXPECT_NE(GetFocus(), nullptr);
    TypeDigits(L"12");
    EXPECT_EQ(f.txtHH.Text(), L"0");
}

TEST_F(TimeEntryTest, ChangingTheTimeWhileArmedKeepsTheArmedTime) {
    auto& f = Main();
    Spin(f.vsHH, SB_LINEUP, 7);
    Spin(f.vsMM, SB_LINEUP, 5);
    Click(f.lblStatus);
    ASSERT_TRUE(M().blnLigado);
    ASSERT_EQ(M().strHoraDespertar, L"07:05:00");
    Spin(f.vsHH, SB_LINEUP);
    Spin(f.vsMM, SB_LINEDOWN, 5);
    EXPECT_EQ(f.txtHH.Text(), L"8");
    EXPECT_EQ(f.txtMM.Text(), L"0");
    EXPECT_EQ(M().strHoraDespertar, L"07:05:00");
    EXPECT_EQ(M().strHora15min, L"6:50:00");
    EXPECT_TRUE(M().blnLigado);
}

} // namespace
} // namespace acordina::testing
