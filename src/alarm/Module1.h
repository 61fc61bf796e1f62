#pragma once
// Everything an armed alarm needs, shared program-wide. Data only: the main
// window writes it when arming, the two alarm timers and the background
// window's alert and sound operations read it. Nothing here is saved.

#include <string>

namespace acordina {

struct Module1 {
    bool blnLigado = false;
    bool blnDespSom = false;
    std::wstring strSom;
    bool blnDesligar = false;
    bool blnDespVisual = false;
    std::wstring strMsgDespertar;
    std::wstring strHoraDespertar; // canonical "HH:MM:SS"

    // Pre-alerts keep their time in the raw form "H:M:00" (no leading zeros).
    bool bln15min = false;
    std::wstring strMsg15min;
    std::wstring strHora15min;
    bool bln10min = false;
    std::wstring strMsg10min;
    std::wstring strHora10min;
    bool bln05min = false;
    std::wstring strMsg05min;
    std::wstring strHora05min;
    bool bln02min = false;
    std::wstring strMsg02min;
    std::wstring strHora02min;
    bool bln01min = false;
    std::wstring strMsg01min;
    std::wstring strHora01min;

    friend bool operator==(const Module1&, const Module1&) = default;
};

} // namespace acordina
