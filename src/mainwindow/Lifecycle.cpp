// Loading, minimising, closing and the end of the main window.
#include "mainwindow/frmAcordina.h"

namespace acordina::mainwindow {

void frmAcordina::Load() {
    Form_Load();
}

void frmAcordina::Form_Load() {
    // The window can be minimised but not maximised.
    const LONG style = GetWindowLongA(hwnd(), GWL_STYLE);
    SetWindowLongA(hwnd(), GWL_STYLE, style & ~static_cast<LONG>(WS_MAXIMIZEBOX));
    lblStatus.SetText(kDisarmedCaption);
    MostrarHora();
}

void frmAcordina::CarregarPainel() {
    CreateContents(fraConfig);
    // The sounds come from the program's folder, where they are played from and
    // where the help tells the user to put them.
    for (const auto& name : File1()) {
        cboSom.AddItem(name);
    }
    cboSom.AddItem(kHelpEntry);
    LerConfig();
    NameForScreenReaders();
}

void frmAcordina::Form_Resize() {
    if (IsIconic(hwnd())) {
        background_.AlertaProgramaOcultado();
        ShowWindow(hwnd(), SW_HIDE);
    }
}

bool frmAcordina::ConfirmaEncerrar() {
    return services_.messageBoxes.Show(hwnd(), L"Confirme: ENCERRAR acordina?", L"Fechar",
                                       MB_YESNO | MB_ICONQUESTION) != IDNO;
}

void frmAcordina::Form_QueryUnload() {
    if (ConfirmaEncerrar()) {
        program_.EndProgram();
    }
}

bool frmAcordina::Form_QueryEndSession(LPARAM reason) {
    // An end that cannot be refused is not asked about.
    if (reason & ENDSESSION_CRITICAL) {
        return true;
    }
    // Windows must get the answer first: the program ends at WM_ENDSESSION.
    endAgreed_ = ConfirmaEncerrar();
    return endAgreed_;
}

void frmAcordina::Form_EndSession(bool ending) {
    // Yes here lets Windows end; it does not disarm. Also when another program refused the end
    // after the user agreed; not asked, or forced past a No, the same: the armed alarm comes
    // back with the next start.
    if (endAgreed_ || ending) {
        program_.EndWithWindows();
    }
}

void frmAcordina::Form_Terminate() {
    background_.Remove_Systray();
}

} // namespace acordina::mainwindow
