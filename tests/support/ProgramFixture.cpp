#include "ProgramFixture.h"

#include "win32/MessageLoop.h"

namespace acordina::testing {

ProgramFixture::~ProgramFixture() {
    program.reset();
    Pump();
}

void ProgramFixture::Start() {
    program = std::make_unique<Program>(fakes.services);
    program->Start();
    Pump();
}

void ProgramFixture::Pump() {
    win32::PumpPending();
}

void ProgramFixture::Click(const win32::Control& c) {
    const WORD code = c.Spec()->kind == win32::Kind::Button ? BN_CLICKED : STN_CLICKED;
    SendMessageW(GetParent(c.hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c.hwnd()), code),
                 reinterpret_cast<LPARAM>(c.hwnd()));
    Pump();
}

void ProgramFixture::ClickCheck(const win32::CheckBox& c) {
    SendMessageW(c.hwnd(), BM_CLICK, 0, 0);
    Pump();
}

void ProgramFixture::Choose(const win32::ComboBox& c, int index) {
    SendMessageW(c.hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(c.hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c.hwnd()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(c.hwnd()));
    Pump();
}

void ProgramFixture::Spin(const win32::VScrollBar& bar, WORD code, int times) {
    for (int i = 0; i < times; ++i) {
        SendMessageW(GetParent(bar.hwnd()), WM_VSCROLL, MAKEWPARAM(code, 0),
                     reinterpret_cast<LPARAM>(bar.hwnd()));
        SendMessageW(GetParent(bar.hwnd()), WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0),
                     reinterpret_cast<LPARAM>(bar.hwnd()));
    }
    Pump();
}

void ProgramFixture::Tray(UINT mouseMessage) {
    SendMessageW(Background().hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(mouseMessage, 0));
    Pump();
}

void ProgramFixture::TickMain() {
    SendMessageW(Main().hwnd(), WM_TIMER, mainwindow::frmAcordina::kTimer1, 0);
}

void ProgramFixture::TickBackground() {
    SendMessageW(Background().hwnd(), WM_TIMER, background::frmAcordina_::kTimer1, 0);
}

} // namespace acordina::testing
