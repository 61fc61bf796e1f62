// The wake-up hour and minute: two spinners, each mirrored into a box that
// shows nothing else.
#include "mainwindow/frmAcordina.h"

namespace acordina::mainwindow {

void frmAcordina::vsHH_Change() {
    txtHH.SetNumber(vsHH.Value());
    AnnounceValue(vsHH, txtHH);
}

void frmAcordina::vsMM_Change() {
    txtMM.SetNumber(vsMM.Value());
    AnnounceValue(vsMM, txtMM);
}

// The boxes hand the focus on at once, so typing never reaches them.
void frmAcordina::txtHH_GotFocus() {
    services_.keyboard.SendTab();
}

void frmAcordina::txtMM_GotFocus() {
    services_.keyboard.SendTab();
}

} // namespace acordina::mainwindow
