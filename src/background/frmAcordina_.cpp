#include "background/frmAcordina_.h"

#include "platform/AnsiText.h"
#include "platform/Dpi.h"
#include "platform/Failure.h"
#include "platform/Paths.h"

#include <dbt.h>

namespace acordina::background {
namespace {

constexpr wchar_t kHiddenBalloon[] =
    L"O programa ACORDINA está oculto\r\ndê um clique simples ou um clique com o botão direto "
    L"do mouse para restaurá-lo ou fechá-lo.";
constexpr wchar_t kNoWakeTimers[] =
    L"O Windows não deixa o Acordina acordar o computador (Opções de energia › Permitir "
    L"temporizadores de ativação): se ele entrar em suspensão, o alarme não tocará.";

} // namespace

frmAcordina_::frmAcordina_(win32::Services& services, Module1& module1, ProgramRole& program)
    : services_(services), module1_(module1), program_(program), tray_(services.shell, *this),
      wakeKeeper_(services.power, services.timeZone),
      sound_(services, [this](const std::wstring& text) {
          // Never over the wake-up message: it waits until that one has had its time.
          const alarm::Balloon warning{text, tray::NIIF_WARNING_};
          if (alerts_.Warn(warning)) {
              Popup(warning);
          }
      }) {}

void frmAcordina_::CreateTheWindow() {
    const win32::Dpi& dpi = this->dpi();
    const HICON icon = tray_.LoadIcon(dpi);
    // No border, no caption, no task-bar button; never shown. Made at 1 x 1 twip, the size its
    // load step shrinks the designed 4800 x 3600 to, since nothing of it is ever seen.
    const std::wstring title = services_.singleInstance.Name();
    CreateWindowOfClass(kClassName, WS_EX_TOOLWINDOW, WS_POPUP, title.c_str(), CW_USEDEFAULT,
                        CW_USEDEFAULT, dpi.PixelsX(1), dpi.PixelsY(1), nullptr, icon);
    // Before the timers: a failure to start them takes the icon away.
    tray_.Attach(hwnd());
    CreateControls();
    services_.notifications.Watch(hwnd());
}

frmAcordina_::~frmAcordina_() {
    if (hwnd()) {
        services_.notifications.Unwatch(hwnd());
        KillTimer(hwnd(), kTimer1);
    }
}

void frmAcordina_::Load(MainWindowRole& main, bool mostrar) {
    main_ = &main;
    // The user sees the main window first; this window, the tray, the settings panel with its
    // sounds and Config.inf, and the sound devices take their time after it is drawn.
    if (mostrar) {
        main.Mostrar();
    }
    CreateTheWindow();
    // Started beside the main window's timer, the two tick together: the program wakes once a
    // tick, not twice.
    win32::StartRequiredTimer(services_.timers, hwnd(), kTimer1, 100);
    main.IniciarTimer1();
    tray_.AddSystray();
    tray_.PopupBalloon(L"O sistema está ativo !", L"TAVU - Acordina", tray::NIIF_WARNING_);
    main.CarregarPainel();
    // The alarm plays a WAV file: a MIDI output alone would arm a silent alarm.
    if (!CanPlayWAVs()) {
        main.HabilitarSom(false);
    }
}

void frmAcordina_::ShowHiddenHint() {
    tray_.ShowHiddenHint();
}

void frmAcordina_::AlertaProgramaOcultado() {
    ShowHiddenHint();
    tray_.PopupBalloon(kHiddenBalloon, L"Aviso", tray::NIIF_INFO_);
}

void frmAcordina_::AlertaArmado() {
    alarm::ArmingFacts facts;
    facts.soundTicked = module1_.blnDespSom;
    if (facts.soundTicked) {
        sound_.CheckAtArming(SoundPath(), facts);
    }
    win32::Power& power = services_.power;
    facts.allowWakeTimers = power.AllowWakeTimers(power.OnBattery());
    facts.wakeTimer = wakeKeeper_.LastAnswer();
    const alarm::ArmingWarning warning = alarm::FirstArmingWarning(facts);
    if (warning == alarm::ArmingWarning::None) {
        AlertaProgramaOcultado();
        return;
    }
    ShowHiddenHint();
    tray_.PopupBalloon(warning == alarm::ArmingWarning::NoWakeTimers
                           ? kNoWakeTimers
                           : Sound::ArmingText(warning, SoundPath()),
                       L"Aviso", tray::NIIF_WARNING_);
}

// Only the file inside the folder: a file beside it that merely starts with the folder's name
// may be anything.
std::wstring frmAcordina_::SoundPath() const {
    return win32::InFolder(services_.programFolder.Path(), module1_.strSom);
}

void frmAcordina_::Remove_Systray() {
    tray_.RemoveSysTray();
}

void frmAcordina_::Timer1_Timer() {
    VerificarAlarme(services_.clock.Now());
}

// Both timers drive the one engine, so a target fires once however many timers tick.
void frmAcordina_::VerificarAlarme(const alarm::LocalTime& now) {
    wakeKeeper_.Check(module1_, now, *this);
    sound_.Tick(now);
    const std::int64_t second = alarm::LocalSeconds(now);
    tray_.Retry(second);
    if (alerts_.Pending() && askedAt_ != second) {
        askedAt_ = second;
        ShowAgainIfSeen();
    }
}

void frmAcordina_::Despertou() {
    alerts_.WakeUpPassed();
    program_.AlarmeTocou();
}

void frmAcordina_::AlarmeArmado() {
    alerts_.Forget();
    wakeKeeper_.Armed(module1_, services_.clock.Now());
    if (module1_.blnDespSom) {
        services_.audio.Watch(hwnd(), kOutputsMessage);
    }
}

void frmAcordina_::AlarmeDesarmado() {
    PopupIfAny(alerts_.Released());
    alerts_.Forget();
    // Whatever the sound box says now, nothing rings or retries for a disarmed alarm.
    if (sound_.Ringing()) {
        sound_.Stop();
    }
    wakeKeeper_.Disarmed();
    services_.audio.Unwatch();
}

// The user is back: nothing waits any more for the wake-up message.
void frmAcordina_::mnuRestaurar_Click() {
    main_->Mostrar();
    PopupIfAny(alerts_.Released());
}

void frmAcordina_::mnuFechar_Click() {
    program_.EndProgram();
}

bool frmAcordina_::MainWindowShown() const {
    return main_->Mostrado();
}

void frmAcordina_::BalloonClosed() {
    PopupIfAny(alerts_.Closed());
}

LRESULT frmAcordina_::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (const auto handled = tray_.OnMessage(msg, wp, lp)) {
        return *handled;
    }
    // A second start of the program asks this one for its window.
    static const UINT restaurar = RegisterWindowMessageW(kRestaurarMessage);
    if (msg == restaurar && restaurar != 0) {
        mnuRestaurar_Click();
        return 0;
    }
    switch (msg) {
    case WM_WTSSESSION_CHANGE:
        if (wp == WTS_SESSION_UNLOCK) {
            ShowAgainIfSeen();
        }
        return 0;
    case WM_SETTINGCHANGE:
        // Among others, the end of quiet hours or of a presentation.
        ShowAgainIfSeen();
        break;
    case WM_DEVICECHANGE:
        // Speakers plugged in or out: the sound option follows, and a ringing alarm's sound.
        if (wp == DBT_DEVNODES_CHANGED && main_) {
            main_->HabilitarSom(CanPlayWAVs());
        }
        if (wp == DBT_DEVNODES_CHANGED || wp == DBT_DEVICEARRIVAL ||
            wp == DBT_DEVICEREMOVECOMPLETE) {
            sound_.Tick(services_.clock.Now());
        }
        return TRUE;
    case kOutputsMessage:
        wp ? sound_.DefaultChanged(services_.clock.Now()) : sound_.Tick(services_.clock.Now());
        return 0;
    case WM_TIMECHANGE:
        wakeKeeper_.Reschedule(module1_, services_.clock.Now());
        return 0;
    case WM_POWERBROADCAST:
        // A resumed computer's timer may have fired; it is set for the next target again.
        if (wp == PBT_APMRESUMEAUTOMATIC || wp == PBT_APMRESUMESUSPEND) {
            wakeKeeper_.Reschedule(module1_, services_.clock.Now());
        }
        return TRUE;
    case WM_TIMER:
        if (wp == kTimer1) {
            Timer1_Timer();
        }
        return 0;
    default:
        break;
    }
    return Form::OnMessage(msg, wp, lp);
}

} // namespace acordina::background
