#include "alarm/ArmingTimes.h"

#include <gtest/gtest.h>

namespace acordina::alarm {
namespace {

TEST(ArmingTimes, WakeUpInTwoDigitsAndEachPreAlertMinutesEarlierAroundTheClock) {
    // The pre-alert texts for n = 1, 2, 5, 10, 15 (the order of kPreAlertas), no leading zeros.
    const struct {
        int hour, minute;
        const wchar_t* wake;
        const wchar_t* before[5];
    } cases[] = {
        {7, 5, L"07:05:00", {L"7:4:00", L"7:3:00", L"7:0:00", L"6:55:00", L"6:50:00"}},
        {0, 0, L"00:00:00", {L"23:59:00", L"23:58:00", L"23:55:00", L"23:50:00", L"23:45:00"}},
        {0, 10, L"00:10:00", {L"0:9:00", L"0:8:00", L"0:5:00", L"0:0:00", L"23:55:00"}},
        {23, 59, L"23:59:00", {L"23:58:00", L"23:57:00", L"23:54:00", L"23:49:00", L"23:44:00"}},
        {1, 14, L"01:14:00", {L"1:13:00", L"1:12:00", L"1:9:00", L"1:4:00", L"0:59:00"}},
        {10, 15, L"10:15:00", {L"10:14:00", L"10:13:00", L"10:10:00", L"10:5:00", L"10:0:00"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HoraDespertar(c.hour, c.minute), c.wake);
        for (std::size_t i = 0; i < kPreAlertas.size(); ++i) {
            EXPECT_EQ(HoraPreAlerta(c.hour, c.minute, kPreAlertas[i].minutes), c.before[i])
                << c.hour << ':' << c.minute << " n=" << kPreAlertas[i].minutes;
        }
    }
}

} // namespace
} // namespace acordina::alarm
