#pragma once
// The program-wide instances: the alarm settings and the three windows, each
// created on first reference and kept until the program ends (the About
// window only while it is shown).

#include "alarm/Module1.h"
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

class Program {
public:
    explicit Program(win32::Services& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts the program: loads the background window, which shows the main window.
    void Start();

    Module1 module1;
    win32::Services& services;

    background::frmAcordina_& Background();
    mainwindow::frmAcordina& Main();
    bool MainExists() const { return main_ != nullptr; }

    // The About window: made anew each time it is shown modally over the main
    // window; its window is destroyed when the user closes it.
    void ShowAbout();
    about::frmSobre* About() const;

    // Ends the program at once, leaving no icon behind in the notification area.
    void EndProgram();

private:
    std::unique_ptr<background::frmAcordina_> background_;
    std::unique_ptr<mainwindow::frmAcordina> main_;
    std::unique_ptr<about::frmSobre> about_;
};

} // namespace acordina
