// Switching the alarm on and off from the status label and lamps.
#include "alarm/ArmingTimes.h"
#include "app/Program.h"
#include "background/frmAcordina_.h"
#include "mainwindow/frmAcordina.h"

#include <array>
#include <cwchar>

namespace acordina::mainwindow {
namespace {

int WholeNumber(const std::wstring& text) {
    return static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
}

} // namespace

void frmAcordina::lblStatus_Click() {
    if (picLigado.Visible()) {
        Desligar();
    } else {
        Ligar();
    }
}

void frmAcordina::picDesligado_Click() { Ligar(); }

void frmAcordina::picLigado_Click() { Desligar(); }

void frmAcordina::imgTAVU_Click() { program_.ShowAbout(); }

void frmAcordina::Ligar() {
    auto& boxes = program_.services.messageBoxes;
    if (chkDespSom.Value() == 0 && chkDespVisual.Value() == 0) {
        boxes.Show(hwnd(), L"Escolha a forma de despertar: COM SOM e/ou COM ALERTA VISUAL.",
                   L"Atenção!", win32::kStyleCritical);
        return;
    }
    if (chkDespSom.Value() == 1 && cboSom.ListIndex() < 0) {
        boxes.Show(hwnd(), L"Escolha um som para despertar.", L"Aviso", win32::kStyleCritical);
        return;
    }
    RecolherConfig();
    GravarConfig();
    lblStatus.SetText(kArmedCaption);
    picLigado.SetVisible(true);
    Module1& m = program_.module1;
    m.blnLigado = true;
    picDesligado.SetVisible(false);

    const int hour = WholeNumber(txtHH.Text());
    const int minute = WholeNumber(txtMM.Text());
    m.strHoraDespertar = alarm::HoraDespertar(hour, minute);
    const std::array<std::pair<const win32::CheckBox*, const win32::TextBox*>, 5> pairs = {{
        {&chk01min, &txt01min},
        {&chk02min, &txt02min},
        {&chk05min, &txt05min},
        {&chk10min, &txt10min},
        {&chk15min, &txt15min},
    }};
    for (std::size_t i = 0; i < alarm::kPreAlertas.size(); ++i) {
        const auto& pre = alarm::kPreAlertas[i];
        m.*pre.time = alarm::HoraPreAlerta(hour, minute, pre.minutes);
        m.*pre.flag = false;
        if (pairs[i].first->Value() == 1) {
            m.*pre.flag = true;
            m.*pre.message = pairs[i].second->Text();
        }
    }

    boxes.Show(hwnd(), L"Programa ACORDIMA programado!", L"Aviso!", win32::kStyleInformation);
    program_.Background().AlertaProgramaOcultado();
    ShowWindow(hwnd(), SW_HIDE);
}

void frmAcordina::Desligar() {
    lblStatus.SetText(kDisarmedCaption);
    picDesligado.SetVisible(true);
    picLigado.SetVisible(false);
    program_.module1.blnLigado = false;
    if (chkDespSom.Value() == 1) {
        program_.Background().Stop_();
    }
}

} // namespace acordina::mainwindow
