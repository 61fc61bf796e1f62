#include "alarm/AlarmCheck.h"

#include <array>
#include <cstddef>
#include <string>

namespace acordina::alarm {
namespace {

struct PreAlertCheck {
    std::uint8_t minutes;
    bool Module1::*flag;
    std::wstring Module1::*time;
};

// The earliest pre-alert first: targets due in the same second fire in this order.
constexpr std::array<PreAlertCheck, 5> kPreAlertChecks = {{
    {15, &Module1::bln15min, &Module1::strHora15min},
    {10, &Module1::bln10min, &Module1::strHora10min},
    {5, &Module1::bln05min, &Module1::strHora05min},
    {2, &Module1::bln02min, &Module1::strHora02min},
    {1, &Module1::bln01min, &Module1::strHora01min},
}};

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// One field of one or two digits at the front of `rest`, consumed.
std::optional<int> ReadField(std::wstring_view& rest) {
    std::size_t length = 0;
    int value = 0;
    while (length < rest.size() && length < 3 && IsDigit(rest[length])) {
        value = value * 10 + (rest[length] - L'0');
        ++length;
    }
    if (length == 0 || length > 2) {
        return std::nullopt;
    }
    rest.remove_prefix(length);
    return value;
}

// Comparing (h, m, s) equals comparing both sides formatted "hh:mm:ss",
// without building either text.
bool IsDue(const std::wstring& target, const Clock& clock) {
    const TimeOfDay now = clock.Now();
    const std::optional<TimeOfDay> due = LerHora(target);
    return due && *due == now;
}

wchar_t Digit(int value) {
    return static_cast<wchar_t>(L'0' + value % 10);
}

} // namespace

void VerificarAlarme(const Module1& m, const Clock& clock, AlarmActions& actions) {
    if (!m.blnLigado) {
        return;
    }
    for (const PreAlertCheck& check : kPreAlertChecks) {
        if (m.*check.flag && IsDue(m.*check.time, clock)) {
            actions.Avisa(check.minutes);
        }
    }
    if (!IsDue(m.strHoraDespertar, clock)) {
        return;
    }
    if (m.blnDespVisual) {
        actions.Avisa(0);
    }
    if (m.blnDespSom) {
        actions.Tocar();
    }
    if (m.blnDesligar) {
        actions.DesligarWindows();
    }
}

std::optional<TimeOfDay> LerHora(std::wstring_view text) {
    std::array<int, 3> fields{};
    std::size_t count = 0;
    for (;;) {
        if (count == fields.size()) {
            return std::nullopt;
        }
        const std::optional<int> field = ReadField(text);
        if (!field) {
            return std::nullopt;
        }
        fields[count++] = *field;
        if (text.empty()) {
            break;
        }
        if (text.front() != L':') {
            return std::nullopt;
        }
        text.remove_prefix(1);
    }
    if (count < 2 || fields[0] > 23 || fields[1] > 59 || fields[2] > 59) {
        return std::nullopt;
    }
    return TimeOfDay{fields[0], fields[1], fields[2]};
}

ClockText FormatarHora(TimeOfDay t) {
    ClockText out{};
    const std::array<int, 3> fields = {t.hour, t.minute, t.second};
    wchar_t* p = out.text;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            *p++ = L':';
        }
        *p++ = Digit(fields[i] / 10);
        *p++ = Digit(fields[i]);
    }
    *p = L'\0';
    return out;
}

} // namespace acordina::alarm
