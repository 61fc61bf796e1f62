#include "alarm/RestartRecord.h"

#include <chrono>
#include <cstdio>

namespace acordina::alarm {
namespace {

constexpr std::int64_t kDay = 86400;
constexpr char kHeader[] = "Acordina religar 1\r\n";

std::string Moment(const std::optional<LocalTime>& t) {
    if (!t) {
        return "-";
    }
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t->year, t->month, t->day,
                  t->time.hour, t->time.minute, t->time.second);
    return text;
}

bool Valid(const LocalTime& t) {
    using namespace std::chrono;
    const year_month_day date{year{t.year}, month{static_cast<unsigned>(t.month)},
                              day{static_cast<unsigned>(t.day)}};
    return t.year >= 1970 && date.ok() && t.time.hour < 24 && t.time.minute < 60 &&
           t.time.second < 60;
}

std::optional<LocalTime> ParseMoment(const char* text) {
    LocalTime t;
    if (std::sscanf(text, "%4d-%2d-%2d %2d:%2d:%2d", &t.year, &t.month, &t.day, &t.time.hour,
                    &t.time.minute, &t.time.second) != 6 ||
        !Valid(t)) {
        return std::nullopt;
    }
    return t;
}

} // namespace

std::string FormatRecord(const RestartRecord& r) {
    char despertar[8];
    std::snprintf(despertar, sizeof despertar, "%02d:%02d", r.despertar.hour, r.despertar.minute);
    return std::string(kHeader) + "despertar " + despertar + "\r\narmado " + Moment(r.armado) +
           "\r\ntocou " + Moment(r.tocou) + "\r\n";
}

std::optional<RestartRecord> ParseRecord(std::string_view bytes) {
    // Longer than any record: no reading past the end of a damaged one.
    if (bytes.size() > 120) {
        return std::nullopt;
    }
    const std::string text(bytes);
    RestartRecord r;
    char armado[20] = {}, tocou[20] = {};
    if (std::sscanf(
            text.c_str(),
            "Acordina religar 1\r\ndespertar %2d:%2d\r\narmado %19[-0-9 :]\r\ntocou %19[-0-9 :]",
            &r.despertar.hour, &r.despertar.minute, armado, tocou) != 4 ||
        r.despertar.hour < 0 || r.despertar.hour > 23 || r.despertar.minute < 0 ||
        r.despertar.minute > 59) {
        return std::nullopt;
    }
    const auto armedAt = ParseMoment(armado);
    if (!armedAt) {
        return std::nullopt;
    }
    r.armado = *armedAt;
    if (std::string_view(tocou) != "-") {
        r.tocou = ParseMoment(tocou);
        if (!r.tocou) {
            return std::nullopt;
        }
    }
    // Whatever the scan let pass (a missing line end, text after the record) is damage.
    if (FormatRecord(r) != text) {
        return std::nullopt;
    }
    return r;
}

bool MissedWhileAway(const RestartRecord& r, const LocalTime& now) {
    const std::int64_t target = r.despertar.hour * 3600 + r.despertar.minute * 60;
    // The latest second before now at which the clock showed the wake-up time.
    const std::int64_t before = LocalSeconds(now) - 1;
    const std::int64_t last = before - ((before - target) % kDay + kDay) % kDay;
    return last > LocalSeconds(r.armado) && (!r.tocou || last > LocalSeconds(*r.tocou));
}

} // namespace acordina::alarm
