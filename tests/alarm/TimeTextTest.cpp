#include "AlarmFakes.h"
#include "alarm/AlarmCheck.h"

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
        {L"07:05:00", {7, 5, 0}}, {L"7:4:00", {7, 4, 0}},      {L"0:0:00", {0, 0, 0}},
        {L"00:00:00", {0, 0, 0}}, {L"23:59:59", {23, 59, 59}}, {L"6:55:00", {6, 55, 0}},
        {L"7:4", {7, 4, 0}},      {L"07:05", {7, 5, 0}},       {L"7:4:9", {7, 4, 9}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LerHora(c.text), std::optional<TimeOfDay>(c.time))
            << testing::PrintToString(std::wstring(c.text));
    }
}

TEST(LerHora, RejectsWhatIsNoTimeOfDay) {
    const std::wstring_view cases[] = {
        L"",
        L"garbage",
        L"7",
        L"24:00:00",
        L"7:60:00",
        L"7:00:60",
        L"123:0:00",
        L"7::00",
        L":4:00",
        L"7:4:",
        L"7:4:00:00",
        L" 7:4:00",
        L"7:4:00 ",
        L"7:04:000",
        L"-1:0:00",
        L"7:-4:00",
        L"7.4.00",
        L"7:4:0x",
        L"\xFF17:4:00", // fullwidth digit seven
    };
    for (const auto text : cases) {
        EXPECT_EQ(LerHora(text), std::nullopt) << testing::PrintToString(std::wstring(text));
    }
}

TEST(FormatarHora, TwoDigitsEachAndTerminated) {
    const struct {
        TimeOfDay time;
        const wchar_t* text;
    } cases[] = {
        {{9, 3, 7}, L"09:03:07"},
        {{23, 59, 59}, L"23:59:59"},
        {{0, 0, 0}, L"00:00:00"},
        {{12, 0, 30}, L"12:00:30"},
    };
    for (const auto& c : cases) {
        const ClockText out = FormatarHora(c.time);
        EXPECT_EQ(std::wstring_view(out.text, 8), c.text);
        EXPECT_EQ(out.text[8], L'\0');
    }
}

TEST(FormatarHora, ReadsBackAsTheSameTime) {
    for (int s = 0; s < 86400; s += 7) {
        const TimeOfDay t{s / 3600, s / 60 % 60, s % 60};
        ASSERT_EQ(LerHora(FormatarHora(t).text), t);
    }
}

} // namespace
} // namespace acordina::alarm
