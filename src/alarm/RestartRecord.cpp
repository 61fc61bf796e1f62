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

// Reads the record's fixed layout from the front; any byte out of place fails it. (Not
// sscanf: it drags the C library's whole scanner, floating point included, into the program.)
class Reader {
public:
    explicit Reader(std::string_view text) : rest_(text) {}
    bool Literal(std::string_view expected) {
        if (!rest_.starts_with(expected)) {
            return false;
        }
        rest_.remove_prefix(expected.size());
        return true;
    }
    // Exactly `width` decimal digits.
    bool Number(std::size_t width, int& value) {
        if (rest_.size() < width) {
            return false;
        }
        value = 0;
        for (const char c : rest_.substr(0, width)) {
            if (c < '0' || c > '9') {
                return false;
            }
            value = value * 10 + (c - '0');
        }
        rest_.remove_prefix(width);
        return true;
    }
    std::optional<LocalTime> Moment() {
        LocalTime t;
        if (Number(4, t.year) && Literal("-") && Number(2, t.month) && Literal("-") &&
            Number(2, t.day) && Literal(" ") && Number(2, t.time.hour) && Literal(":") &&
            Number(2, t.time.minute) && Literal(":") && Number(2, t.time.second) && Valid(t)) {
            return t;
        }
        return std::nullopt;
    }
    bool AtEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

} // namespace

std::string FormatRecord(const RestartRecord& r) {
    char despertar[8];
    std::snprintf(despertar, sizeof despertar, "%02d:%02d", r.despertar.hour, r.despertar.minute);
    return std::string(kHeader) + "despertar " + despertar + "\r\narmado " + Moment(r.armado) +
           "\r\ntocou " + Moment(r.tocou) + "\r\n";
}

std::optional<RestartRecord> ParseRecord(std::string_view bytes) {
    Reader in(bytes);
    RestartRecord r;
    if (!(in.Literal(kHeader) && in.Literal("despertar ") && in.Number(2, r.despertar.hour) &&
          in.Literal(":") && in.Number(2, r.despertar.minute) && in.Literal("\r\narmado ")) ||
        r.despertar.hour > 23 || r.despertar.minute > 59) {
        return std::nullopt;
    }
    const auto armedAt = in.Moment();
    if (!armedAt || !in.Literal("\r\ntocou ")) {
        return std::nullopt;
    }
    r.armado = *armedAt;
    if (!in.Literal("-")) {
        r.tocou = in.Moment();
        if (!r.tocou) {
            return std::nullopt;
        }
    }
    // Text after the record is damage too.
    if (!in.Literal("\r\n") || !in.AtEnd()) {
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
