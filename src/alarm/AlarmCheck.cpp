#include "alarm/AlarmCheck.h"

#include "alarm/ArmingTimes.h"

#include <algorithm>
#include <chrono>
#include <ranges>
#include <string_view>

namespace acordina::alarm {
namespace {

constexpr std::int64_t kDay = 86400;

static_assert(std::ranges::is_sorted(kPreAlertas, {}, &PreAlerta::minutes),
              "reversed, the pre-alerts run from the earliest to the latest");

int SecondOfDay(TimeOfDay t) {
    return t.hour * 3600 + t.minute * 60 + t.second;
}

LocalTime FromSeconds(std::int64_t seconds) {
    using namespace std::chrono;
    const std::int64_t dayCount = seconds / kDay; // the clock never reads before 1970
    const int second = static_cast<int>(seconds - dayCount * kDay);
    const year_month_day date{sys_days{days{dayCount}}};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            {second / 3600, second / 60 % 60, second % 60}};
}

// The first second after `after` at which the clock shows `target`.
std::int64_t NextOccurrence(TimeOfDay target, std::int64_t after) {
    std::int64_t ahead = (SecondOfDay(target) - after) % kDay;
    if (ahead <= 0) {
        ahead += kDay;
    }
    return after + ahead;
}

enum class Passage { None, Due, Skipped };

// Whether the clock reached a stored time since the previous check. After a long stall only a
// time shown this very second is still due.
Passage Passed(std::wstring_view text, std::int64_t previous, std::int64_t current) {
    const std::optional<TimeOfDay> target = LerHora(text);
    if (!target || NextOccurrence(*target, previous) > current) {
        return Passage::None;
    }
    const bool shortStall = current - previous <= kLateLimitSeconds;
    return shortStall || current % kDay == SecondOfDay(*target) ? Passage::Due : Passage::Skipped;
}

} // namespace

std::int64_t LocalSeconds(const LocalTime& t) {
    using namespace std::chrono;
    const sys_days date =
        year{t.year} / month{static_cast<unsigned>(t.month)} / day{static_cast<unsigned>(t.day)};
    return std::int64_t{date.time_since_epoch().count()} * kDay + SecondOfDay(t.time);
}

void AlarmEngine::Armar(const LocalTime& now) {
    previous_ = LocalSeconds(now) - 1;
}

bool AlarmEngine::Verificar(const Module1& m, const LocalTime& now, AlarmActions& actions) {
    if (!m.blnLigado) {
        previous_.reset();
        return false;
    }
    const std::int64_t current = LocalSeconds(now);
    std::int64_t previous = previous_.value_or(current - 1);
    if (previous > current) {
        // The clock was set back: what it reaches again fires again, as on a wall clock.
        previous = current - 1;
    }
    previous_ = current;
    if (previous == current) {
        return false;
    }
    bool passed = false;
    for (const PreAlerta& p : kPreAlertas | std::views::reverse) {
        if (m.*p.flag) {
            const Passage passage = Passed(m.*p.time, previous, current);
            if (passage == Passage::Due) {
                actions.Avisa(static_cast<std::uint8_t>(p.minutes));
            }
            passed = passed || passage != Passage::None;
        }
    }
    switch (Passed(m.strHoraDespertar, previous, current)) {
    case Passage::None:
        return passed;
    case Passage::Skipped:
        actions.AvisaNaoTocou(*LerHora(m.strHoraDespertar));
        return true;
    case Passage::Due:
        break;
    }
    if (m.blnDespVisual) {
        actions.Avisa(0);
    }
    if (m.blnDespSom) {
        actions.Tocar();
    }
    actions.Despertou();
    if (m.blnDesligar) {
        actions.DesligarWindows();
    }
    return true;
}

std::optional<AlarmEngine::Alvo> AlarmEngine::Proximo(const Module1& m,
                                                      const LocalTime& now) const {
    if (!m.blnLigado) {
        return std::nullopt;
    }
    const std::int64_t current = LocalSeconds(now);
    // This second's targets are still to come unless this second was checked already.
    const std::int64_t after = previous_ == current ? current : current - 1;
    std::optional<std::int64_t> next;
    const auto consider = [&](std::wstring_view text) {
        if (const std::optional<TimeOfDay> target = LerHora(text)) {
            const std::int64_t at = NextOccurrence(*target, after);
            if (!next || at < *next) {
                next = at;
            }
        }
    };
    for (const PreAlerta& p : kPreAlertas) {
        if (m.*p.flag && !(m.*p.message).empty()) {
            consider(m.*p.time);
        }
    }
    if (m.blnDespVisual || m.blnDespSom || m.blnDesligar) {
        consider(m.strHoraDespertar);
    }
    if (!next) {
        return std::nullopt;
    }
    return Alvo{FromSeconds(*next), *next - current};
}

} // namespace acordina::alarm
