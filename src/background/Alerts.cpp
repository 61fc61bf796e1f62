// The alerts, the alarm sound and the shutdown request of the background window.
#include "alarm/ArmingTimes.h"
#include "background/frmAcordina_.h"
#include "shutdown/clsExitWindows.h"
#include "win32/Paths.h"

#include <mmsystem.h>

#include <algorithm>

namespace acordina::background {

// 0 is the wake-up itself, the minutes of a pre-alert that pre-alert; any other value warns of
// nothing.
void frmAcordina_::Avisa(std::uint8_t varOQue) {
    const std::wstring* message = &module1_.strMsgDespertar;
    if (varOQue != 0) {
        const auto pre = std::ranges::find(alarm::kPreAlertas, varOQue, &alarm::PreAlerta::minutes);
        if (pre == alarm::kPreAlertas.end()) {
            return;
        }
        message = &(module1_.*pre->message);
    }
    objTray().PopupBalloon(*message, L"Aviso", tray::NIIF_INFO_);
}

void frmAcordina_::AvisaNaoTocou(alarm::TimeOfDay despertar) {
    const alarm::ClockText hora = alarm::FormatarHora(despertar);
    objTray().PopupBalloon(L"O alarme das " + std::wstring(hora.text, 5) +
                               L" não tocou: o computador estava em suspensão ou o relógio foi "
                               L"adiantado.",
                           L"Aviso", tray::NIIF_WARNING_);
}

void frmAcordina_::Tocar() {
    // Only the file inside the folder: a file beside it that merely starts with the folder's
    // name may be anything.
    const std::wstring path = win32::InFolder(services_.programFolder.Path(), module1_.strSom);
    // Already looping this file: starting it again would only make it stutter.
    if (wakeKeeper_.SoundLooping() && path == strArquivoSom_) {
        return;
    }
    strArquivoSom_ = path;
    PlayWAVFile(strArquivoSom_);
    wakeKeeper_.SetSoundLooping(true);
}

bool frmAcordina_::PlayWAVFile(const std::wstring& StrFileName) {
    return services_.sound.PlaySoundA(win32::ToAnsi(StrFileName).c_str(), 0, SND_ASYNC | SND_LOOP);
}

bool frmAcordina_::StopPlayingWAV() {
    services_.sound.PlaySoundA(nullptr, 0, SND_PURGE);
    return false;
}

void frmAcordina_::Stop_() {
    StopPlayingWAV();
    wakeKeeper_.SetSoundLooping(false);
}

bool frmAcordina_::CanPlayWAVs() {
    return services_.sound.waveOutGetNumDevs() != 0;
}

void frmAcordina_::DesligarWindows() {
    // The user asked for this ending: the alarm must not come back after it.
    program_.EsquecerAlarme();
    shutdown::clsExitWindows exitWindows(services_.shutdown);
    // Parenthesised: <windows.h> has a function-like macro of the same name.
    (exitWindows.ExitWindows)(1);
}

void frmAcordina_::Command3_Click() {
    DesligarWindows();
}

} // namespace acordina::background
