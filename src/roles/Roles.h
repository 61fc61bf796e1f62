#pragma once
// What the windows ask of each other and of the program: each window sees only these few
// operations of the others, never their controls.

#include "alarm/AlarmCheck.h"
#include "alarm/SeenAlerts.h"

#include <string>

namespace acordina {

// What the background window asks of the main window.
class MainWindowRole {
public:
    // Displays the window in normal state, brings it to the front and draws it at once.
    virtual void Mostrar() = 0;
    // Makes and fills the settings panel, out of the user's sight.
    virtual void CarregarPainel() = 0;
    // Displayed and not minimised.
    virtual bool Mostrado() const = 0;
    // Starts Timer1, beside the background window's own timer.
    virtual void IniciarTimer1() = 0;
    // The sound option can be chosen only while there is a wave output; its tick stays.
    virtual void HabilitarSom(bool possivel) = 0;

protected:
    ~MainWindowRole() = default;
};

// What the main window asks of the background window.
class BackgroundRole {
public:
    virtual void VerificarAlarme(const alarm::LocalTime& now) = 0;
    virtual void AlarmeArmado() = 0;
    virtual void AlarmeDesarmado() = 0;
    virtual void AlertaProgramaOcultado() = 0;
    // After arming: where the program hides, or why the alarm's sound will not be heard.
    virtual void AlertaArmado() = 0;
    // An alarm armed again at a start: this balloon; hidden, the icon's tip also tells how to
    // bring the window back.
    virtual void AlertaReligado(const alarm::Balloon& aviso, bool oculto) = 0;
    virtual void Stop_() = 0;
    virtual void Remove_Systray() = 0;

protected:
    ~BackgroundRole() = default;
};

// What either window asks of the program as a whole.
class ProgramRole {
public:
    // The About window, modal over the main window.
    virtual void ShowAbout() = 0;
    // The user's own ending: at once, leaving no icon and no trace of the alarm behind.
    virtual void EndProgram() = 0;
    // The end of the Windows session, agreed to or forced: the armed alarm comes back with the
    // next start.
    virtual void EndWithWindows() = 0;
    // The alarm was armed for this time: from now on it outlives the program.
    virtual void GuardarAlarme(alarm::TimeOfDay despertar) = 0;
    virtual void AlarmeTocou() = 0;
    // Disarmed: nothing brings the alarm back; a trace left behind is told.
    virtual void EsquecerAlarme() = 0;
    // Windows is shut down at the wake-up: the same, telling nobody. No box may hold the
    // shutdown, nobody may be there to answer it; the next start finds what is left.
    virtual void EsquecerAlarmeCalado() = 0;
    // Where Config.inf and the alarm's record are kept, chosen once at start.
    virtual const std::wstring& DataFolder() const = 0;

protected:
    ~ProgramRole() = default;
};

} // namespace acordina
