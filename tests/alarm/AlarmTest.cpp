// The alarm engine on a fake clock, with the times arming stores; the time texts; the restart
// record's bytes, and whether a wake-up passed while the program was away.
#include "AllocationCounter.h"
#include "ArmedAlarm.h"
#include "alarm/AlarmSound.h"
#include "alarm/ArmingWarning.h"
#include "alarm/CommandLine.h"
#include "alarm/RestartRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace acordina::alarm {
namespace {

// A reading of the clock on 30 March 2024 (day 31 is the next one).
LocalTime At(int hour, int minute, int second, int day = 30, int month = 3) {
    return {2024, month, day, {hour, minute, second}};
}

const char* const kWakeUp = "Avisa 0; Tocar; Despertou; DesligarWindows; ";
const char* const kNotRung = "NaoTocou 7:5; ";
const char* const kAllInOrder =
    "Avisa 15; Avisa 10; Avisa 5; Avisa 2; Avisa 1; Avisa 0; Tocar; Despertou; DesligarWindows; ";

using Checks = std::vector<std::pair<LocalTime, std::string>>; // each reading and its calls

// Each row: the alarm, what is on, when armed, then the checks and the calls of each. Every check
// stands for the 20 ticks of both timers in its second: only the first may call; none allocates.
TEST(AlarmEngine, EachTargetFiresOnceWhenReachedOrCrossedLateAfterAShortStallNeverAfterALong) {
    const std::tuple<const char*, int, int, unsigned, LocalTime, Checks> cases[] = {
        // clang-format off
        {"reached exactly", 7, 5, All, At(7, 4, 50), {{At(7, 4, 59), ""}, {At(7, 5, 0), kWakeUp}}},
        {"armed in its second", 7, 5, All, At(7, 5, 0), {{At(7, 5, 0), kWakeUp}}},
        {"crossed by 2 s", 7, 5, All, At(7, 4, 10), {{At(7, 4, 59), ""}, {At(7, 5, 1), kWakeUp}}},
        {"crossed by 60 s", 7, 5, All, At(7, 4, 31), {{At(7, 5, 30), kWakeUp}}},
        {"crossed by 61 s", 7, 5, All, At(7, 4, 31), {{At(7, 5, 31), kNotRung}}},
        {"a night asleep", 7, 5, All, At(22, 0, 0), {{At(7, 30, 0, 31), kNotRung}}},
        {"two days asleep", 7, 5, V, At(22, 0, 0), {{{2024, 4, 1, {9, 0, 0}}, kNotRung}}},
        {"back from sleep in its second", 7, 5, All, At(22, 0, 0), {{At(7, 5, 0, 31), kWakeUp}}},
        {"midnight crossed", 0, 0, All, At(23, 59, 59), {{At(0, 0, 1, 31), kWakeUp}}},
        {"clock set back an hour", 7, 5, All, At(7, 4, 59),
         {{At(7, 5, 0), kWakeUp}, {At(7, 30, 0), ""}, {At(6, 30, 0), ""}, {At(7, 5, 0), kWakeUp}}},
        {"back onto it", 7, 5, All, At(7, 5, 0), {{At(7, 5, 1), kWakeUp}, {At(7, 5, 0), kWakeUp}}},
        {"next day", 7, 5, All, At(7, 5, 0), {{At(7, 5, 0), kWakeUp}, {At(7, 5, 0, 31), kWakeUp}}},
        // Armed in the target's second, with only what is on.
        {"15", 7, 5, P15, At(6, 50, 0), {{At(6, 50, 0), "Avisa 15; "}}},
        {"10", 7, 5, P10, At(6, 55, 0), {{At(6, 55, 0), "Avisa 10; "}}},
        {"5", 7, 5, P5, At(7, 0, 0), {{At(7, 0, 0), "Avisa 5; "}}},
        {"2", 7, 5, P2, At(7, 3, 0), {{At(7, 3, 0), "Avisa 2; "}}},
        {"1", 7, 5, P1, At(7, 4, 0), {{At(7, 4, 0), "Avisa 1; "}}},
        {"15 off", 7, 5, All - P15, At(6, 50, 0), {{At(6, 50, 0), ""}}},
        {"visual", 7, 5, V, At(7, 5, 0), {{At(7, 5, 0), "Avisa 0; Despertou; "}}},
        {"sound", 7, 5, S, At(7, 5, 0), {{At(7, 5, 0), "Tocar; Despertou; "}}},
        {"shutdown", 7, 5, D, At(7, 5, 0), {{At(7, 5, 0), "Despertou; DesligarWindows; "}}},
        {"0:00", 0, 0, All, At(23, 59, 0), {{At(23, 59, 0), "Avisa 1; "}}},
        {"0:10", 0, 10, All, At(23, 55, 0),
         {{At(23, 55, 0), "Avisa 15; "}, {At(23, 59, 0), ""}, {At(0, 0, 0, 31), "Avisa 10; "}}},
        {"1:14", 1, 14, P15, At(0, 59, 0), {{At(0, 59, 0), "Avisa 15; "}}},
        {"23:59", 23, 59, All, At(23, 59, 0), {{At(23, 59, 0), kWakeUp}}},
        {"five in one gap", 7, 5, All | Apart, At(7, 4, 5), {{At(7, 5, 0), kAllInOrder}}},
        {"all in one second", 7, 5, All | Same, At(7, 5, 0), {{At(7, 5, 0), kAllInOrder}}},
        {"switched off", 7, 5, All | Off, At(7, 4, 59), {{At(7, 5, 0), ""}}},
        // clang-format on
    };
    for (const auto& [name, hour, minute, on, armed, checks] : cases) {
        SCOPED_TRACE(name);
        const Module1 m = ArmedFor(hour, minute, on);
        AlarmEngine engine;
        engine.Armar(armed);
        for (std::size_t i = 0; i < checks.size(); ++i) {
            for (int tick = 0; tick < 20; ++tick) {
                RecordingActions actions;
                const long long before = HeapAllocations();
                const bool passed = engine.Verificar(m, checks[i].first, actions);
                engine.Proximo(m, checks[i].first);
                EXPECT_EQ(HeapAllocations() - before, 0) << "check " << i << ", tick " << tick;
                const std::string want = tick == 0 ? checks[i].second : "";
                EXPECT_EQ(actions.calls, want) << "check " << i << ", tick " << tick;
                EXPECT_EQ(passed, !want.empty()) << "check " << i << ", tick " << tick;
            }
        }
    }
    const long long before = HeapAllocations();
    void* volatile p = ::operator new(16); // the counter does count
    ::operator delete(p);
    EXPECT_EQ(HeapAllocations() - before, 1);
}

// Armed at 22:00:00 for 07:05, checked at `checked` (22:00:00: not since) and asked at `now`.
TEST(AlarmEngine, TheNextTargetIsTheNextThatIsOnAndNotHandledYet) {
    // clang-format off
    // What is on, when checked and asked, the next target and how far away it is.
    const std::tuple<const char*, unsigned, LocalTime, LocalTime, LocalTime, std::int64_t> cases[] = {
        {"just armed", All, At(22, 0, 0), At(22, 0, 0), At(6, 50, 0, 31), 31800},
        {"the first pre-alert off", All - P15, At(22, 0, 0), At(22, 0, 0), At(6, 55, 0, 31), 32100},
        {"due, not checked yet", V, At(22, 0, 0), At(7, 5, 0, 31), At(7, 5, 0, 31), 0},
        {"rung this second", S, At(7, 5, 0, 31), At(7, 5, 0, 31), {2024, 4, 1, {7, 5, 0}}, 86400},
        {"rung, the clock set back", S, At(7, 5, 0, 31), At(7, 4, 0, 31), At(7, 5, 0, 31), 60}};
    // clang-format on
    for (const auto& [name, on, checked, now, when, secondsAway] : cases) {
        const Module1 m = ArmedFor(7, 5, on);
        AlarmEngine engine;
        engine.Armar(At(22, 0, 0));
        RecordingActions actions;
        engine.Verificar(m, checked, actions);
        const auto next = engine.Proximo(m, now);
        ASSERT_TRUE(next) << name;
        EXPECT_EQ(std::pair(next->when, next->secondsAway), std::pair(when, secondsAway)) << name;
    }
    EXPECT_FALSE(AlarmEngine().Proximo(ArmedFor(7, 5, 0), At(22, 0, 0))) << "nothing on";
}

TEST(TimeText, StoredTimesAreReadAndTheClockShowsTwoDigitsEach) {
    EXPECT_EQ(LerHora(L"23:59:59"), (TimeOfDay{23, 59, 59}));
    EXPECT_EQ(LerHora(L"7:4"), (TimeOfDay{7, 4, 0}));
    EXPECT_EQ(LerHora(L"7:4:9"), (TimeOfDay{7, 4, 9}));
    for (const std::wstring_view text : {L"", L"7", L"24:00:00", L"7:60:00", L"7:00:60",
                                         L"123:0:00", L"7::00", L"7:4:00:00", L"7:4:00 "}) {
        EXPECT_EQ(LerHora(text), std::nullopt) << text.size();
    }
    EXPECT_EQ(std::wstring(FormatarHora({9, 3, 7}).text), L"09:03:07");
    EXPECT_EQ(std::wstring(FormatarHora({23, 59, 48}).text), L"23:59:48");
}

// What arming stores, every pre-alert ticked: the wake-up, then the pre-alerts 1, 2, 5, 10, 15.
TEST(ArmingTimes, TheWakeUpHasTwoDigitsEachAndThePreAlertsNoLeadingZeros) {
    const std::tuple<int, int, const wchar_t*> cases[] = {
        {7, 5, L"07:05:00 7:4:00 7:3:00 7:0:00 6:55:00 6:50:00"},
        {0, 0, L"00:00:00 23:59:00 23:58:00 23:55:00 23:50:00 23:45:00"},
        {0, 1, L"00:01:00 0:0:00 23:59:00 23:56:00 23:51:00 23:46:00"},
        {0, 10, L"00:10:00 0:9:00 0:8:00 0:5:00 0:0:00 23:55:00"},
        {0, 14, L"00:14:00 0:13:00 0:12:00 0:9:00 0:4:00 23:59:00"},
        {23, 59, L"23:59:00 23:58:00 23:57:00 23:54:00 23:49:00 23:44:00"},
        {12, 0, L"12:00:00 11:59:00 11:58:00 11:55:00 11:50:00 11:45:00"}};
    for (const auto& [hour, minute, stored] : cases) {
        const Module1 m = ArmedFor(hour, minute, All);
        std::wstring times = m.strHoraDespertar;
        for (const PreAlerta& p : kPreAlertas) {
            times += L" " + m.*p.time;
        }
        EXPECT_EQ(times, stored);
    }
}

// Armed on the 30th at 23:00 for 07:05; the program dies at 03:00 and comes back at ...
TEST(RestartRecord, AWakeUpPassedSinceTheArmingAndTheLastFiringWasMissed) {
    const RestartRecord night{{7, 5, 0}, At(23, 0, 0), std::nullopt};
    const RestartRecord rang{{7, 5, 0}, At(23, 0, 0), At(7, 5, 0, 31)}; // and died at 10:00
    const std::tuple<const RestartRecord&, LocalTime, bool> cases[] = {
        {night, At(6, 0, 0, 31), false},   {night, At(9, 0, 0, 31), true},
        {night, At(12, 0, 0, 2, 4), true}, // three days later: one warning
        {night, At(7, 5, 0, 31), false},   // in its very second: it rings now
        {night, At(7, 5, 1, 31), true},    {night, At(23, 30, 0), false},
        {rang, At(12, 0, 0, 31), false},   {rang, At(7, 6, 0, 1, 4), true},
    };
    for (const auto& [record, back, missed] : cases) {
        EXPECT_EQ(MissedWhileAway(record, back), missed) << back.day << " " << back.time.hour;
    }
}

TEST(RestartRecord, WrittenAsFourLinesAndReadBackOnlyWhole) {
    const RestartRecord r{{7, 5, 0}, At(23, 0, 9), At(7, 5, 0, 31)};
    const std::string bytes = FormatRecord(r);
    EXPECT_EQ(bytes, "Acordina religar 1\r\ndespertar 07:05\r\narmado 2024-03-30 23:00:09\r\n"
                     "tocou 2024-03-31 07:05:00\r\n");
    EXPECT_EQ(ParseRecord(bytes), r);
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        EXPECT_FALSE(ParseRecord(bytes.substr(0, n))) << "cut at " << n;
    }
    // A part of the record, and what damages it; the last line's end, what follows it.
    // clang-format off
    const std::pair<const char*, std::string> damage[] = {
        {"religar 1", "religar 2"}, {"07:05", "24:05"}, {"07:05", "7:5"}, {"03-30", "02-30"},
        {"\r\n", "\n"}, {":09", ":9x"}, {"0\r\n", "0\r\nx"}, {"0\r\n", "0\r\n" + std::string(200, ' ')}};
    // clang-format on
    for (const auto& [part, damaged] : damage) {
        std::string text = bytes;
        text.replace(text.find(part), std::strlen(part), damaged);
        EXPECT_FALSE(ParseRecord(text)) << text;
    }
}

TEST(CommandLine, TheExecutableIsQuotedAndOnlyTheWordAloneInAnyCaseAsksToReligar) {
    EXPECT_EQ(CommandLine(L"C:\\A B\\a.exe", kReligar), L"\"C:\\A B\\a.exe\" /religar");
    const std::pair<const wchar_t*, bool> rows[] = {
        {L"/religar", true}, {L" \t/ReLIGAR \r\n", true}, {L"", false},
        {L"religar", false}, {L"/religar x", false},      {L"/religar2", false}};
    for (const auto& [arguments, religar] : rows) {
        EXPECT_EQ(StartedToReligar(arguments), religar) << arguments;
    }
}

TEST(AlarmSound, AWaveIsWholeUpToItsLastByte) {
    using namespace std::literals;
    const std::string wave =
        "RIFF\46\0\0\0WAVEfmt \20\0\0\0\1\0\1\0\x40\x1F\0\0\x40\x1F\0\0\1\0\x08\0"
        "data\2\0\0\0\x80\x80"s;
    EXPECT_TRUE(IsWholeWave(wave, 46));
    EXPECT_FALSE(IsWholeWave(wave.substr(0, 45), 45));
}

// Sound ticked, file readable, output silent, wake timers allowed (9: unread), timer set and
// resuming, and the one warning arming gives.
TEST(ArmingWarning, TheFileGoesFirstThenTheVolumeThenTheSleepingComputer) {
    using enum ArmingWarning;
    constexpr std::optional<bool> unknown;
    using Row = std::tuple<bool, bool, std::optional<bool>, int, WakeTimerAnswer, ArmingWarning>;
    // clang-format off
    const Row rows[] = {
        {true, true, false, 1, {}, None}, {true, true, unknown, 9, {}, None},
        {true, true, false, 3, {}, None} /* a value Windows does not name */,
        {false, false, true, 1, {}, None}, {true, false, true, 0, {false, false}, UnreadableSound},
        {true, true, true, 0, {false, false}, SilentOutput},
        {false, false, true, 0, {}, NoWakeTimers}, {true, true, unknown, 2, {}, NoWakeTimers},
        {true, true, false, 9, {false, true}, NoWakeTimers},
        {true, true, false, 1, {true, false}, NoWakeTimers}};
    // clang-format on
    for (const auto& [sound, readable, silent, allowed, timer, warning] : rows) {
        const auto setting = allowed == 9 ? std::nullopt : std::optional<std::uint32_t>(allowed);
        EXPECT_EQ(FirstArmingWarning({sound, readable, silent, setting, timer}), warning)
            << sound << readable << silent.value_or(2) << allowed << timer.set << timer.resumes;
    }
}

} // namespace
} // namespace acordina::alarm
