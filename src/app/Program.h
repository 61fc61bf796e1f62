#pragma once
// The program: the alarm settings shared by the windows, and the three windows, built in
// order at start and each handed only the operations it needs of the others (the About
// window only while it is shown).

#include "alarm/Module1.h"
#include "app/Roles.h"
#include "win32/Services.h"

#include <memory>

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

class Program final : public ProgramRole {
public:
    explicit Program(win32::Services& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Builds the windows; the background window shows the main window, then makes its own
    // window and puts up the icon.
    void Start();

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

private:
    win32::Services& services_;
    std::unique_ptr<background::frmAcordina_> background_;
    std::unique_ptr<mainwindow::frmAcordina> main_;
    std::unique_ptr<about::frmSobre> about_;
};

} // namespace acordina
