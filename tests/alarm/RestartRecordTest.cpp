// The restart record's bytes, its reading, and whether a wake-up passed while the program was away.
#include "alarm/RestartRecord.h"

#include <gtest/gtest.h>

namespace acordina::alarm {
namespace {

LocalTime At(int day, int hour, int minute, int second = 0, int month = 3) {
    return {2024, month, day, {hour, minute, second}};
}

// Armed on the 30th at 23:00 for 07:05; the program dies at 03:00 and comes back at ...
TEST(RestartRecord, AWakeUpPassedSinceTheArmingAndTheLastFiringWasMissed) {
    const RestartRecord night{{7, 5, 0}, At(30, 23, 0), std::nullopt};
    const RestartRecord rang{{7, 5, 0}, At(30, 23, 0), At(31, 7, 5)};
    const struct {
        const RestartRecord& record;
        LocalTime back;
        bool missed;
    } cases[] = {
        {night, At(31, 6, 0), false},      // before the wake-up
        {night, At(31, 9, 0), true},       // after it
        {night, At(2, 12, 0, 0, 4), true}, // three days later: one warning
        {night, At(31, 7, 5, 0), false},   // in its very second: it rings now
        {night, At(31, 7, 5, 1), true},
        {night, At(30, 23, 30), false},  // the time passed before the arming does not count
        {rang, At(31, 12, 0), false},    // fired at 07:05, died at 10:00
        {rang, At(1, 7, 6, 0, 4), true}, // and away over the next morning too
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MissedWhileAway(c.record, c.back), c.missed)
            << c.back.day << " " << c.back.time.hour << ":" << c.back.time.minute;
    }
}

TEST(RestartRecord, WrittenAsFourLinesAndReadBackOnlyWhole) {
    const RestartRecord r{{7, 5, 0}, At(30, 23, 0, 9), At(31, 7, 5)};
    const std::string bytes = FormatRecord(r);
    EXPECT_EQ(bytes, "Acordina religar 1\r\ndespertar 07:05\r\narmado 2024-03-30 23:00:09\r\n"
                     "tocou 2024-03-31 07:05:00\r\n");
    EXPECT_EQ(ParseRecord(bytes), r);
    const RestartRecord fresh{{0, 0, 0}, At(29, 0, 0), std::nullopt};
    EXPECT_EQ(ParseRecord(FormatRecord(fresh)), fresh);
    EXPECT_EQ(FormatRecord(fresh).substr(65), "tocou -\r\n");

    for (std::size_t n = 0; n < bytes.size(); ++n) {
        EXPECT_FALSE(ParseRecord(bytes.substr(0, n))) << "cut at " << n;
    }
    std::string longer = bytes + std::string(200, 'x');
    const char* damaged[] = {
        "Acordina religar 2\r\ndespertar 07:05\r\narmado 2024-03-30 23:00:09\r\ntocou -\r\n",
        "Acordina religar 1\r\ndespertar 24:05\r\narmado 2024-03-30 23:00:09\r\ntocou -\r\n",
        "Acordina religar 1\r\ndespertar 07:60\r\narmado 2024-03-30 23:00:09\r\ntocou -\r\n",
        "Acordina religar 1\r\ndespertar 7:5\r\narmado 2024-03-30 23:00:09\r\ntocou -\r\n",
        "Acordina religar 1\r\ndespertar 07:05\r\narmado 2024-02-30 23:00:09\r\ntocou -\r\n",
        "Acordina religar 1\r\ndespertar 07:05\r\narmado 2024-03-30 23:00:09\r\ntocou 2024-13-01 "
        "07:05:00\r\n",
        "Acordina religar 1\r\ndespertar 07:05\r\narmado 2024-03-30 23:00:09\r\ntocou -\r\nx",
        "Acordina religar 1\ndespertar 07:05\narmado 2024-03-30 23:00:09\ntocou -\n",
        longer.c_str(),
    };
    for (const char* d : damaged) {
        EXPECT_FALSE(ParseRecord(d)) << d;
    }
    EXPECT_FALSE(ParseRecord(std::string_view("Acordina religar 1\r\n\0x", 22)));
}

} // namespace
} // namespace acordina::alarm
