// Both Timer1 ticks on the real windows, driven by WM_TIMER with a fake clock: the clock display,
// the alerts each timer fires, and what neither tick may do.
#include "AllocationCounter.h"
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace acordina::testing {
namespace {

// Counts WM_SETTEXT reaching a control, through a subclass removed with the object.
class SetTextCounter {
public:
    explicit SetTextCounter(HWND control) : control_(control) {
        SetWindowSubclass(control_, &Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~SetTextCounter() { RemoveWindowSubclass(control_, &Proc, 1); }
    SetTextCounter(const SetTextCounter&) = delete;
    SetTextCounter& operator=(const SetTextCounter&) = delete;
    int count = 0;
    bool shownAtLastSet = false; // whether the control's window was on screen

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                 DWORD_PTR data) {
        if (msg == WM_SETTEXT) {
            auto* self = reinterpret_cast<SetTextCounter*>(data);
            ++self->count;
            self->shownAtLastSet = IsWindowVisible(GetAncestor(hwnd, GA_ROOT));
        }
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    HWND control_;
};

class TimerTest : public ProgramFixture {
protected:
    void SetUp() override {
        fakes.clock.Set(6, 0, 0);
        Start();
    }

    // Armed for 07:05 as arming leaves it, every pre-alert and wake-up action on.
    void ArmFor0705() {
        Module1& m = M();
        m.blnDespSom = m.blnDespVisual = m.blnDesligar = true;
        m.strSom = L"galo.wav";
        m.strMsgDespertar = L"acorde";
        m.strHoraDespertar = L"07:05:00";
        m.bln15min = m.bln10min = m.bln05min = m.bln02min = m.bln01min = true;
        m.strMsg15min = m.strMsg10min = m.strMsg05min = m.strMsg02min = m.strMsg01min = L"antes";
        m.strHora15min = L"6:50:00";
        m.strHora10min = L"6:55:00";
        m.strHora05min = L"7:0:00";
        m.strHora02min = L"7:3:00";
        m.strHora01min = L"7:4:00";
        m.blnLigado = true;
    }
    std::size_t ShutdownRequests() const {
        return std::count_if(fakes.shutdown.calls.begin(), fakes.shutdown.calls.end(),
                             [](const std::string& c) { return c.starts_with("ExitWindowsEx"); });
    }
};

TEST_F(TimerTest, TheClockTextIsSetOnlyWhenItChangesAndNeverWhileHidden) {
    SetTextCounter sets(Main().txtHora.hwnd());
    // Loading already showed 06:00:00.
    for (int i = 0; i < 10; ++i) {
        TickMain();
    }
    EXPECT_EQ(sets.count, 0);
    fakes.clock.Set(6, 0, 1);
    for (int i = 0; i < 10; ++i) {
        TickMain();
    }
    EXPECT_EQ(sets.count, 1);
    EXPECT_EQ(Main().txtHora.Text(), L"06:00:01");
    fakes.clock.Set(6, 0, 2);
    for (int i = 0; i < 10; ++i) {
        TickBackground();
    }
    EXPECT_EQ(sets.count, 1) << "the background tick has no display";
    TickMain();
    EXPECT_EQ(sets.count, 2);
    EXPECT_EQ(Main().txtHora.Text(), L"06:00:02");

    // Hidden, nobody sees it; it is brought up to date before it shows again.
    ShowWindow(Main().hwnd(), SW_HIDE);
    fakes.clock.Set(6, 0, 3);
    TickMain();
    EXPECT_EQ(sets.count, 2);
    Restore();
    EXPECT_EQ(sets.count, 3);
    EXPECT_FALSE(sets.shownAtLastSet);
    EXPECT_EQ(Main().txtHora.Text(), L"06:00:03");
}

TEST_F(TimerTest, DisarmedNeitherTickCallsAnythingButTheMainOneShowsTheTime) {
    ArmFor0705();
    M().blnLigado = false;
    const std::size_t shellCalls = fakes.shell.calls.size();
    const int targets[][2] = {{6, 50}, {6, 55}, {7, 0}, {7, 3}, {7, 4}, {7, 5}};
    for (const auto& t : targets) {
        fakes.clock.Set(t[0], t[1], 0);
        TickBoth();
    }
    EXPECT_EQ(Main().txtHora.Text(), L"07:05:00");
    EXPECT_EQ(fakes.shell.calls.size(), shellCalls);
    EXPECT_TRUE(fakes.sound.calls.empty());
    EXPECT_TRUE(fakes.shutdown.calls.empty());
}

TEST_F(TimerTest, ATargetFiresOnceHoweverManyTicksOfEitherTimerFallInItsSecond) {
    ArmFor0705();
    const std::string sound = win32::ToAnsi(fakes.folder.Path()) + "\\galo.wav";
    const struct {
        int h, m, s;
        int mainTicks, backgroundTicks;
        std::size_t alerts; // each a balloon, and in the wake-up second a sound and a shutdown
    } cases[] = {
        {7, 5, 0, 10, 0, 1},   {7, 5, 0, 0, 10, 1},   {7, 5, 0, 10, 10, 1},
        {7, 4, 59, 10, 10, 0}, {6, 50, 0, 10, 10, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.h << ":" << c.m << ":" << c.s << ", main "
                                          << c.mainTicks << ", background " << c.backgroundTicks);
        const bool wakeUp = c.m == 5 && c.s == 0;
        Background().Stop_(); // a new firing starts the sound afresh
        const int before = c.h * 3600 + c.m * 60 + c.s - 1;
        fakes.clock.Set(before / 3600, before / 60 % 60, before % 60);
        TickBackground();
        const std::size_t balloons = Balloons();
        const std::size_t shutdowns = ShutdownRequests();
        fakes.sound.calls.clear();
        fakes.clock.Set(c.h, c.m, c.s);
        for (int i = 0; i < std::max(c.mainTicks, c.backgroundTicks); ++i) {
            if (i < c.mainTicks) {
                TickMain();
            }
            if (i < c.backgroundTicks) {
                TickBackground();
            }
        }
        EXPECT_EQ(Balloons() - balloons, c.alerts);
        EXPECT_EQ(fakes.sound.calls, std::vector<SoundCall>(wakeUp ? 1 : 0, {sound, 0, 9}));
        EXPECT_EQ(ShutdownRequests() - shutdowns, wakeUp ? 1u : 0u);
    }
}

TEST_F(TimerTest, ArmingInTheWakeUpSecondFiresWhileTheConfirmationIsOpen) {
    fakes.clock.Set(0, 0, 0);
    std::size_t balloonsBeforeBox = 0;
    // As if the box's own loop dispatched the timers while it is open.
    fakes.messageBoxes.onShow = [this, &balloonsBeforeBox](const ShownBox&) {
        balloonsBeforeBox = Balloons();
        TickBoth();
    };
    Click(Main().lblStatus); // armed for 0:00 with the visual alert, as designed
    fakes.messageBoxes.onShow = nullptr;
    ASSERT_EQ(fakes.messageBoxes.shown.at(0).text, L"Programa ACORDIMA programado!");
    const auto balloons = fakes.shell.Balloons();
    ASSERT_EQ(balloons.size(), balloonsBeforeBox + 2);
    EXPECT_EQ(balloons[balloonsBeforeBox]->Info(), "TRRRIIIMMM!!! Despertando...");
    EXPECT_EQ(balloons[balloonsBeforeBox + 1]->Info(), win32::ToAnsi(kHiddenBalloon));
}

TEST_F(TimerTest, EachWindowOwnsItsTimerFromCreation) {
    // KillTimer succeeds only for a timer that exists; put each back as it was.
    EXPECT_TRUE(KillTimer(Main().hwnd(), mainwindow::frmAcordina::kTimer1));
    SetTimer(Main().hwnd(), mainwindow::frmAcordina::kTimer1, 100, nullptr);
    EXPECT_TRUE(KillTimer(Background().hwnd(), background::frmAcordina_::kTimer1));
    SetTimer(Background().hwnd(), background::frmAcordina_::kTimer1, 100, nullptr);
}

TEST_F(TimerTest, TicksOutsideATargetSecondAllocateNothing) {
    ArmFor0705();
    fakes.clock.Set(6, 40, 30);
    TickMain(); // shows 06:40:30
    const std::size_t shellCalls = fakes.shell.calls.size();
    const long long before = alarm::HeapAllocations();
    for (int i = 0; i < 100; ++i) {
        TickBoth();
    }
    for (int s = 0; s < 60; ++s) {
        fakes.clock.Set(6, 41, s);
        TickBackground();
    }
    EXPECT_EQ(alarm::HeapAllocations() - before, 0);
    EXPECT_EQ(fakes.shell.calls.size(), shellCalls);
}

} // namespace
} // namespace acordina::testing
