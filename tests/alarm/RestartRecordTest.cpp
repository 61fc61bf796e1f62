// The restart record's bytes, its reading, and whether a wake-up passed while the program was away.
#include "alarm/RestartRecord.h"

#include <gtest/gtest.h>

#include <cstring>

namespace acordina::alarm {
namespace {

LocalTime At(int day, int hour, int minute, int second = 0, int month = 3) {
    return {2024, month, day, {hour, minute, second}};
}

// Armed on the 30th at 23:00 for 07:05; the program dies at 03:00 and comes back at ...
TEST(RestartRecord, AWakeUpPassedSinceTheArmingAndTheLastFiringWasMissed) {
    const RestartRecord night{{7, 5, 0}, At(30, 23, 0), std::nullopt};
    const RestartRecord rang{{7, 5, 0}, At(30, 23, 0), At(31, 7, 5)}; // and died at 10:00
    const std::tuple<const RestartRecord&, LocalTime, bool> cases[] = {
        {night, At(31, 6, 0), false},      {night, At(31, 9, 0), true},
        {night, At(2, 12, 0, 0, 4), true}, // three days later: one warning
        {night, At(31, 7, 5, 0), false},   // in its very second: it rings now
        {night, At(31, 7, 5, 1), true},    {night, At(30, 23, 30), false},
        {rang, At(31, 12, 0), false},      {rang, At(1, 7, 6, 0, 4), true},
    };
    for (const auto& [record, back, missed] : cases) {
        EXPECT_EQ(MissedWhileAway(record, back), missed) << back.day << " " << back.time.hour;
    }
}

TEST(RestartRecord, WrittenAsFourLinesAndReadBackOnlyWhole) {
    const RestartRecord r{{7, 5, 0}, At(30, 23, 0, 9), At(31, 7, 5)};
    const std::string bytes = FormatRecord(r);
    EXPECT_EQ(bytes, "Acordina religar 1\r\ndespertar 07:05\r\narmado 2024-03-30 23:00:09\r\n"
                     "tocou 2024-03-31 07:05:00\r\n");
    EXPECT_EQ(ParseRecord(bytes), r);
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        EXPECT_FALSE(ParseRecord(bytes.substr(0, n))) << "cut at " << n;
    }
    // A part of the record, and what damages it.
    const std::pair<const char*, const char*> damage[] = {
        {"religar 1", "religar 2"}, {"07:05", "24:05"}, {"07:05", "7:5"},
        {"03-30", "02-30"},         {"\r\n", "\n"},     {":09", ":9x"}};
    for (const auto& [part, damaged] : damage) {
        std::string text = bytes;
        text.replace(text.find(part), std::strlen(part), damaged);
        EXPECT_FALSE(ParseRecord(text)) << text;
    }
    EXPECT_FALSE(ParseRecord(bytes + "x"));
    EXPECT_FALSE(ParseRecord(bytes + std::string(200, ' ')));
}

} // namespace
} // namespace acordina::alarm
