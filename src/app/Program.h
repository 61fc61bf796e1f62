#pragma once
// The program: the alarm settings shared by the windows, and the three windows, built in
// order at start and each handed only the operations it needs of the others (the About
// window only while it is shown); the alarm's comeback, the one-copy rule, and the end after a
// failure.

#include "alarm/Module1.h"
#include "app/AlarmComeback.h"
#include "platform/Failure.h"
#include "roles/Roles.h"
#include "services/Services.h"

#include <memory>
#include <optional>

namespace acordina {

namespace background {
class frmAcordina_;
}
namespace mainwindow {
class frmAcordina;
}
namespace about {
class frmSobre;
}

class Program final : public ProgramRole, private win32::FailureHandler {
public:
    explicit Program(win32::Services& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Builds the windows; the background window shows the main window, then makes its own
    // window and puts up the icon. An alarm the program was ended with is armed again; started
    // by Windows (`religar`), the main window then stays hidden. False when another copy
    // already runs: this one has made nothing and ends.
    bool Start(bool religar = false);

    // A failure after this long restarts an armed program; sooner, it might fail again at once.
    static constexpr int kMinimumRunSeconds = 60;

    // The armed alarm, written by the main window and read by the background window.
    Module1 module1;

    // Both from Start on.
    background::frmAcordina_& Background();
    mainwindow::frmAcordina& Main();

    // The About window while it is shown: made anew each time, modal over the main window;
    // its window is destroyed when the user closes it.
    about::frmSobre* About() const;

    // ProgramRole.
    void ShowAbout() override;
    void EndProgram() override;
    void EndWithWindows() override;
    void GuardarAlarme(alarm::TimeOfDay despertar) override;
    void AlarmeTocou() override;
    void EsquecerAlarme() override;
    void EsquecerAlarmeCalado() override;
    const std::wstring& DataFolder() const override { return dataFolder_; }

    // FailureHandler: an armed program that has run a while starts again; otherwise the user is
    // told. Either way it ends.
    void Falhou(const std::wstring& reason) noexcept override;

private:
    // True for the only copy in the session, or when there is no telling; a plain second start
    // brings the first one's window up.
    bool OnlyCopy(bool religar);
    void ChooseDataFolder();
    void Leave();

    win32::Services& services_;
    std::unique_ptr<background::frmAcordina_> background_;
    std::unique_ptr<mainwindow::frmAcordina> main_;
    std::unique_ptr<about::frmSobre> about_;
    alarm::LocalTime started_;
    win32::FailureScope failureScope_{*this};
    bool failing_ = false;
    std::wstring dataFolder_;
    // From Start on, once the windows are made.
    std::optional<AlarmComeback> comeback_;
};

} // namespace acordina
