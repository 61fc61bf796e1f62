// The waitable timer that wakes a sleeping computer and the request to stay awake, on the real
// windows with a fake power service and a fake time zone whose summer time starts overnight.
#include "ProgramFixture.h"

#include <string>
#include <vector>

namespace acordina::testing {
namespace {

using Calls = std::vector<std::string>;
const std::string kAwake = "state 80000003";
const std::string kAsleep = "state 80000000";

class WakeTest : public ProgramFixture {
protected:
    void SetUp() override {
        // One hour ahead of UTC, two from the last Sunday of March at 2:00 (31 March 2024).
        fakes.timeZone.rules = {-60, {}, {0, 10, 0, 5, 3, 0, 0, 0}, 0, {}, {0, 3, 0, 5, 2, 0, 0, 0},
                                -60};
        fakes.clock.Set(22, 0, 0);
        Start();
        // Every tick comes from the test.
        KillTimer(Main().hwnd(), mainwindow::frmAcordina::kTimer1);
        KillTimer(Background().hwnd(), background::frmAcordina_::kTimer1);
        Spin(Main().vsHH, SB_LINEUP, 7);
        Spin(Main().vsMM, SB_LINEUP, 5);
    }
    // What the power service was asked since the last look.
    Calls Asked() {
        Calls calls = std::move(fakes.power.calls);
        fakes.power.calls.clear();
        return calls;
    }
    void Broadcast(UINT msg, WPARAM wp) {
        SendMessageW(Background().hwnd(), msg, wp, 0);
        Pump();
    }
    void TickAt(int h, int m, int s, int day = 31) {
        fakes.clock.Set(h, m, s, day);
        TickBackground();
    }
};

TEST_F(WakeTest, TheTimerIsSetForTheNextTargetInLocalTimeByThatDaysRulesAndCancelledWhenDisarmed) {
    Click(Main().lblStatus); // visual alert only, as designed
    // 7:05 on the 31st is in summer time: 5:05 UTC, not 6:05.
    EXPECT_EQ(Asked(), Calls{"timer 2024-03-31 05:04:30"});
    TickAt(7, 3, 59);
    EXPECT_EQ(Asked(), Calls{}) << "61 s before: not yet";
    TickAt(7, 4, 0);
    EXPECT_EQ(Asked(), Calls{kAwake});
    TickAt(7, 5, 0);
    EXPECT_EQ(Asked(), (Calls{"timer 2024-04-01 05:04:30", kAsleep})) << "fired: the next day's";

    fakes.clock.Set(6, 0, 0, 31); // the clock set back
    Broadcast(WM_TIMECHANGE, 0);
    EXPECT_EQ(Asked(), Calls{"timer 2024-03-31 05:04:30"});
    for (const WPARAM resume : {PBT_APMRESUMEAUTOMATIC, PBT_APMRESUMESUSPEND}) {
        fakes.clock.Set(8, 0, 0, 31);
        Broadcast(WM_POWERBROADCAST, resume);
        EXPECT_EQ(Asked(), Calls{"timer 2024-04-01 05:04:30"}) << resume;
    }
    Broadcast(WM_POWERBROADCAST, PBT_APMSUSPEND);
    EXPECT_EQ(Asked(), Calls{});

    Restore();
    Click(Main().lblStatus);
    EXPECT_EQ(Asked(), Calls{"cancel"});
    Broadcast(WM_TIMECHANGE, 0);
    TickAt(7, 4, 30);
    EXPECT_EQ(Asked(), Calls{}) << "disarmed";
}

TEST_F(WakeTest, AWakeUpTimeSleptThroughIsToldByOneWarningBalloon) {
    Click(Main().lblStatus);
    const std::size_t balloons = Balloons();
    TickAt(22, 0, 1, 30);
    TickAt(7, 30, 0);
    TickAt(7, 30, 1);
    ASSERT_EQ(Balloons(), balloons + 1);
    const ShellCall& warning = *fakes.shell.Balloons().back();
    EXPECT_EQ(warning.Info(), win32::ToAnsi(L"O alarme das 07:05 não tocou: o computador estava em "
                                            L"suspensão ou o relógio foi adiantado."));
    EXPECT_EQ(warning.InfoTitle(), "Aviso");
    EXPECT_EQ(warning.InfoFlags(), 2u);
}

TEST_F(WakeTest, DisarmingNearATargetGivesTheStayAwakeBackAndEndingCancelsTheTimer) {
    Click(Main().lblStatus);
    TickAt(7, 4, 30);
    EXPECT_EQ(Asked(), (Calls{"timer 2024-03-31 05:04:30", kAwake}));
    Restore();
    Click(Main().lblStatus);
    EXPECT_EQ(Asked(), (Calls{"cancel", kAsleep}));
    Click(Main().lblStatus);
    Asked();
    fakes.process.onExit = [this] { EXPECT_EQ(fakes.power.calls, Calls{"cancel"}); };
    Restore();
    SendMessageW(Main().hwnd(), WM_CLOSE, 0, 0); // answered Yes
    EXPECT_EQ(fakes.process.exits, 1);
}

} // namespace
} // namespace acordina::testing
