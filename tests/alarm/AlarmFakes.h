#pragma once
// A clock the test sets and a record of the background window calls.

#include "alarm/AlarmCheck.h"

#include <ostream>
#include <string>
#include <vector>

namespace acordina::alarm {

inline void PrintTo(const TimeOfDay& t, std::ostream* os) {
    *os << t.hour << ':' << t.minute << ':' << t.second;
}

// Returns the time it was set to, then moves it on by `step` seconds, so a
// check that reuses one reading can be told from one that asks every time.
class FakeClock final : public Clock {
public:
    explicit FakeClock(TimeOfDay now, int step = 0) : now_(now), step_(step) {}

    void Set(TimeOfDay now) { now_ = now; }
    int Reads() const { return reads_; }

    TimeOfDay Now() const override {
        ++reads_;
        const TimeOfDay reading = now_;
        const int total = (now_.hour * 3600 + now_.minute * 60 + now_.second + step_) % 86400;
        now_ = {total / 3600, total / 60 % 60, total % 60};
        return reading;
    }

private:
    mutable TimeOfDay now_;
    int step_;
    mutable int reads_ = 0;
};

using Calls = std::vector<std::string>;

class RecordingActions final : public AlarmActions {
public:
    Calls calls;

    void Avisa(std::uint8_t varOQue) override {
        calls.push_back("Avisa " + std::to_string(varOQue));
    }
    void Tocar() override { calls.emplace_back("Tocar"); }
    void DesligarWindows() override { calls.emplace_back("DesligarWindows"); }
};

} // namespace acordina::alarm
