// The alerts, the alarm sound and the shutdown request of the background window.
#include "alarm/AlarmTexts.h"
#include "alarm/ArmingTimes.h"
#include "background/frmAcordina_.h"
#include "shutdown/clsExitWindows.h"

#include <algorithm>
#include <utility>

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
    ShowAlert(varOQue == 0 ? alarm::AlertKind::WakeUp : alarm::AlertKind::PreAlert,
              {*message, tray::NIIF_INFO_});
}

void frmAcordina_::AvisaNaoTocou(alarm::TimeOfDay despertar) {
    ShowAlert(
        alarm::AlertKind::NotRung,
        {alarm::AlarmNewsText(alarm::AlarmNews::SleptThrough, despertar), tray::NIIF_WARNING_});
}

void frmAcordina_::AlertaReligado(const alarm::Balloon& aviso, bool oculto) {
    if (oculto) {
        ShowHiddenHint();
    }
    Popup(aviso);
}

void frmAcordina_::ShowAlert(alarm::AlertKind kind, alarm::Balloon balloon) {
    // An empty message shows nothing, now or later.
    const bool seen =
        balloon.message.empty() || services_.notifications.State() == alarm::kAcceptsNotifications;
    Popup(balloon);
    alerts_.Shown(kind, std::move(balloon), seen);
}

void frmAcordina_::Popup(const alarm::Balloon& balloon) {
    tray_.PopupBalloon(balloon.message, L"Aviso", balloon.icon);
}

void frmAcordina_::PopupIfAny(const std::optional<alarm::Balloon>& balloon) {
    if (balloon) {
        Popup(*balloon);
    }
}

void frmAcordina_::ShowAgainIfSeen() {
    if (alerts_.Pending() && services_.notifications.State() == alarm::kAcceptsNotifications) {
        PopupIfAny(alerts_.Again());
    }
}

// The chosen file, the reserve sound when it cannot play, or retries while nothing plays; the
// computer stays awake all that time.
void frmAcordina_::Tocar() {
    sound_.Ring(SoundPath(), services_.clock.Now());
    wakeKeeper_.SetSoundLooping(sound_.Ringing());
}

void frmAcordina_::Stop_() {
    sound_.Stop();
    wakeKeeper_.SetSoundLooping(false);
}

void frmAcordina_::DesligarWindows() {
    // The user asked for this ending: the alarm must not come back after it.
    program_.EsquecerAlarmeCalado();
    shutdown::clsExitWindows exitWindows(services_.shutdown);
    // Parenthesised: <windows.h> has a function-like macro of the same name.
    (exitWindows.ExitWindows)(1);
}

void frmAcordina_::Command3_Click() {
    DesligarWindows();
}

} // namespace acordina::background
