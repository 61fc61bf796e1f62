#include "mainwindow/frmAcordina.h"

#include "alarm/AlarmCheck.h"
#include "app/Program.h"
#include "background/frmAcordina_.h"
#include "resource_ids.h"
#include "win32/Paths.h"

#include <algorithm>
#include <cwctype>

namespace acordina::mainwindow {

frmAcordina::frmAcordina(Program& program) : program_(program) {
    iconBig_.reset(static_cast<HICON>(
        LoadImageW(win32::ThisModule(), MAKEINTRESOURCEW(IDI_ACORDINA), IMAGE_ICON, 32, 32, 0)));
    iconSmall_.reset(static_cast<HICON>(
        LoadImageW(win32::ThisModule(), MAKEINTRESOURCEW(IDI_ACORDINA), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));

    constexpr DWORD style = WS_OVERLAPPEDWINDOW;
    constexpr DWORD exStyle = WS_EX_CONTROLPARENT;
    // The outer width is set in twips; the height comes from the designed client area.
    SIZE size = OuterSize(0, kClientHeight, style, exStyle);
    size.cx = dpi().PixelsX(kCollapsedWidth);
    const POINT at = Centred(size);
    CreateWindowOfClass(L"AcordinaMain", exStyle, style, L"Acordina", at.x, at.y, size.cx, size.cy,
                        nullptr, iconBig_.get());
    SetIcons(iconBig_.get(), iconSmall_.get());
    CreateControls(Layout(), kPanel);
    vsHH.SetRange(23, 0);
    vsMM.SetRange(59, 0);
    // The big clock needs every pixel of its box; the font's own margins would clip it.
    SendMessageW(txtHora.hwnd(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    WireHandlers();
    SetTimer(hwnd(), kTimer1, 100, nullptr);
}

frmAcordina::~frmAcordina() {
    if (hwnd()) {
        KillTimer(hwnd(), kTimer1);
        Form_Terminate();
    }
}

win32::Control* frmAcordina::Find(std::wstring_view name) {
    const NamedControl controls[] = {
        {L"Frame1", &Frame1},
        {L"txtHora", &txtHora},
        {L"fraHora", &fraHora},
        {L"txtHH", &txtHH},
        {L"Label1", &Label1},
        {L"txtMM", &txtMM},
        {L"Label2", &Label2},
        {L"vsHH", &vsHH},
        {L"vsMM", &vsMM},
        {L"lblStatus", &lblStatus},
        {L"picDesligado", &picDesligado},
        {L"picLigado", &picLigado},
        {L"Frame3", &Frame3},
        {L"imgTAVU", &imgTAVU},
        {L"lblConfig", &lblConfig},
        {L"fraConfig", &fraConfig},
        {L"chkDespSom", &chkDespSom},
        {L"cboSom", &cboSom},
        {L"chkDesligar", &chkDesligar},
        {L"chkDespVisual", &chkDespVisual},
        {L"Label8", &Label8},
        {L"txt00min", &txt00min},
        {L"Label3", &Label3},
        {L"chk15min", &chk15min},
        {L"txt15min", &txt15min},
        {L"chk10min", &chk10min},
        {L"txt10min", &txt10min},
        {L"chk05min", &chk05min},
        {L"txt05min", &txt05min},
        {L"chk02min", &chk02min},
        {L"txt02min", &txt02min},
        {L"chk01min", &chk01min},
        {L"txt01min", &txt01min},
    };
    return FindIn(controls, name);
}

void frmAcordina::WireHandlers() {
    vsHH.Change = [this] { vsHH_Change(); };
    vsMM.Change = [this] { vsMM_Change(); };
    txtHH.GotFocus = [this] { txtHH_GotFocus(); };
    txtMM.GotFocus = [this] { txtMM_GotFocus(); };
    lblConfig.Click = [this] { lblConfig_Click(); };
    cboSom.Click = [this] { cboSom_Click(); };
    lblStatus.Click = [this] { lblStatus_Click(); };
    picDesligado.Click = [this] { picDesligado_Click(); };
    picLigado.Click = [this] { picLigado_Click(); };
    imgTAVU.Click = [this] { imgTAVU_Click(); };
    chkDespSom.Click = [this] { AplicarPar(chkDespSom, cboSom); };
    chkDespVisual.Click = [this] { AplicarPar(chkDespVisual, txt00min); };
    chk15min.Click = [this] { AplicarPar(chk15min, txt15min); };
    chk10min.Click = [this] { AplicarPar(chk10min, txt10min); };
    chk05min.Click = [this] { AplicarPar(chk05min, txt05min); };
    chk02min.Click = [this] { AplicarPar(chk02min, txt02min); };
    chk01min.Click = [this] { AplicarPar(chk01min, txt01min); };
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
    SetForegroundWindow(hwnd());
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool frmAcordina::Mostrado() const {
    return IsWindowVisible(hwnd()) && !IsIconic(hwnd());
}

std::vector<std::wstring> frmAcordina::File1() const {
    std::vector<std::wstring> names;
    const std::wstring folder = program_.services.programFolder.Path();
    const auto row = std::find_if(Layout().begin(), Layout().end(), [](const auto& entry) {
        return entry.kind == win32::Kind::FileList;
    });
    const std::wstring pattern = win32::InFolder(folder, row->text);
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
    const alarm::ClockText text = alarm::FormatarHora(program_.services.clock.Now().time);
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
    program_.Background().VerificarAlarme(program_.services.clock.Now());
}

LRESULT frmAcordina::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER:
        if (wp == kTimer1) {
            Timer1_Timer();
        }
        return 0;
    case WM_SIZE:
        Form_Resize();
        return 0;
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
