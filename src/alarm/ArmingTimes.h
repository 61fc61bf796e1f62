#pragma once
// The times that arming stores: the wake-up time in canonical form and the
// pre-alert times, n minutes earlier around the clock, in the raw form.

#include "alarm/Module1.h"

#include <array>
#include <string>

namespace acordina::alarm {

// Hour 7, minute 5 -> "07:05:00".
std::wstring HoraDespertar(int hour, int minute);

// Hour 7, minute 5, n 10 -> "6:55:00"; hour 0, minute 0, n 1 -> "23:59:00".
std::wstring HoraPreAlerta(int hour, int minute, int n);

// Stores the wake-up time and every pre-alert's time, ticked or not.
void GuardarHoras(Module1& m, int hour, int minute);

// The pre-alerts, from the latest (1 minute before) to the earliest, with their variables.
// The engine, the alerts, arming and the main window's controls all go through this table.
struct PreAlerta {
    int minutes;
    bool Module1::*flag;
    std::wstring Module1::*message;
    std::wstring Module1::*time;
};
inline constexpr std::array<PreAlerta, 5> kPreAlertas = {{
    {1, &Module1::bln01min, &Module1::strMsg01min, &Module1::strHora01min},
    {2, &Module1::bln02min, &Module1::strMsg02min, &Module1::strHora02min},
    {5, &Module1::bln05min, &Module1::strMsg05min, &Module1::strHora05min},
    {10, &Module1::bln10min, &Module1::strMsg10min, &Module1::strHora10min},
    {15, &Module1::bln15min, &Module1::strMsg15min, &Module1::strHora15min},
}};

// The row of the pre-alert `minutes` before the wake-up; a minute count without one does not
// compile.
consteval const PreAlerta& PreAlertaDe(int minutes) {
    for (const PreAlerta& p : kPreAlertas) {
        if (p.minutes == minutes) {
            return p;
        }
    }
    throw "no pre-alert for these minutes";
}

} // namespace acordina::alarm
