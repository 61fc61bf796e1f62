// Config.inf: the settings panel's choices written at arming and restored at start.
#include "mainwindow/frmAcordina.h"
#include "platform/DurableFile.h"
#include "platform/Paths.h"
#include "settings/ConfigFormat.h"

#include <array>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace acordina::mainwindow {
namespace {

using settings::LineKind;

// Read from where it is written: the folder's name followed directly by "Config.inf" would be
// another file beside the folder, not ours.
std::wstring ConfigPath(const std::wstring& folder) {
    return win32::InFolder(folder, kConfigFileName);
}

// The controls behind the file's lines, in file order.
std::array<win32::Control*, settings::kLineCount> ConfigControls(frmAcordina& f) {
    std::array<win32::Control*, settings::kLineCount> controls{
        &f.chkDespSom, &f.cboSom, &f.chkDesligar, &f.chkDespVisual, &f.txt00min};
    auto next = controls.begin() + 5;
    for (const auto& pre : f.preAlertas) {
        *next++ = &pre.check;
        *next++ = &pre.message;
    }
    *next = &f.cboSom;
    return controls;
}

// As Windows matches file names: each character by itself, case folded by the system's own
// table, whatever the user's language.
bool SameFileName(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

} // namespace

void frmAcordina::GravarConfig() {
    const auto controls = ConfigControls(*this);
    settings::ConfigValues values;
    for (std::size_t i = 0; i < settings::kLineCount; ++i) {
        switch (settings::kLines[i]) {
        case LineKind::CheckBox:
            values[i] = static_cast<win32::CheckBox*>(controls[i])->Value();
            break;
        case LineKind::SoundIndex:
            values[i] = cboSom.ListIndex();
            break;
        case LineKind::Text:
        case LineKind::SoundName:
            // The list shows the chosen file's name, or nothing.
            values[i] = controls[i]->Text();
            break;
        }
    }
    const std::wstring path = ConfigPath(program_.DataFolder());
    const win32::WriteResult written =
        win32::WriteDurably(path, settings::FormatConfig(values, services_.ansiCodePage));

    // The alarm reads these from now on, not the controls.
    Module1& m = module1_;
    m.blnDespSom = chkDespSom.Value() == 1;
    // No sound chosen: the last one published stays.
    if (std::wstring som = cboSom.Text(); !som.empty()) {
        m.strSom = std::move(som);
    }
    m.blnDesligar = chkDesligar.Value() == 1;
    m.blnDespVisual = chkDespVisual.Value() == 1;
    if (std::wstring message = txt00min.Text(); !message.empty()) {
        m.strMsgDespertar = std::move(message);
    }

    if (!written.ok) {
        services_.messageBoxes.Show(
            hwnd(),
            L"Não foi possível gravar as escolhas em " + path + L".\n" + written.reason +
                L"\nO despertador será ligado mesmo assim; o arquivo anterior não foi alterado.",
            L"Aviso", MB_ICONWARNING);
    }
}

void frmAcordina::LerConfig() {
    auto bytes = win32::ReadBounded(ConfigPath(program_.DataFolder()), settings::kMaxConfigBytes);
    // Until the user's own is written, the defaults an administrator left beside the program.
    if (const std::wstring beside = services_.programFolder.Path();
        !bytes && program_.DataFolder() != beside) {
        bytes = win32::ReadBounded(ConfigPath(beside), settings::kMaxConfigBytes);
    }
    if (!bytes) {
        return;
    }
    std::vector<std::wstring> sounds;
    for (int i = 0; i < cboSom.ListCount(); ++i) {
        sounds.push_back(cboSom.List(i));
    }
    const auto controls = ConfigControls(*this);
    const auto values =
        settings::ParseConfig(*bytes, {sounds, kHelpEntry, &SameFileName}, services_.ansiCodePage);
    for (std::size_t i = 0; i < values.size(); ++i) {
        // A faulty line leaves its control as designed.
        if (!values[i]) {
            continue;
        }
        const settings::LineValue& value = *values[i];
        switch (settings::kLines[i]) {
        case LineKind::CheckBox:
            static_cast<win32::CheckBox*>(controls[i])->SetValue(std::get<int>(value));
            break;
        case LineKind::SoundIndex:
            cboSom.SetListIndex(std::get<int>(value));
            break;
        case LineKind::Text:
            controls[i]->SetText(std::get<std::wstring>(value));
            break;
        case LineKind::SoundName:
            // Already taken into the sound index.
            break;
        }
    }
}

} // namespace acordina::mainwindow
