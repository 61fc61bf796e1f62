#pragma once
// The main window: the clock, the wake-up time with the armed/disarmed
// status, and the settings panel to the right that opens on demand.

#include "win32/Controls.h"
#include "win32/Form.h"
#include "win32/Handles.h"
#include "win32/Layout.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace acordina {
class Program;
}

namespace acordina::mainwindow {

// The designed layout, one row a control.
std::span<const win32::ControlSpec> Layout();

// Outer widths of the window with the settings panel collapsed and shown, and the designed
// client height, in twips.
inline constexpr int kCollapsedWidth = 4725;
inline constexpr int kExpandedWidth = 9270;
inline constexpr int kClientHeight = 4470;

inline constexpr wchar_t kArmedCaption[] = L"\n        Ligado. Clique aqui para desligá-lo.";
inline constexpr wchar_t kDisarmedCaption[] = L"\n        Desligado. Clique aqui para ligá-lo.";
inline constexpr wchar_t kCollapsedConfig[] = L"Configurações >>";
inline constexpr wchar_t kExpandedConfig[] = L"Recolher Configurações <<";
inline constexpr wchar_t kHelpEntry[] = L"...Ajuda";
inline constexpr wchar_t kConfigFileName[] = L"Config.inf";
// The settings panel's frame, whose controls are made by CarregarPainel.
inline constexpr wchar_t kPanel[] = L"fraConfig";

class frmAcordina final : public win32::Form {
public:
    explicit frmAcordina(Program& program);
    ~frmAcordina() override;

    void Load();

    // Displays the window in normal state, brings it to the front and draws it at once.
    void Mostrar();
    // Makes the settings panel's controls and fills them: the sound list, then the choices
    // kept in Config.inf. The panel is collapsed at start, so none of it shows in the first
    // drawn window.
    void CarregarPainel();
    // Displayed and not minimised.
    bool Mostrado() const;

    void RecolherConfig();

    win32::Control* Find(std::wstring_view name) override;

    // The controls, named as designed.
    win32::Frame Frame1;
    win32::TextBox txtHora;
    win32::Frame fraHora;
    win32::NumberBox txtHH;
    win32::Label Label1;
    win32::NumberBox txtMM;
    win32::Label Label2;
    win32::VScrollBar vsHH;
    win32::VScrollBar vsMM;
    win32::Label lblStatus;
    win32::Picture picDesligado;
    win32::Picture picLigado;
    win32::Frame Frame3;
    win32::Picture imgTAVU;
    win32::Label lblConfig;
    win32::Frame fraConfig;
    win32::CheckBox chkDespSom;
    win32::ComboBox cboSom;
    win32::CheckBox chkDesligar;
    win32::CheckBox chkDespVisual;
    win32::Label Label8;
    win32::TextBox txt00min;
    win32::Label Label3;
    win32::CheckBox chk15min;
    win32::TextBox txt15min;
    win32::CheckBox chk10min;
    win32::TextBox txt10min;
    win32::CheckBox chk05min;
    win32::TextBox txt05min;
    win32::CheckBox chk02min;
    win32::TextBox txt02min;
    win32::CheckBox chk01min;
    win32::TextBox txt01min;

    // The invisible file list: the WAV files of the program's folder.
    std::vector<std::wstring> File1() const;

    static constexpr UINT_PTR kTimer1 = 1;

protected:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void WireHandlers();
    void SetOuterWidth(int twips);
    void KeepOnScreen();

    // Lifecycle.
    void Form_Load();
    void Form_Resize();
    void Form_QueryUnload();
    // The end of the Windows session asks the same question; true lets the session end.
    bool Form_QueryEndSession(LPARAM reason);
    void Form_EndSession(bool ending);
    // Asks whether to end the program; false when the user says No.
    bool ConfirmaEncerrar();
    void Form_Terminate();
    void Timer1_Timer();
    // Puts the current time in the clock display.
    void MostrarHora();

    // Time entry.
    void vsHH_Change();
    void vsMM_Change();
    void txtHH_GotFocus();
    void txtMM_GotFocus();

    // Settings panel.
    void lblConfig_Click();
    void cboSom_Click();
    void AplicarPar(const win32::CheckBox& check, win32::Control& paired);

    // Settings file.
    void GravarConfig();
    void LerConfig();

    // Arming.
    void Ligar();
    void Desligar();
    void lblStatus_Click();
    void picDesligado_Click();
    void picLigado_Click();
    void imgTAVU_Click();

    Program& program_;
    win32::UniqueIcon iconBig_;
    win32::UniqueIcon iconSmall_;
    std::wstring clockText_;
    // Yes to the question at the end of the session: the program ends with it.
    bool endAgreed_ = false;
};

} // namespace acordina::mainwindow
