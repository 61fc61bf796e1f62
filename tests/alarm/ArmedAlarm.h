#pragma once
// An alarm as arming leaves it and a record of the engine's calls, for its tests and benchmark.

#include "alarm/AlarmCheck.h"
#include "alarm/ArmingTimes.h"

#include <string>

namespace acordina::alarm {

// What is on: the pre-alerts by their place in kPreAlertas, then the wake-up's actions. Apart
// spreads 07:05's pre-alerts 10 s apart before it, Same puts them in its second; Off: switched off.
inline constexpr unsigned P1 = 1, P2 = 2, P5 = 4, P10 = 8, P15 = 16, V = 32, S = 64, D = 128,
                          All = 255, Apart = 256, Same = 512, Off = 1024;

inline Module1 ArmedFor(int hour, int minute, unsigned on) {
    Module1 m;
    m.blnLigado = (on & Off) == 0;
    GuardarHoras(m, hour, minute);
    for (std::size_t i = 0; i < kPreAlertas.size(); ++i) {
        const PreAlerta& p = kPreAlertas[i];
        m.*p.time = (on & Same)    ? m.strHoraDespertar
                    : (on & Apart) ? L"7:4:" + std::to_wstring(50 - 10 * i)
                                   : m.*p.time;
        m.*p.flag = (on >> i & 1) != 0;
        m.*p.message = L"antes";
    }
    m.blnDespVisual = (on & V) != 0;
    m.blnDespSom = (on & S) != 0;
    m.blnDesligar = (on & D) != 0;
    return m;
}

// Each call followed by "; ". Reserved, so that recording allocates nothing.
struct RecordingActions final : AlarmActions {
    RecordingActions() { calls.reserve(256); }
    void Avisa(std::uint8_t n) override { calls += "Avisa " + std::to_string(n) + "; "; }
    void Tocar() override { calls += "Tocar; "; }
    void DesligarWindows() override { calls += "DesligarWindows; "; }
    void Despertou() override { calls += "Despertou; "; }
    void AvisaNaoTocou(TimeOfDay t) override {
        (calls += "NaoTocou ") += std::to_string(t.hour) + ":" + std::to_string(t.minute) + "; ";
    }
    std::string calls;
};

} // namespace acordina::alarm
