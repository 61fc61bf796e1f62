// The wake-up hour and minute: two spinners, each mirrored into a box the
// user cannot type into.
#include "app/Program.h"
#include "mainwindow/frmAcordina.h"

#include <string>

namespace acordina::mainwindow {

void frmAcordina::vsHH_Change() {
    txtHH.SetText(std::to_wstring(vsHH.Value()));
}

void frmAcordina::vsMM_Change() {
    txtMM.SetText(std::to_wstring(vsMM.Value()));
}

// The boxes hand the focus on at once, so typing never reaches them.
void frmAcordina::txtHH_GotFocus() {
    program_.services.keyboard.SendTab();
}

void frmAcordina::txtMM_GotFocus() {
    program_.services.keyboard.SendTab();
}

} // namespace acordina::mainwindow
