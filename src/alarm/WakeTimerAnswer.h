#pragma once

namespace acordina::alarm {

// What Windows answered to the wake timer: set, and able to resume the computer.
struct WakeTimerAnswer {
    bool set = true;
    bool resumes = true;
};

} // namespace acordina::alarm
