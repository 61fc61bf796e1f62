// Loading, minimising, closing and the end of the main window.
#include "app/Program.h"
#include "background/frmAcordina_.h"
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
    CreateContents(Layout(), kPanel);
    // The sounds come from the program's folder, where they are played from and
    // where the help tells the user to put them.
    for (const auto& name : File1()) {
        cboSom.AddItem(name);
    }
    cboSom.AddItem(kHelpEntry);
    LerConfig();
}

void frmAcordina::Form_Resize() {
    if (IsIconic(hwnd())) {
        program_.Background().AlertaProgramaOcultado();
        ShowWindow(hwnd(), SW_HIDE);
    }
}

void frmAcordina::Form_QueryUnload() {
    const int answer = program_.services.messageBoxes.Show(hwnd(), L"Confirme: ENCERRAR acordina?",
                                                           L"Fechar", win32::kStyleQuestionYesNo);
    if (answer == win32::kAnswerNo) {
        return;
    }
    program_.EndProgram();
}

void frmAcordina::Form_Terminate() {
    program_.Background().Remove_Systray();
}

} // namespace acordina::mainwindow
