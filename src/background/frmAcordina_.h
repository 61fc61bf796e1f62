#pragma once
// The invisible start-up window: it owns the notification-area icon (TrayIcon, which gets the
// window's messages first and asks back for the restore, the end and the next balloon), runs
// the second alarm timer, and performs the alerts, the sound and the shutdown request.

#include "alarm/AlarmCheck.h"
#include "alarm/Module1.h"
#include "alarm/SeenAlerts.h"
#include "background/Sound.h"
#include "background/TrayIcon.h"
#include "background/WakeKeeper.h"
#include "roles/Roles.h"
#include "services/Services.h"
#include "ui/Form.h"
#include "ui/controls/Controls.h"

#include <cstdint>
#include <optional>
#include <string>

namespace acordina::background {

class frmAcordina_ final : public win32::Form,
                           public alarm::AlarmActions,
                           public BackgroundRole,
                           private TrayIconOwner {
public:
    frmAcordina_(win32::Services& services, Module1& module1, ProgramRole& program);
    ~frmAcordina_() override;

    // Shows the main window (unless told not to), then makes this window and puts up the icon,
    // which restores the main window from then on. Until then the object has no window.
    void Load(MainWindowRole& main, bool mostrar = true);

    // The alarm: both timers' check, arming and disarming.
    void VerificarAlarme(const alarm::LocalTime& now) override;
    void AlarmeArmado() override;
    void AlarmeDesarmado() override;

    // Alerts and sound.
    void Tocar() override;
    void DesligarWindows() override;
    void Despertou() override;
    bool CanPlayWAVs() { return sound_.CanPlayWAVs(); }
    bool PlayWAVFile(const std::wstring& StrFileName) { return sound_.PlayWAVFile(StrFileName); }
    bool StopPlayingWAV() { return sound_.StopPlayingWAV(); }
    void Avisa(std::uint8_t varOQue) override;
    void AvisaNaoTocou(alarm::TimeOfDay despertar) override;
    void AlertaProgramaOcultado() override;
    void AlertaArmado() override;
    void AlertaReligado(const alarm::Balloon& aviso, bool oculto) override;
    void Remove_Systray() override;
    void Stop_() override;

    // Placed beyond the visible area; a click asks for the shutdown.
    win32::Button Command3{*this,
                           {.name = L"Command3",
                            .left = 5760,
                            .top = 240,
                            .width = 615,
                            .height = 495,
                            .text = L"Command3"},
                           [this] { Command3_Click(); }};

    const std::wstring& strArquivoSom() const { return sound_.Path(); }
    const Sound& sound() const { return sound_; }
    const TrayIcon& tray() const { return tray_; }

    // Beside the icon's own timer on this window.
    static constexpr UINT_PTR kTimer1 = 1;
    static_assert(kTimer1 != TrayIcon::kSingleClickTimer);
    // Posted while armed with sound when the default output changes (wParam 1) or an output
    // comes or goes (0).
    static constexpr UINT kOutputsMessage = WM_APP + 1;
    // The window is found by its class and the title of the copy's instance name; this
    // registered message asks it to restore the main window.
    static constexpr wchar_t kClassName[] = L"AcordinaBackground";
    static constexpr wchar_t kRestaurarMessage[] = L"Acordina.Restaurar";

protected:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // The icon's tip tells how to bring the hidden window back.
    void ShowHiddenHint();
    // TrayIconOwner: what the icon's clicks, menu and balloons ask for.
    bool MainWindowShown() const override;
    void mnuRestaurar_Click() override;
    void mnuFechar_Click() override;
    void BalloonClosed() override;

    // Made only once the main window is drawn: nothing of it shows.
    void CreateTheWindow();
    void Timer1_Timer();
    void Command3_Click();
    std::wstring SoundPath() const;
    // An alert's balloon, kept when the user cannot see it now.
    void ShowAlert(alarm::AlertKind kind, alarm::Balloon balloon);
    void Popup(const alarm::Balloon& balloon);
    void PopupIfAny(const std::optional<alarm::Balloon>& balloon);
    // The kept alert once more, if balloons reach the user now.
    void ShowAgainIfSeen();

    win32::Services& services_;
    Module1& module1_;
    ProgramRole& program_;
    MainWindowRole* main_ = nullptr; // from Load on
    TrayIcon tray_;
    WakeKeeper wakeKeeper_;
    Sound sound_;
    alarm::SeenAlerts alerts_;
    // The tick asks whether balloons are seen once a second, not at each of its ten ticks.
    std::optional<std::int64_t> askedAt_;
};

} // namespace acordina::background
