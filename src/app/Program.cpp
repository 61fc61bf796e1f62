#include "app/Program.h"

#include "about/frmSobre.h"
#include "alarm/CommandLine.h"
#include "background/frmAcordina_.h"
#include "mainwindow/frmAcordina.h"
#include "platform/Paths.h"

#include <cassert>

namespace acordina {

Program::Program(win32::Services& services) : services_(services) {}

// The comeback, which holds both windows, goes first; then the main window: its terminate step
// still talks to the background window.
Program::~Program() {
    comeback_.reset();
    about_.reset();
    main_.reset();
    background_.reset();
}

bool Program::Start(bool religar) {
    started_ = services_.clock.Now();
    if (!OnlyCopy(religar)) {
        return false;
    }
    ChooseDataFolder();
    background_ = std::make_unique<background::frmAcordina_>(services_, module1, *this);
    main_ = std::make_unique<mainwindow::frmAcordina>(services_, module1, *background_, *this);
    // Before the main window loads: anything it does may already forget the alarm.
    comeback_.emplace(services_, module1, dataFolder_, *main_, *background_);
    main_->Load();
    const std::optional<alarm::RestartRecord> record = comeback_->Found(religar);
    // Started by Windows to bring the alarm back, nobody is there to look at the window.
    background_->Load(*main_, !(religar && record));
    if (record) {
        comeback_->Religar(*record, religar);
    }
    return true;
}

bool Program::OnlyCopy(bool religar) {
    win32::SingleInstance& instance = services_.singleInstance;
    // Without the mutex there is no telling: running twice beats not running.
    if (instance.Take() != win32::SingleInstance::Claim::Second) {
        return true;
    }
    // Started by Windows, the first copy already holds the alarm; by hand, the user wants it.
    if (!religar) {
        instance.WakeFirst(background::frmAcordina_::kClassName,
                           background::frmAcordina_::kRestaurarMessage);
    }
    return false;
}

// The program's folder while a file can be made there; otherwise, as unzipped into a folder
// only administrators may change, the user's own.
void Program::ChooseDataFolder() {
    const win32::ProgramFolder& folder = services_.programFolder;
    dataFolder_ = folder.Path();
    if (folder.Writable()) {
        return;
    }
    const std::wstring local = folder.LocalAppData();
    if (local.empty()) {
        return;
    }
    dataFolder_ = win32::InFolder(local, L"Acordina");
    // Refused: a write there names the reason to the user.
    if (!CreateDirectoryW(dataFolder_.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        win32::Trace(L"CreateDirectoryW (data folder)");
    }
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
    about_ = std::make_unique<about::frmSobre>(services_.monitors);
    about_->ShowModalOver(Main().hwnd());
}

about::frmSobre* Program::About() const {
    return about_ && about_->hwnd() ? about_.get() : nullptr;
}

void Program::EndProgram() {
    EsquecerAlarme();
    Leave();
}

void Program::EndWithWindows() {
    Leave();
}

void Program::GuardarAlarme(alarm::TimeOfDay despertar) {
    comeback_->Guardar(despertar);
}

void Program::AlarmeTocou() {
    comeback_->Tocou();
}

void Program::EsquecerAlarme() {
    comeback_->Esquecer(true);
}

void Program::EsquecerAlarmeCalado() {
    comeback_->Esquecer(false);
}

void Program::Leave() {
    if (background_) {
        background_->Remove_Systray();
    }
    // A program that is gone must not wake the computer.
    services_.power.CancelWakeTimer();
    services_.process.ExitNow();
}

void Program::Falhou(const std::wstring& reason) noexcept {
    auto& comeback = services_.comeback;
    if (failing_) {
        comeback.ExitFailed();
        return;
    }
    failing_ = true;
    try {
        const bool ranAWhile =
            alarm::LocalSeconds(services_.clock.Now()) - alarm::LocalSeconds(started_) >=
            kMinimumRunSeconds;
        if (background_) {
            background_->Remove_Systray();
        }
        // The new copy must not find this one still running.
        services_.singleInstance.Release();
        // The record stays: the new copy arms again from it.
        if (!(module1.blnLigado && ranAWhile && comeback.StartCopy(alarm::kReligar))) {
            std::wstring text = L"O Acordina encontrou um erro e será fechado:\n";
            services_.messageBoxes.Show(nullptr, text += reason, L"Acordina", MB_ICONERROR);
        }
    } catch (...) {
        // Ending is all that is left to do.
    }
    comeback.ExitFailed();
}

} // namespace acordina
