// The settings panel: opening and closing it, the check boxes that enable
// their messages and the sound list, and the help entry of the sound list.
#include "mainwindow/frmAcordina.h"

#include <algorithm>

namespace acordina::mainwindow {

void frmAcordina::lblConfig_Click() {
    if (lblConfig.Text() == kCollapsedConfig) {
        lblConfig.SetText(kExpandedConfig);
        fraConfig.SetEnabled(true);
        SetOuterWidth(kExpandedWidth);
        KeepOnScreen();
    } else {
        RecolherConfig();
    }
}

void frmAcordina::PanelInSight() {
    // The window is sized once before its controls are made.
    if (!fraConfig.hwnd()) {
        return;
    }
    RECT client, panel;
    GetClientRect(hwnd(), &client);
    GetWindowRect(fraConfig.hwnd(), &panel);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&panel), 2);
    const bool inSight = panel.left < client.right && !IsIconic(hwnd());
    if (inSight != fraConfig.Visible()) {
        fraConfig.SetVisible(inSight);
    }
}

void frmAcordina::KeepOnScreen() {
    // The panel opens to the right; near the monitor's right edge the window moves left just
    // enough to show it all, and no further than the work area's left edge.
    RECT rc;
    GetWindowRect(hwnd(), &rc);
    const RECT work = services_.monitors.WorkArea(hwnd());
    if (rc.right <= work.right) {
        return;
    }
    const int left = std::max(work.right - (rc.right - rc.left), work.left);
    SetWindowPos(hwnd(), nullptr, left, rc.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    services_.messageBoxes.Show(
        hwnd(),
        L"Para configurar novos sons, escolha qualquer arquivo WAV e coloque na pasta de "
        L"instalação deste sistema (" +
            services_.programFolder.Path() + L")",
        L"Ajuda", MB_ICONINFORMATION);
}

} // namespace acordina::mainwindow
