#include "app/Program.h"

#include "about/frmSobre.h"
#include "background/frmAcordina_.h"
#include "mainwindow/frmAcordina.h"
#include "platform/Paths.h"

#include <cassert>

namespace acordina {

Program::Program(win32::Services& services) : services_(services) {}

// The main window goes first: its terminate step still talks to the background window.
Program::~Program() {
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
    main_->Load();
    const std::optional<alarm::RestartRecord> record = FoundRecord(religar);
    // Started by Windows to bring the alarm back, nobody is there to look at the window.
    background_->Load(*main_, !(religar && record));
    if (record) {
        Religar(*record, religar);
    }
    return true;
}

bool Program::OnlyCopy(bool religar) {
    const std::wstring name = services_.comeback.InstanceName();
    onlyCopy_.reset(CreateMutexW(nullptr, FALSE, name.c_str()));
    // Without the mutex there is no telling: running twice beats not running.
    if (!onlyCopy_ || GetLastError() != ERROR_ALREADY_EXISTS) {
        return true;
    }
    onlyCopy_.reset();
    if (religar) {
        return false;
    }
    // The first copy makes that window only after drawing its own: a quick second start waits.
    HWND first = nullptr;
    for (int tries = 0; !first && tries < 50; ++tries) {
        first = FindWindowW(background::frmAcordina_::kClassName, name.c_str());
        if (!first) {
            Sleep(100);
        }
    }
    if (first) {
        // The first copy may take the foreground that this newly started one holds.
        DWORD process = 0;
        GetWindowThreadProcessId(first, &process);
        AllowSetForegroundWindow(process);
        PostMessageW(first, RegisterWindowMessageW(background::frmAcordina_::kRestaurarMessage), 0,
                     0);
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
    // Already there, or refused: a write there names the reason.
    CreateDirectoryW(dataFolder_.c_str(), nullptr);
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

void Program::Leave() {
    if (background_) {
        background_->Remove_Systray();
    }
    // A program that is gone must not wake the computer.
    services_.power.CancelWakeTimer();
    services_.process.ExitNow();
}

} // namespace acordina
