#include "app/Program.h"

#include "about/frmSobre.h"
#include "background/frmAcordina_.h"
#include "mainwindow/frmAcordina.h"

namespace acordina {

Program::Program(win32::Services& s) : services(s) {}

// The main window goes first: its terminate step still talks to the background window.
Program::~Program() {
    about_.reset();
    main_.reset();
    background_.reset();
}

void Program::Start() {
    Background();
}

background::frmAcordina_& Program::Background() {
    if (!background_) {
        background_ = std::make_unique<background::frmAcordina_>(*this);
        background_->Load();
    }
    return *background_;
}

mainwindow::frmAcordina& Program::Main() {
    if (!main_) {
        main_ = std::make_unique<mainwindow::frmAcordina>(*this);
        main_->Load();
    }
    return *main_;
}

void Program::ShowAbout() {
    about_.reset();
    about_ = std::make_unique<about::frmSobre>();
    about_->ShowModalOver(Main().hwnd());
}

about::frmSobre* Program::About() const {
    return about_ && about_->hwnd() ? about_.get() : nullptr;
}

void Program::EndProgram() {
    if (background_) {
        background_->Remove_Systray();
    }
    // A program that is gone must not wake the computer.
    services.power.CancelWakeTimer();
    services.process.ExitNow();
}

} // namespace acordina
