// What screen readers read of the main window beyond the controls' own texts: the spinners and
// message boxes named after their labels, the spinners' values as their boxes show them (the
// bars' own positions run backwards), and the clickable labels and the logo as buttons.
#include "mainwindow/frmAcordina.h"

#include <oleacc.h>

#include <algorithm>

namespace acordina::mainwindow {
namespace {

// The caption without the line feed and blanks that make room for the lamp.
const wchar_t* Spoken(const std::wstring& text) {
    return text.c_str() + std::min(text.find_first_not_of(L"\r\n "), text.size());
}

} // namespace

void frmAcordina::NameForScreenReaders() {
    auto& a11y = services_.accessibility;
    const struct {
        const win32::Control& control;
        const wchar_t* name;
    } names[] = {
        {txtHH, L"Horas"},   {vsHH, L"Horas"},    {txtMM, L"Minutos"},
        {vsMM, L"Minutos"},  {txt00min, L"Msg:"}, {cboSom, L"Despertar com som"},
        {imgTAVU, L"Sobre"},
    };
    for (const auto& [control, name] : names) {
        a11y.SetName(control.hwnd(), name);
    }
    for (const auto& pre : preAlertas) {
        a11y.SetName(pre.message.hwnd(), pre.check.Row()->text);
    }
    for (const win32::Control* button :
         std::initializer_list<const win32::Control*>{&lblStatus, &lblConfig, &imgTAVU}) {
        a11y.SetRole(button->hwnd(), ROLE_SYSTEM_PUSHBUTTON);
    }
    named_ = true;
    Announce(lblStatus);
    Announce(lblConfig);
    AnnounceValue(vsHH, txtHH);
    AnnounceValue(vsMM, txtMM);
}

void frmAcordina::Announce(const win32::Label& label) {
    if (named_) {
        services_.accessibility.SetName(label.hwnd(), Spoken(label.Text()));
    }
}

void frmAcordina::AnnounceValue(const win32::VScrollBar& bar, const win32::NumberBox& box) {
    if (named_) {
        services_.accessibility.SetValue(bar.hwnd(), box.Text().c_str());
    }
}

} // namespace acordina::mainwindow
