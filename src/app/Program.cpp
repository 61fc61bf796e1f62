#include "app/Program.h"

#include "about/frmSobre.h"
#include "background/frmAcordina_.h"
#include "mainwindow/frmAcordina.h"

#include <cassert>

namespace acordina {

Program::Program(win32::Services& services) : services_(services) {}

// The main window goes first: its terminate step still talks to the background window.
Program::~Program() {
    about_.reset();
    main_.reset();
    background_.reset();
}

void Program::Start() {
    background_ = std::make_unique<background::frmAcordina_>(services_, module1, *this);
    main_ = std::make_unique<mainwindow::frmAcordina>(services_, module1, *background_, *this);
    main_->Load();
    background_->Load(*main_);
}

background::frmAcordina_& Program::Background() {
    assert(background_ && "the program has started");
    return *background_;
}

mainwindow::frmAcordina& Program::Main() {
    assert(main_ && "the program has started");
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
    services_.power.CancelWakeTimer();
    services_.process.ExitNow();
}

} // namespace acordina
