#include "alarm/AlarmCheck.h"
#include "AlarmFakes.h"
#include "AllocationCounter.h"
#include "alarm/ArmingTimes.h"

#include <gtest/gtest.h>

namespace acordina::alarm {
namespace {

// What arming at hour:minute leaves behind; every action and pre-alert on when asked.
Module1 ArmedFor(int hour, int minute, bool everythingOn = false) {
    Module1 m;
    m.blnLigado = true;
    m.strHoraDespertar = HoraDespertar(hour, minute);
    for (const PreAlerta& p : kPreAlertas) {
        m.*p.time = HoraPreAlerta(hour, minute, p.minutes);
        m.*p.flag = everythingOn;
    }
    m.blnDespVisual = m.blnDespSom = m.blnDesligar = everythingOn;
    return m;
}

Calls Tick(const Module1& m, TimeOfDay now) {
    const FakeClock clock(now);
    RecordingActions actions;
    VerificarAlarme(m, clock, actions);
    return actions.calls;
}

const Calls kWakeUp = {"Avisa 0", "Tocar", "DesligarWindows"};

TEST(VerificarAlarme, DisarmedDoesNothingAndReadsNoClock) {
    Module1 everythingDue = ArmedFor(7, 5, true);
    for (const PreAlerta& p : kPreAlertas) {
        everythingDue.*p.time = L"7:5:00";
    }
    everythingDue.blnLigado = false;
    for (const Module1& m : {Module1{}, everythingDue}) {
        for (const TimeOfDay now : {TimeOfDay{7, 5, 0}, TimeOfDay{0, 0, 0}}) {
            const FakeClock clock(now);
            RecordingActions actions;
            VerificarAlarme(m, clock, actions);
            EXPECT_EQ(actions.calls, Calls{});
            EXPECT_EQ(clock.Reads(), 0);
        }
    }
}

TEST(VerificarAlarme, PreAlertFiresDuringItsOwnSecondOnlyAndOnlyWhenOn) {
    const struct {
        bool Module1::*flag;
        TimeOfDay before, due, after;
        const char* call;
    } cases[] = {
        {&Module1::bln15min, {6, 49, 59}, {6, 50, 0}, {6, 50, 1}, "Avisa 15"},
        {&Module1::bln10min, {6, 54, 59}, {6, 55, 0}, {6, 55, 1}, "Avisa 10"},
        {&Module1::bln05min, {6, 59, 59}, {7, 0, 0}, {7, 0, 1}, "Avisa 5"},
        {&Module1::bln02min, {7, 2, 59}, {7, 3, 0}, {7, 3, 1}, "Avisa 2"},
        {&Module1::bln01min, {7, 3, 59}, {7, 4, 0}, {7, 4, 1}, "Avisa 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        Module1 m = ArmedFor(7, 5);
        EXPECT_EQ(Tick(m, c.due), Calls{});
        m.*c.flag = true;
        EXPECT_EQ(Tick(m, c.before), Calls{});
        EXPECT_EQ(Tick(m, c.due), Calls{c.call});
        EXPECT_EQ(Tick(m, c.after), Calls{});
    }
}

TEST(VerificarAlarme, WakeUpCallsOnlyTheChosenActionsInOrder) {
    for (int mask = 0; mask < 8; ++mask) {
        SCOPED_TRACE(mask);
        Module1 m = ArmedFor(7, 5);
        m.blnDespVisual = (mask & 1) != 0;
        m.blnDespSom = (mask & 2) != 0;
        m.blnDesligar = (mask & 4) != 0;
        Calls expected;
        for (int bit = 0; bit < 3; ++bit) {
            if ((mask & (1 << bit)) != 0) {
                expected.push_back(kWakeUp[bit]);
            }
        }
        EXPECT_EQ(Tick(m, {7, 4, 59}), Calls{});
        EXPECT_EQ(Tick(m, {7, 5, 0}), expected);
        EXPECT_EQ(Tick(m, {7, 5, 1}), Calls{});
    }
}

TEST(VerificarAlarme, TargetsAroundMidnight) {
    const struct {
        int hour, minute;
        TimeOfDay now;
        Calls calls;
    } cases[] = {
        {0, 0, {23, 45, 0}, {"Avisa 15"}},  {0, 0, {23, 59, 0}, {"Avisa 1"}},
        {0, 0, {0, 0, 0}, kWakeUp},         {0, 0, {23, 59, 59}, {}},
        {0, 10, {23, 55, 0}, {"Avisa 15"}}, {0, 10, {0, 0, 0}, {"Avisa 10"}},
        {0, 10, {0, 10, 0}, kWakeUp},       {0, 10, {12, 0, 0}, {}},
        {23, 59, {23, 59, 0}, kWakeUp},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.hour << ':' << c.minute << " at " << testing::PrintToString(c.now));
        EXPECT_EQ(Tick(ArmedFor(c.hour, c.minute, true), c.now), c.calls);
    }
}

TEST(VerificarAlarme, StoredTextIsReadAsATimeOfDayAndNoTimeNeverMatchesMidnight) {
    const struct {
        const wchar_t* stored;
        TimeOfDay now;
        bool fires;
    } cases[] = {
        {L"07:00:00", {7, 0, 0}, true}, {L"7:0:00", {7, 0, 0}, true},
        {L"7:00:01", {7, 0, 0}, false}, {L"garbage", {7, 0, 0}, false},
        {L"", {0, 0, 0}, false},        {L"24:00:00", {0, 0, 0}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.stored)));
        Module1 m = ArmedFor(7, 0);
        m.blnDespVisual = m.bln10min = true;
        m.strHoraDespertar = m.strHora10min = c.stored;
        EXPECT_EQ(Tick(m, c.now), c.fires ? (Calls{"Avisa 10", "Avisa 0"}) : Calls{});
    }
}

TEST(VerificarAlarme, ClockJumpingOverTheSecondSkipsItAndSettingItBackRepeatsIt) {
    Module1 m = ArmedFor(7, 5);
    m.bln15min = true;
    // Clock readings tick after tick (several ticks per second), with the calls each makes.
    const struct {
        TimeOfDay now;
        std::size_t calls;
    } ticks[] = {
        {{6, 49, 58}, 0}, {{6, 49, 59}, 0}, {{6, 50, 1}, 0}, {{6, 50, 2}, 0}, // jumped
        {{6, 49, 59}, 0}, {{6, 50, 0}, 1},  {{6, 50, 0}, 1}, {{6, 50, 0}, 1}, // set back
        {{6, 50, 1}, 0},  {{6, 50, 0}, 1},                                    // and again
    };
    for (const auto& t : ticks) {
        EXPECT_EQ(Tick(m, t.now), Calls(t.calls, "Avisa 15")) << testing::PrintToString(t.now);
    }
}

TEST(VerificarAlarme, TargetsInTheSameSecondFireInTableOrder) {
    Module1 m = ArmedFor(7, 0, true);
    for (const PreAlerta& p : kPreAlertas) {
        m.*p.time = L"7:0:00";
    }
    EXPECT_EQ(Tick(m, {7, 0, 0}), (Calls{"Avisa 15", "Avisa 10", "Avisa 5", "Avisa 2", "Avisa 1",
                                         "Avisa 0", "Tocar", "DesligarWindows"}));
}

TEST(VerificarAlarme, EachEnabledCheckReadsTheClockAfresh) {
    // The clock moves on one second per reading; each target matches only
    // the reading its own check should get. A pre-alert that is off reads no clock.
    Module1 m = ArmedFor(7, 5, true);
    m.blnDespSom = m.blnDesligar = false;
    m.bln10min = m.bln05min = m.bln02min = false;
    m.strHora15min = L"6:50:00";
    m.strHora01min = L"6:50:01";
    m.strHoraDespertar = L"06:50:02";
    const FakeClock clock({6, 50, 0}, 1);
    RecordingActions actions;
    VerificarAlarme(m, clock, actions);
    EXPECT_EQ(actions.calls, (Calls{"Avisa 15", "Avisa 1", "Avisa 0"}));
    EXPECT_EQ(clock.Reads(), 3);
}

class CountingActions final : public AlarmActions {
public:
    int calls = 0;
    void Avisa(std::uint8_t) override { ++calls; }
    void Tocar() override { ++calls; }
    void DesligarWindows() override { ++calls; }
};

TEST(VerificarAlarme, AllocatesNothingPerTick) {
    Module1 m = ArmedFor(7, 5, true);
    m.strMsgDespertar = std::wstring(200, L'x');
    CountingActions actions;
    for (const TimeOfDay now : {TimeOfDay{3, 0, 0}, TimeOfDay{6, 50, 0}, TimeOfDay{7, 5, 0}}) {
        const FakeClock at(now);
        const long long before = HeapAllocations();
        VerificarAlarme(m, at, actions);
        EXPECT_EQ(HeapAllocations() - before, 0) << testing::PrintToString(now);
    }
    EXPECT_EQ(actions.calls, 4); // the due ticks did call out
}

TEST(HeapAllocations, CountsEveryOperatorNew) {
    const long long before = HeapAllocations();
    void* volatile p = ::operator new(16);
    ::operator delete(p);
    EXPECT_EQ(HeapAllocations() - before, 1);
}

} // namespace
} // namespace acordina::alarm
