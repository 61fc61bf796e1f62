// The settings panel: opening and closing it, the check boxes that enable
// their messages and the sound list, and the help entry of the sound list.
#include "app/Program.h"
#include "mainwindow/frmAcordina.h"

namespace acordina::mainwindow {

void frmAcordina::lblConfig_Click() {
    if (lblConfig.Text() == kCollapsedConfig) {
        lblConfig.SetText(kExpandedConfig);
        fraConfig.SetEnabled(true);
        SetOuterWidth(kExpandedWidth);
    } else {
        RecolherConfig();
    }
}

void frmAcordina::RecolherConfig() {
    lblConfig.SetText(kCollapsedConfig);
    fraConfig.SetEnabled(false);
    SetOuterWidth(kCollapsedWidth);
}

void frmAcordina::AplicarPar(const win32::CheckBox& check, win32::Control& paired) {
    const bool on = check.Value() == 1;
    paired.SetBackColor(on ? win32::kSysWindow : win32::kSysButtonFace);
    paired.SetEnabled(on);
}

void frmAcordina::cboSom_Click() {
    if (cboSom.Text() != kHelpEntry) {
        return;
    }
    // Clearing the selection comes back here and finds the text empty.
    cboSom.SetListIndex(-1);
    program_.services.messageBoxes.Show(
        hwnd(),
        L"Para configurar novos sons, escolha qualquer arquivo WAV e coloque na pasta de "
        L"instalação deste sistema (" +
            program_.services.programFolder.Path() + L")",
        L"Ajuda", win32::kStyleInformation);
}

} // namespace acordina::mainwindow
