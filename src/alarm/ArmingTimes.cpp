#include "alarm/ArmingTimes.h"

namespace acordina::alarm {
namespace {

void AppendTwoDigits(std::wstring& out, int value) {
    out += static_cast<wchar_t>(L'0' + value / 10);
    out += static_cast<wchar_t>(L'0' + value % 10);
}

} // namespace

std::wstring HoraDespertar(int hour, int minute) {
    std::wstring text;
    text.reserve(8);
    AppendTwoDigits(text, hour);
    text += L':';
    AppendTwoDigits(text, minute);
    text += L":00";
    return text;
}

std::wstring HoraPreAlerta(int hour, int minute, int n) {
    minute -= n;
    if (minute < 0) {
        // At most 15 minutes back: one borrow from the hour is enough.
        minute += 60;
        hour -= 1;
        if (hour < 0) {
            hour = 23;
        }
    }
    return std::to_wstring(hour) + L':' + std::to_wstring(minute) + L":00";
}

void GuardarHoras(Module1& m, int hour, int minute) {
    m.strHoraDespertar = HoraDespertar(hour, minute);
    for (const PreAlerta& pre : kPreAlertas) {
        m.*pre.time = HoraPreAlerta(hour, minute, pre.minutes);
    }
}

} // namespace acordina::alarm
