#pragma once
// A record of the background window calls the alarm engine makes.

#include "alarm/AlarmCheck.h"

#include <ostream>
#include <string>
#include <vector>

namespace acordina::alarm {

inline void PrintTo(const TimeOfDay& t, std::ostream* os) {
    *os << t.hour << ':' << t.minute << ':' << t.second;
}

inline void PrintTo(const LocalTime& t, std::ostream* os) {
    *os << t.year << '-' << t.month << '-' << t.day << ' ';
    PrintTo(t.time, os);
}

using Calls = std::vector<std::string>;

class RecordingActions final : public AlarmActions {
public:
    Calls calls;

    void Avisa(std::uint8_t varOQue) override {
        calls.push_back("Avisa " + std::to_string(varOQue));
    }
    void Tocar() override { calls.emplace_back("Tocar"); }
    void DesligarWindows() override { calls.emplace_back("DesligarWindows"); }
    void AvisaNaoTocou(TimeOfDay t) override {
        calls.push_back("NaoTocou " + std::to_string(t.hour) + ":" + std::to_string(t.minute));
    }
};

} // namespace acordina::alarm
