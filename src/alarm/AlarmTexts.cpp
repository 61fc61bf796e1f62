#include "alarm/AlarmTexts.h"

namespace acordina::alarm {

std::wstring AlarmNewsText(AlarmNews news, TimeOfDay despertar) {
    const wchar_t* rest = L" continua ligado: o Acordina foi reiniciado.";
    if (news == AlarmNews::SleptThrough) {
        rest = L" não tocou: o computador estava em suspensão ou o relógio foi adiantado.";
    } else if (news == AlarmNews::MissedWhileAway) {
        rest = L" não tocou: o computador estava desligado ou o Acordina foi fechado.";
    }
    std::wstring text = L"O alarme das ";
    text.append(FormatarHora(despertar).text, 5).append(rest);
    return text;
}

} // namespace acordina::alarm
