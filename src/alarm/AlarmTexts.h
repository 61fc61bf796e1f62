#pragma once
// What the balloons say of an alarm, named by its wake-up time, that did not ring or that came
// back with a new start of the program.

#include "alarm/TimeText.h"

#include <string>

namespace acordina::alarm {

enum class AlarmNews {
    // The wake-up time passed while the computer slept or the clock jumped over it.
    SleptThrough,
    // It passed while the program was not running.
    MissedWhileAway,
    // The program was started again before it.
    StillArmed,
};

// "O alarme das HH:MM ..."
std::wstring AlarmNewsText(AlarmNews news, TimeOfDay despertar);

} // namespace acordina::alarm
