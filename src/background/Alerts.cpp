// The alerts, the alarm sound and the shutdown request of the background window.
#include "app/Program.h"
#include "background/frmAcordina_.h"
#include "shutdown/clsExitWindows.h"
#include "win32/Paths.h"

#include <array>

namespace acordina::background {
namespace {

constexpr std::uint32_t SND_ASYNC_ = 0x0001;
constexpr std::uint32_t SND_LOOP_ = 0x0008;
constexpr std::uint32_t SND_PURGE_ = 0x0040;

struct Alerta {
    std::uint8_t varOQue;
    std::wstring Module1::*message;
};
constexpr std::array<Alerta, 6> kAlertas = {{
    {15, &Module1::strMsg15min},
    {10, &Module1::strMsg10min},
    {5, &Module1::strMsg05min},
    {2, &Module1::strMsg02min},
    {1, &Module1::strMsg01min},
    {0, &Module1::strMsgDespertar},
}};

} // namespace

void frmAcordina_::Avisa(std::uint8_t varOQue) {
    for (const auto& alerta : kAlertas) {
        if (alerta.varOQue == varOQue) {
            objTray().PopupBalloon(program_.module1.*alerta.message, L"Aviso", tray::NIIF_INFO_);
            return;
        }
    }
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
    const std::wstring path =
        win32::InFolder(program_.services.programFolder.Path(), program_.module1.strSom);
    // Already looping this file: starting it again would only make it stutter.
    if (wakeKeeper_.SoundLooping() && path == strArquivoSom_) {
        return;
    }
    strArquivoSom_ = path;
    PlayWAVFile(strArquivoSom_, true);
    wakeKeeper_.SetSoundLooping(true);
}

bool frmAcordina_::PlayWAVFile(const std::wstring& StrFileName, bool /*blnAsync*/) {
    // Always asynchronous and looping: the alarm rings until it is switched off.
    return program_.services.sound.PlaySoundA(win32::ToAnsi(StrFileName).c_str(), 0,
                                              SND_ASYNC_ | SND_LOOP_);
}

bool frmAcordina_::StopPlayingWAV() {
    program_.services.sound.PlaySoundA(nullptr, 0, SND_PURGE_);
    return false;
}

void frmAcordina_::Stop_() {
    StopPlayingWAV();
    wakeKeeper_.SetSoundLooping(false);
}

bool frmAcordina_::CanPlayWAVs() {
    return program_.services.sound.waveOutGetNumDevs() != 0;
}

void frmAcordina_::DesligarWindows() {
    shutdown::clsExitWindows exitWindows(program_.services.shutdown);
    // Parenthesised: <windows.h> has a function-like macro of the same name.
    (exitWindows.ExitWindows)(1);
}

void frmAcordina_::Command3_Click() {
    DesligarWindows();
}

} // namespace acordina::background
