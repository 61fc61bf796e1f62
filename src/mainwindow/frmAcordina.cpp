#include "mainwindow/frmAcordina.h"

#include "alarm/AlarmCheck.h"
#include "platform/Failure.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cwctype>

namespace acordina::mainwindow {

frmAcordina::frmAcordina(win32::Services& services, Module1& module1, BackgroundRole& background,
                         ProgramRole& program)
    : services_(services), module1_(module1), background_(background), program_(program) {
    if (HCURSOR hand = LoadCursorW(win32::ThisModule(), MAKEINTRESOURCEW(IDC_HAND_POINTER))) {
        UseHandCursor(hand);
    }
    constexpr DWORD style = WS_OVERLAPPEDWINDOW;
    constexpr DWORD exStyle = WS_EX_CONTROLPARENT;
    // The outer width is set in twips; the height comes from the designed client area.
    SIZE size = OuterSize(0, kClientHeight, style, exStyle);
    size.cx = dpi().PixelsX(kCollapsedWidth);
    const POINT at = Centred(size, services_.monitors.WorkArea(nullptr));
    // The class's icon is shared, so it lasts as long as the program; the system takes the title
    // bar's small one from the same resource. Setting the window's own icons as well costs a
    // few milliseconds before the window is first drawn, for the same pictures.
    CreateWindowOfClass(L"AcordinaMain", exStyle, style, L"Acordina", at.x, at.y, size.cx, size.cy,
                        nullptr, LoadIconW(win32::ThisModule(), MAKEINTRESOURCEW(IDI_ACORDINA)));
    // The settings panel's controls wait for CarregarPainel.
    CreateControls(&fraConfig);
    FitMonitor(services_.monitors);
    vsHH.SetRange(23, 0);
    vsMM.SetRange(59, 0);
    // The big clock needs every pixel of its box; the font's own margins would clip it.
    SendMessageW(txtHora.hwnd(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    PanelInSight();
    lblStatus.TextChanged = [this] { Announce(lblStatus); };
    lblConfig.TextChanged = [this] { Announce(lblConfig); };
}

frmAcordina::~frmAcordina() {
    if (hwnd()) {
        KillTimer(hwnd(), kTimer1);
        Form_Terminate();
    }
}

void frmAcordina::SetOuterWidth(int twips) {
    RECT rc;
    GetWindowRect(hwnd(), &rc);
    SetWindowPos(hwnd(), nullptr, 0, 0, dpi().PixelsX(twips), rc.bottom - rc.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmAcordina::Mostrar() {
    MostrarHora();
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    // Windows may refuse the foreground to a program the user is not using; the window still
    // shows, flashing on the task bar.
    SetForegroundWindow(hwnd());
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void frmAcordina::IniciarTimer1() {
    win32::StartRequiredTimer(services_.timers, hwnd(), kTimer1, 100);
}

bool frmAcordina::Mostrado() const {
    return IsWindowVisible(hwnd()) && !IsIconic(hwnd());
}

void frmAcordina::HabilitarSom(bool possivel) {
    chkDespSom.SetEnabled(possivel);
}

std::vector<std::wstring> frmAcordina::File1() const {
    std::vector<std::wstring> names;
    const std::wstring pattern = win32::InFolder(services_.programFolder.Path(), kFile1Pattern);
    WIN32_FIND_DATAW found;
    HANDLE first = FindFirstFileW(pattern.c_str(), &found);
    if (first == INVALID_HANDLE_VALUE) {
        return names;
    }
    const win32::UniqueFind search(first);
    do {
        std::wstring name = found.cFileName;
        std::wstring lower = name;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
        // "*.wav" also matches longer extensions through short names; keep real .wav files.
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && lower.ends_with(L".wav")) {
            names.push_back(std::move(name));
        }
    } while (FindNextFileW(search.get(), &found));
    return names;
}

void frmAcordina::MostrarHora() {
    const alarm::ClockText text = alarm::FormatarHora(services_.clock.Now().time);
    // Redrawn only when the text changes: once a second, not at every tick.
    if (clockText_ != text.text) {
        clockText_ = text.text;
        txtHora.SetText(clockText_.c_str());
    }
}

void frmAcordina::Timer1_Timer() {
    // Each new text makes the box lay itself out again, its costliest work by far; nobody sees
    // a hidden clock, and Mostrar brings it up to date.
    if (IsWindowVisible(hwnd())) {
        MostrarHora();
    }
    background_.VerificarAlarme(services_.clock.Now());
}

LRESULT frmAcordina::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER:
        if (wp == kTimer1) {
            Timer1_Timer();
        }
        return 0;
    case WM_SIZE:
        PanelInSight();
        Form_Resize();
        return 0;
    case WM_DPICHANGED: {
        const LRESULT result = Form::OnMessage(msg, wp, lp);
        // A new font gives the box its margins back.
        SendMessageW(txtHora.hwnd(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        return result;
    }
    case WM_CLOSE:
        Form_QueryUnload();
        return 0;
    case WM_QUERYENDSESSION:
        return Form_QueryEndSession(lp) ? TRUE : FALSE;
    case WM_ENDSESSION:
        Form_EndSession(wp != FALSE);
        return 0;
    default:
        break;
    }
    return Form::OnMessage(msg, wp, lp);
}

} // namespace acordina::mainwindow
