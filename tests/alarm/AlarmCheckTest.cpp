#include "alarm/AlarmCheck.h"
#include "AlarmFakes.h"
#include "AllocationCounter.h"
#include "alarm/ArmingTimes.h"

#include <gtest/gtest.h>

#include <vector>

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
        m.*p.message = L"antes";
    }
    m.blnDespVisual = m.blnDespSom = m.blnDesligar = everythingOn;
    return m;
}

// A reading of the clock on 30 March 2024 (day 31 is the next one).
LocalTime At(int hour, int minute, int second, int day = 30) {
    return {2024, 3, day, {hour, minute, second}};
}

// The calls of a check in the second `now`, the previous check being the second before.
Calls Reach(const Module1& m, LocalTime now) {
    AlarmEngine engine;
    engine.Armar(now);
    RecordingActions actions;
    engine.Verificar(m, now, actions);
    return actions.calls;
}

const Calls kWakeUp = {"Avisa 0", "Tocar", "DesligarWindows"};
const Calls kNotRung = {"NaoTocou 7:5"};

// Each check stands for the 20 ticks of both timers in its second: only the first may call.
TEST(AlarmEngine, EachTargetFiresOnceWhenReachedOrCrossedLateAfterAShortStallNeverAfterALong) {
    struct Check {
        LocalTime now;
        Calls calls;
    };
    const struct {
        const char* name;
        bool preAlerts;
        LocalTime armed;
        std::vector<Check> checks;
    } cases[] = {
        {"reached exactly", true, At(7, 4, 50), {{At(7, 4, 59), {}}, {At(7, 5, 0), kWakeUp}}},
        {"armed in its very second", true, At(7, 5, 0), {{At(7, 5, 0), kWakeUp}}},
        {"crossed by 2 s", true, At(7, 4, 10), {{At(7, 4, 59), {}}, {At(7, 5, 1), kWakeUp}}},
        {"crossed by 59 s", true, At(7, 4, 10), {{At(7, 4, 30), {}}, {At(7, 5, 29), kWakeUp}}},
        {"crossed by 61 s", true, At(7, 4, 10), {{At(7, 4, 30), {}}, {At(7, 5, 31), kNotRung}}},
        {"a night asleep", true, At(22, 0, 0), {{At(22, 0, 1), {}}, {At(7, 30, 0, 31), kNotRung}}},
        {"two days asleep", false, At(22, 0, 0), {{{2024, 4, 1, {9, 0, 0}}, kNotRung}}},
        {"back from sleep in its second", true, At(22, 0, 0), {{At(7, 5, 0, 31), kWakeUp}}},
        {"clock set back an hour",
         false,
         At(7, 4, 59),
         {{At(7, 5, 0), kWakeUp},
          {At(7, 30, 0), {}},
          {At(6, 30, 0), {}},
          {At(7, 4, 59), {}},
          {At(7, 5, 0), kWakeUp}}},
        {"set back onto its second",
         false,
         At(7, 5, 0),
         {{At(7, 5, 1), kWakeUp}, {At(7, 5, 0), kWakeUp}}},
        {"the next day again",
         true,
         At(7, 5, 0),
         {{At(7, 5, 0), kWakeUp}, {At(7, 5, 0, 31), kWakeUp}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Module1 m = ArmedFor(7, 5, true);
        for (const PreAlerta& p : kPreAlertas) {
            m.*p.flag = c.preAlerts;
        }
        AlarmEngine engine;
        engine.Armar(c.armed);
        for (const Check& check : c.checks) {
            for (int tick = 0; tick < 20; ++tick) {
                RecordingActions actions;
                const bool passed = engine.Verificar(m, check.now, actions);
                EXPECT_EQ(actions.calls, tick == 0 ? check.calls : Calls{})
                    << testing::PrintToString(check.now) << " tick " << tick;
                EXPECT_EQ(passed, tick == 0 && !check.calls.empty());
            }
        }
    }
}

TEST(AlarmEngine, TargetsInOneGapFireInOrderAndThoseOfOneSecondInTableOrder) {
    Module1 m = ArmedFor(7, 5, true);
    const wchar_t* apart[] = {L"7:4:50", L"7:4:40", L"7:4:30", L"7:4:20", L"7:4:10"}; // 1 .. 15
    for (const bool sameSecond : {false, true}) {
        for (std::size_t i = 0; i < kPreAlertas.size(); ++i) {
            m.*kPreAlertas[i].time = sameSecond ? L"7:5:00" : apart[i];
        }
        AlarmEngine engine;
        engine.Armar(At(7, 4, 5));
        RecordingActions actions;
        engine.Verificar(m, At(7, 5, 0), actions);
        EXPECT_EQ(actions.calls, (Calls{"Avisa 15", "Avisa 10", "Avisa 5", "Avisa 2", "Avisa 1",
                                        "Avisa 0", "Tocar", "DesligarWindows"}))
            << sameSecond;
    }
}

TEST(AlarmEngine, PreAlertFiresInItsOwnSecondOnlyAndOnlyWhenOn) {
    const struct {
        bool Module1::*flag;
        TimeOfDay due;
        const char* call;
    } cases[] = {
        {&Module1::bln15min, {6, 50, 0}, "Avisa 15"}, {&Module1::bln10min, {6, 55, 0}, "Avisa 10"},
        {&Module1::bln05min, {7, 0, 0}, "Avisa 5"},   {&Module1::bln02min, {7, 3, 0}, "Avisa 2"},
        {&Module1::bln01min, {7, 4, 0}, "Avisa 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        Module1 m = ArmedFor(7, 5);
        const LocalTime due = At(c.due.hour, c.due.minute, 0);
        EXPECT_EQ(Reach(m, due), Calls{});
        m.*c.flag = true;
        EXPECT_EQ(Reach(m, At(c.due.hour, c.due.minute, 1)), Calls{});
        EXPECT_EQ(Reach(m, due), Calls{c.call});
    }
}

TEST(AlarmEngine, WakeUpCallsOnlyTheChosenActionsInOrder) {
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
        EXPECT_EQ(Reach(m, At(7, 5, 0)), expected);
    }
}

TEST(AlarmEngine, TargetsAroundMidnight) {
    const struct {
        int hour, minute;
        TimeOfDay now;
        Calls calls;
    } cases[] = {
        {0, 0, {23, 45, 0}, {"Avisa 15"}},  {0, 0, {23, 59, 0}, {"Avisa 1"}},
        {0, 0, {0, 0, 0}, kWakeUp},         {0, 0, {23, 59, 59}, {}},
        {0, 10, {23, 55, 0}, {"Avisa 15"}}, {0, 10, {0, 0, 0}, {"Avisa 10"}},
        {0, 10, {0, 10, 0}, kWakeUp},       {23, 59, {23, 59, 0}, kWakeUp},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.hour << ':' << c.minute << " at " << testing::PrintToString(c.now));
        EXPECT_EQ(Reach(ArmedFor(c.hour, c.minute, true), {2024, 3, 31, c.now}), c.calls);
    }
    // Crossed from 23:59:59 to 00:00:01 of the next day.
    AlarmEngine engine;
    engine.Armar(At(23, 59, 59));
    RecordingActions actions;
    engine.Verificar(ArmedFor(0, 0, true), At(0, 0, 1, 31), actions);
    EXPECT_EQ(actions.calls, kWakeUp);
}

TEST(AlarmEngine, StoredTextIsReadAsATimeOfDayAndNoTimeNeverFires) {
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
        EXPECT_EQ(Reach(m, {2024, 3, 30, c.now}),
                  c.fires ? (Calls{"Avisa 10", "Avisa 0"}) : Calls{});
    }
}

TEST(AlarmEngine, TheNextTargetIsTheNextThatDoesSomethingAndNotHandledYet) {
    const struct {
        const char* name;
        bool preAlerts;
        const wchar_t* message15;         // the 15-minute pre-alert's message
        std::optional<LocalTime> checked; // the last check, if any after arming at 22:00:00
        LocalTime now;
        LocalTime next;
        std::int64_t secondsAway;
    } cases[] = {
        {"just armed", true, L"antes", {}, At(22, 0, 0), At(6, 50, 0, 31), 8 * 3600 + 50 * 60},
        {"a pre-alert without message",
         true,
         L"",
         {},
         At(22, 0, 0),
         At(6, 55, 0, 31),
         8 * 3600 + 55 * 60},
        {"due this second, not checked yet", false, L"", {}, At(7, 5, 0, 31), At(7, 5, 0, 31), 0},
        {"rung this second",
         false,
         L"",
         At(7, 5, 0, 31),
         At(7, 5, 0, 31),
         {2024, 4, 1, {7, 5, 0}},
         86400},
        {"clock set back", false, L"", At(23, 0, 0), At(21, 0, 0), At(7, 5, 0, 31),
         10 * 3600 + 5 * 60},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Module1 m = ArmedFor(7, 5, true);
        m.strMsg15min = c.message15;
        for (const PreAlerta& p : kPreAlertas) {
            m.*p.flag = c.preAlerts;
        }
        AlarmEngine engine;
        engine.Armar(At(22, 0, 0));
        if (c.checked) {
            RecordingActions actions;
            engine.Verificar(m, *c.checked, actions);
        }
        const auto next = engine.Proximo(m, c.now);
        ASSERT_TRUE(next);
        EXPECT_EQ(next->when, c.next);
        EXPECT_EQ(next->secondsAway, c.secondsAway);
    }
}

class CountingActions final : public AlarmActions {
public:
    int calls = 0;
    void Avisa(std::uint8_t) override { ++calls; }
    void Tocar() override { ++calls; }
    void DesligarWindows() override { ++calls; }
    void AvisaNaoTocou(TimeOfDay) override { ++calls; }
};

TEST(AlarmEngine, AllocatesNothingPerTick) {
    Module1 m = ArmedFor(7, 5, true);
    m.strMsgDespertar = std::wstring(200, L'x');
    CountingActions actions;
    AlarmEngine engine;
    engine.Armar(At(2, 59, 59));
    for (const LocalTime now : {At(3, 0, 0), At(6, 50, 0), At(7, 5, 0), At(7, 5, 0)}) {
        const long long before = HeapAllocations();
        engine.Verificar(m, now, actions);
        EXPECT_TRUE(engine.Proximo(m, now));
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
