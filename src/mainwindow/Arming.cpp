// Switching the alarm on and off from the status label and lamps.
#include "alarm/ArmingTimes.h"
#include "mainwindow/frmAcordina.h"

#include <algorithm>
#include <cwctype>

namespace acordina::mainwindow {
namespace {

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

void frmAcordina::Religar(alarm::TimeOfDay despertar) {
    vsHH.SetValue(despertar.hour);
    vsMM.SetValue(despertar.minute);
    Ligar(true);
}

void frmAcordina::Ligar(bool religando) {
    auto& boxes = services_.messageBoxes;
    if (chkDespSom.Value() == 0 && chkDespVisual.Value() == 0) {
        boxes.Show(hwnd(), L"Escolha a forma de despertar: COM SOM e/ou COM ALERTA VISUAL.",
                   L"Atenção!", MB_ICONERROR);
        return;
    }
    if (chkDespSom.Value() == 1 && cboSom.Text().empty()) {
        boxes.Show(hwnd(), L"Escolha um som para despertar.", L"Aviso", MB_ICONERROR);
        return;
    }
    KeepAMessage(chkDespVisual, txt00min);
    for (const auto& pre : preAlertas) {
        KeepAMessage(pre.check, pre.message);
    }
    RecolherConfig();
    // A file that cannot be written is reported there; the alarm is armed all the same.
    GravarConfig();
    program_.GuardarAlarme({vsHH.Value(), vsMM.Value(), 0});
    lblStatus.SetText(kArmedCaption);
    picLigado.SetVisible(true);
    Module1& m = module1_;
    m.blnLigado = true;
    picDesligado.SetVisible(false);

    // The spinners' values: the boxes only mirror them.
    alarm::GuardarHoras(m, vsHH.Value(), vsMM.Value());
    for (const auto& [pre, check, message] : preAlertas) {
        // Only the flag and the message follow the tick.
        m.*pre.flag = false;
        if (check.Value() == 1) {
            m.*pre.flag = true;
            m.*pre.message = message.Text();
        }
    }
    background_.AlarmeArmado();

    if (religando) {
        return;
    }
    // Fully armed before the box: a target reached while it is open fires.
    boxes.Show(hwnd(), L"Programa ACORDIMA programado!", L"Aviso!", MB_ICONINFORMATION);
    background_.AlertaArmado();
    ShowWindow(hwnd(), SW_HIDE);
}

void frmAcordina::Desligar() {
    lblStatus.SetText(kDisarmedCaption);
    picDesligado.SetVisible(true);
    picLigado.SetVisible(false);
    module1_.blnLigado = false;
    // The box as it is now, not the flag of the last arming.
    if (chkDespSom.Value() == 1) {
        background_.Stop_();
    }
    background_.AlarmeDesarmado();
    program_.EsquecerAlarme();
}

} // namespace acordina::mainwindow
