// Switching the alarm on and off from the status label and lamps.
#include "alarm/ArmingTimes.h"
#include "app/Program.h"
#include "background/frmAcordina_.h"
#include "mainwindow/frmAcordina.h"

#include <algorithm>
#include <array>
#include <cwctype>

namespace acordina::mainwindow {
namespace {

// The controls of each pre-alert, found by its minutes so that the order of
// the pre-alert table can never pair a variable with another minute's box.
struct PreAlertControls {
    int minutes;
    win32::CheckBox frmAcordina::*check;
    win32::TextBox frmAcordina::*message;
};
constexpr std::array<PreAlertControls, 5> kPreAlertControls = {{
    {15, &frmAcordina::chk15min, &frmAcordina::txt15min},
    {10, &frmAcordina::chk10min, &frmAcordina::txt10min},
    {5, &frmAcordina::chk05min, &frmAcordina::txt05min},
    {2, &frmAcordina::chk02min, &frmAcordina::txt02min},
    {1, &frmAcordina::chk01min, &frmAcordina::txt01min},
}};

constexpr const PreAlertControls* ControlsFor(int minutes) {
    const auto* row = std::find_if(kPreAlertControls.begin(), kPreAlertControls.end(),
                                   [minutes](const auto& r) { return r.minutes == minutes; });
    return row == kPreAlertControls.end() ? nullptr : row;
}

static_assert(std::all_of(alarm::kPreAlertas.begin(), alarm::kPreAlertas.end(),
                          [](const auto& pre) { return ControlsFor(pre.minutes) != nullptr; }),
              "every pre-alert needs its check box and message box");

bool IsBlank(const std::wstring& text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return std::iswspace(c) != 0; });
}

// A ticked alert whose message was emptied gets its designed text back: an empty balloon
// would show nothing and wake no one.
void KeepAMessage(const win32::CheckBox& check, win32::TextBox& message) {
    if (check.Value() == 1 && IsBlank(message.Text())) {
        message.SetText(message.Row()->text);
    }
}

} // namespace

void frmAcordina::lblStatus_Click() {
    // The lamp, not the flag, tells the state; Ligar and Desligar keep both in step.
    if (picLigado.Visible()) {
        Desligar();
    } else {
        Ligar();
    }
}

void frmAcordina::picDesligado_Click() {
    Ligar();
}

void frmAcordina::picLigado_Click() {
    Desligar();
}

void frmAcordina::imgTAVU_Click() {
    program_.ShowAbout();
}

void frmAcordina::Ligar() {
    auto& boxes = program_.services.messageBoxes;
    if (chkDespSom.Value() == 0 && chkDespVisual.Value() == 0) {
        boxes.Show(hwnd(), L"Escolha a forma de despertar: COM SOM e/ou COM ALERTA VISUAL.",
                   L"Atenção!", win32::kStyleCritical);
        return;
    }
    if (chkDespSom.Value() == 1 && cboSom.Text().empty()) {
        boxes.Show(hwnd(), L"Escolha um som para despertar.", L"Aviso", win32::kStyleCritical);
        return;
    }
    KeepAMessage(chkDespVisual, txt00min);
    for (const auto& controls : kPreAlertControls) {
        KeepAMessage(this->*controls.check, this->*controls.message);
    }
    RecolherConfig();
    // A file that cannot be written is reported there; the alarm is armed all the same.
    GravarConfig();
    lblStatus.SetText(kArmedCaption);
    picLigado.SetVisible(true);
    Module1& m = program_.module1;
    m.blnLigado = true;
    picDesligado.SetVisible(false);

    // The spinners' values: the boxes only mirror them.
    const int hour = vsHH.Value();
    const int minute = vsMM.Value();
    m.strHoraDespertar = alarm::HoraDespertar(hour, minute);
    for (const auto& pre : alarm::kPreAlertas) {
        const PreAlertControls& controls = *ControlsFor(pre.minutes);
        // Every time is stored; only the flag and the message follow the tick.
        m.*pre.time = alarm::HoraPreAlerta(hour, minute, pre.minutes);
        m.*pre.flag = false;
        if ((this->*controls.check).Value() == 1) {
            m.*pre.flag = true;
            m.*pre.message = (this->*controls.message).Text();
        }
    }
    program_.Background().AlarmeArmado();

    // Fully armed before the box: a target reached while it is open fires.
    boxes.Show(hwnd(), L"Programa ACORDIMA programado!", L"Aviso!", win32::kStyleInformation);
    program_.Background().AlertaProgramaOcultado();
    ShowWindow(hwnd(), SW_HIDE);
}

void frmAcordina::Desligar() {
    lblStatus.SetText(kDisarmedCaption);
    picDesligado.SetVisible(true);
    picLigado.SetVisible(false);
    program_.module1.blnLigado = false;
    // The box as it is now, not the flag of the last arming.
    if (chkDespSom.Value() == 1) {
        program_.Background().Stop_();
    }
    program_.Background().AlarmeDesarmado();
}

} // namespace acordina::mainwindow
