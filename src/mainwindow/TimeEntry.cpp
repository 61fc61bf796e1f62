// The wake-up hour and minute: two spinners, each mirrored into a box that
// shows nothing else.
#include "app/Program.h"
#include "mainwindow/frmAcordina.h"

namespace acordina::mainwindow {

void frmAcordina::vsHH_Change() {
    txtHH.SetNumber(vsHH.Value());
}

void frmAcordina::vsMM_Change() {
    txtMM.SetNumber(vsMM.Value());
}

// The boxes hand the focus on at once, so typing never reaches them.
void frmAcordina::txtHH_GotFocus() {
    program_.services.keyboard.SendTab();
}

void frmAcordina::txtMM_GotFocus() {
    program_.services.keyboard.SendTab();
}

} // namespace acordina::mainwindow
