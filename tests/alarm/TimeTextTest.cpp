#include "alarm/TimeText.h"
#include "AlarmFakes.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <optional>
#include <string_view>

namespace acordina::alarm {
namespace {

TEST(LerHora, ReadsCanonicalAndRawForms) {
    const struct {
        std::wstring_view text;
        TimeOfDay time;
    } cases[] = {
        {L"07:05:00", {7, 5, 0}},    {L"7:4:00", {7, 4, 0}}, {L"0:0:00", {0, 0, 0}},
        {L"23:59:59", {23, 59, 59}}, {L"7:4", {7, 4, 0}},    {L"7:4:9", {7, 4, 9}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LerHora(c.text), std::optional<TimeOfDay>(c.time))
            << testing::PrintToString(std::wstring(c.text));
    }
}

TEST(LerHora, RejectsWhatIsNoTimeOfDay) {
    // The last one starts with a fullwidth digit seven.
    const std::wstring_view cases[] = {
        L"",         L"garbage",  L"7",       L"24:00:00", L"7:60:00",    L"7:00:60",
        L"123:0:00", L"7::00",    L":4:00",   L"7:4:",     L"7:4:00:00",  L" 7:4:00",
        L"7:4:00 ",  L"7:04:000", L"-1:0:00", L"7:4:0x",   L"\xFF17:4:00"};
    for (const auto text : cases) {
        EXPECT_EQ(LerHora(text), std::nullopt) << testing::PrintToString(std::wstring(text));
    }
}

TEST(FormatarHora, TwoDigitsEachAndTerminated) {
    const ClockText out = FormatarHora({9, 3, 7});
    EXPECT_EQ(std::wstring_view(out.text, 8), L"09:03:07");
    EXPECT_EQ(out.text[8], L'\0');
}

TEST(FormatarHora, ReadsBackAsTheSameTime) {
    for (int s = 0; s < 86400; s += 7) {
        const TimeOfDay t{s / 3600, s / 60 % 60, s % 60};
        ASSERT_EQ(LerHora(FormatarHora(t).text), t);
    }
}

} // namespace
} // namespace acordina::alarm
