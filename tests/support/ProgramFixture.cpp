#include "ProgramFixture.h"

#include "win32/MessageLoop.h"

namespace acordina::testing {

void MouseClickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    INPUT clicks[2]{};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
}

std::array<CheckPair, 7> CheckPairs(mainwindow::frmAcordina& f) {
    return {{{&f.chk15min, &f.txt15min},
             {&f.chk10min, &f.txt10min},
             {&f.chk05min, &f.txt05min},
             {&f.chk02min, &f.txt02min},
             {&f.chk01min, &f.txt01min},
             {&f.chkDespVisual, &f.txt00min},
             {&f.chkDespSom, &f.cboSom}}};
}

void ExpectPairsAgree(mainwindow::frmAcordina& f) {
    for (const auto& [check, paired] : CheckPairs(f)) {
        const bool on = check->Value() == 1;
        EXPECT_EQ(paired->Enabled(), on) << paired->Name();
        EXPECT_EQ(paired->BackColor(), on ? win32::kSysWindow : win32::kSysButtonFace)
            << paired->Name();
        EXPECT_EQ(SendMessageW(check->hwnd(), BM_GETCHECK, 0, 0), on ? BST_CHECKED : BST_UNCHECKED)
            << check->Name();
    }
}

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

int ProgramFixture::Width(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return rc.right - rc.left;
}

void ProgramFixture::RealClick(HWND hwnd, std::optional<POINT> at) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    POINT p = at.value_or(POINT{rc.right / 2, rc.bottom / 2});
    ClientToScreen(hwnd, &p);
    MouseClickAt(p);
    Pump();
}

void ProgramFixture::Click(const win32::Control& c) {
    const WORD code = c.Row()->kind == win32::Kind::Button ? BN_CLICKED : STN_CLICKED;
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
