#pragma once
// The invisible start-up window: it owns the notification-area icon and its
// menu, runs the second alarm timer, and performs the alerts, the sound and
// the shutdown request.

#include "alarm/AlarmCheck.h"
#include "alarm/Module1.h"
#include "alarm/SeenAlerts.h"
#include "background/Sound.h"
#include "background/WakeKeeper.h"
#include "platform/Handles.h"
#include "roles/Roles.h"
#include "services/Services.h"
#include "tray/cTrayBalloon.h"
#include "ui/Form.h"
#include "ui/controls/Controls.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace acordina::background {

class frmAcordina_ final : public win32::Form,
                           public alarm::AlarmActions,
                           public BackgroundRole,
                           private tray::TrayTarget {
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
    // The icon's tip tells how to bring the hidden window back.
    void ShowHiddenHint();
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
    tray::cTrayBalloon& objTray();
    HMENU mnuFile() const { return mnuFile_.get(); }

    // Command identifiers of the tray menu and timer identifiers, for the tests.
    static constexpr UINT_PTR kTimer1 = 1;
    static constexpr UINT_PTR kSingleClickTimer = 2;
    static constexpr UINT kMnuRestaurar = 101;
    static constexpr UINT kMnuFechar = 102;
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
    // TrayTarget: the icon belongs to this window and shows its icon.
    std::uint32_t WindowHandle() const override;
    std::uint32_t IconHandle() const override;

    // Made only once the main window is drawn: nothing of it shows.
    void CreateTheWindow();
    // The icon at the small-icon size of a DPI.
    void LoadIcon(const win32::Dpi& dpi);
    void Timer1_Timer();
    void Form_MouseMove(float X);
    void OpenTrayMenu();
    void mnuRestaurar_Click();
    void mnuFechar_Click();
    void Command3_Click();
    std::wstring SoundPath() const;
    // An alert's balloon, kept when the user cannot see it now.
    void ShowAlert(alarm::AlertKind kind, alarm::Balloon balloon);
    void Popup(const alarm::Balloon& balloon);
    void PopupIfAny(const std::optional<alarm::Balloon>& balloon);
    // The kept alert once more, if balloons reach the user now.
    void ShowAgainIfSeen();
    void Restaurar();

    win32::Services& services_;
    Module1& module1_;
    ProgramRole& program_;
    MainWindowRole* main_ = nullptr; // from Load on
    std::unique_ptr<tray::cTrayBalloon> objTray_;
    WakeKeeper wakeKeeper_;
    Sound sound_;
    win32::UniqueIcon icon_;
    win32::UniqueMenu mnuFile_;
    // The left button's release after a double-click must not open the menu.
    bool swallowNextLeftUp_ = false;
    // The icon's tooltip now, for putting the icon back after the shell restarts.
    std::wstring tooltip_ = L"Acordina";
    alarm::SeenAlerts alerts_;
    // The tick asks whether balloons are seen once a second, not at each of its ten ticks.
    std::optional<std::int64_t> askedAt_;
};

} // namespace acordina::background
