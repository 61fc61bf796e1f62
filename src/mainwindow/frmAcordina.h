#pragma once
// The main window: the clock, the wake-up time with the armed/disarmed
// status, and the settings panel to the right that opens on demand.

#include "alarm/ArmingTimes.h"
#include "alarm/Module1.h"
#include "platform/Handles.h"
#include "resource_ids.h"
#include "roles/Roles.h"
#include "services/Services.h"
#include "ui/Form.h"
#include "ui/controls/CheckBox.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/Frame.h"
#include "ui/controls/Label.h"
#include "ui/controls/Picture.h"
#include "ui/controls/TextBox.h"
#include "ui/controls/VScrollBar.h"

#include <array>
#include <string>
#include <vector>

namespace acordina::mainwindow {

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
// What the invisible file list File1 shows of the program's folder.
inline constexpr wchar_t kFile1Pattern[] = L"*.wav";

inline constexpr win32::FontSpec kLarge{L"MS Sans Serif", 1350, false};
inline constexpr win32::FontSpec kBold{L"MS Sans Serif", 825, true};
inline constexpr win32::FontSpec kClock{L"Arial", 4800, true};

class frmAcordina final : public win32::Form, public MainWindowRole {
public:
    frmAcordina(win32::Services& services, Module1& module1, BackgroundRole& background,
                ProgramRole& program);
    ~frmAcordina() override;

    void Load();

    // Displays the window in normal state, brings it to the front and draws it at once.
    void Mostrar() override;
    // Makes the settings panel's controls and fills them: the sound list, then the choices
    // kept in Config.inf. The panel is collapsed at start, so none of it shows in the first
    // drawn window.
    void CarregarPainel() override;
    // Displayed and not minimised.
    bool Mostrado() const override;
    void IniciarTimer1() override;
    void HabilitarSom(bool possivel) override;

    void RecolherConfig();
    // Arms for this time with the choices of the panel, as a click would, but asks nothing
    // and leaves the window as it is: nobody may be there.
    void Religar(alarm::TimeOfDay despertar);

    // The controls, named and placed as designed (twips) and declared in tab order: the
    // settings panel, then the clock, the wake-up time and the status, then lblConfig and the
    // logo. A frame's controls follow in the order of the frames, so the panel's frame stands
    // before the clock's. A label stands just before the box it names, which is what screen
    // readers read; labels take no focus, so this leaves the tab order as designed.
    // clang-format off
    win32::CheckBox chkDespSom{*this, {.name = L"chkDespSom", .in = &fraConfig, .left = 240, .top = 240, .width = 2535, .height = 255, .text = L"Despertar com som"},
                               [this] { AplicarPar(chkDespSom, cboSom); }};
    win32::ComboBox cboSom{*this, {.name = L"cboSom", .in = &fraConfig, .left = 2040, .top = 200, .width = 2175, .height = 315, .back = win32::kSysButtonFace, .flags = win32::kDisabled},
                           [this] { cboSom_Click(); }};
    win32::CheckBox chkDesligar{*this, {.name = L"chkDesligar", .in = &fraConfig, .left = 240, .top = 600, .width = 3015, .height = 255, .text = L"Desligar o Windows ao despertar"}};
    win32::CheckBox chkDespVisual{*this, {.name = L"chkDespVisual", .in = &fraConfig, .left = 240, .top = 960, .width = 2535, .height = 255, .text = L"Despertar com alerta visual", .flags = win32::kChecked},
                                  [this] { AplicarPar(chkDespVisual, txt00min); }};
    win32::Label Label8{*this, {.name = L"Label8", .in = &fraConfig, .left = -240, .top = 1365, .width = 1215, .height = 255, .text = L"Msg:", .flags = win32::kRightAligned}};
    win32::TextBox txt00min{*this, {.name = L"txt00min", .in = &fraConfig, .left = 1080, .top = 1320, .width = 3135, .height = 285, .text = L"TRRRIIIMMM!!! Despertando..."}};
    win32::CheckBox chk15min{*this, {.name = L"chk15min", .in = &fraConfig, .left = 120, .top = 2320, .width = 975, .height = 195, .text = L"15 min"},
                             [this] { AplicarPar(chk15min, txt15min); }};
    win32::TextBox txt15min{*this, {.name = L"txt15min", .in = &fraConfig, .left = 1080, .top = 2280, .width = 3135, .height = 285, .text = L"Faltam 15 minutos para despertar.", .back = win32::kSysButtonFace, .flags = win32::kDisabled}};
    win32::CheckBox chk10min{*this, {.name = L"chk10min", .in = &fraConfig, .left = 120, .top = 2680, .width = 975, .height = 195, .text = L"10 min"},
                             [this] { AplicarPar(chk10min, txt10min); }};
    win32::TextBox txt10min{*this, {.name = L"txt10min", .in = &fraConfig, .left = 1080, .top = 2640, .width = 3135, .height = 285, .text = L"Faltam 10 minutos para despertar.", .back = win32::kSysButtonFace, .flags = win32::kDisabled}};
    win32::CheckBox chk05min{*this, {.name = L"chk05min", .in = &fraConfig, .left = 120, .top = 3040, .width = 975, .height = 195, .text = L"05 min"},
                             [this] { AplicarPar(chk05min, txt05min); }};
    win32::TextBox txt05min{*this, {.name = L"txt05min", .in = &fraConfig, .left = 1080, .top = 3000, .width = 3135, .height = 285, .text = L"Faltam 5 minutos para despertar.", .back = win32::kSysButtonFace, .flags = win32::kDisabled}};
    win32::CheckBox chk02min{*this, {.name = L"chk02min", .in = &fraConfig, .left = 120, .top = 3400, .width = 975, .height = 195, .text = L"02 min"},
                             [this] { AplicarPar(chk02min, txt02min); }};
    win32::TextBox txt02min{*this, {.name = L"txt02min", .in = &fraConfig, .left = 1080, .top = 3360, .width = 3135, .height = 285, .text = L"Faltam 2 minutos para despertar.", .back = win32::kSysButtonFace, .flags = win32::kDisabled}};
    win32::CheckBox chk01min{*this, {.name = L"chk01min", .in = &fraConfig, .left = 120, .top = 3760, .width = 975, .height = 195, .text = L"01 min"},
                             [this] { AplicarPar(chk01min, txt01min); }};
    win32::TextBox txt01min{*this, {.name = L"txt01min", .in = &fraConfig, .left = 1080, .top = 3720, .width = 3135, .height = 285, .text = L"Falta 1 minuto para despertar.", .back = win32::kSysButtonFace, .flags = win32::kDisabled}};
    win32::Frame fraConfig{*this, {.name = L"fraConfig", .left = 4680, .top = 120, .width = 4335, .height = 4215}};
    win32::Frame Frame1{*this, {.name = L"Frame1", .left = 120, .top = 120, .width = 4335, .height = 1575, .flags = win32::kDisabled}};
    win32::TextBox txtHora{*this, {.name = L"txtHora", .in = &Frame1, .left = 120, .top = 240, .width = 4095, .height = 1245, .text = L"20:30:52", .font = kClock, .back = win32::kBlack, .fore = win32::kWhite, .flags = win32::kCentered | win32::kReadOnly}};
    win32::Frame fraHora{*this, {.name = L"fraHora", .left = 120, .top = 1800, .width = 4335, .height = 1575}};
    win32::Label Label1{*this, {.name = L"Label1", .in = &fraHora, .left = 1080, .top = 360, .width = 975, .height = 375, .text = L"Horas", .font = kLarge}};
    win32::NumberBox txtHH{*this, {.name = L"txtHH", .in = &fraHora, .left = 240, .top = 360, .width = 495, .height = 405, .text = L"0", .font = kLarge},
                           [this] { txtHH_GotFocus(); }};
    // The spinners stand on the window over fraHora; they are children of fraHora (at the
    // same place on the window) so that the keyboard visits txtHH, vsHH, txtMM, vsMM.
    win32::VScrollBar vsHH{*this, {.name = L"vsHH", .in = &fraHora, .left = 860 - 120, .top = 2160 - 1800, .width = 255, .height = 390},
                           [this] { vsHH_Change(); }};
    win32::Label Label2{*this, {.name = L"Label2", .in = &fraHora, .left = 2760, .top = 360, .width = 1215, .height = 375, .text = L"Minutos", .font = kLarge}};
    win32::NumberBox txtMM{*this, {.name = L"txtMM", .in = &fraHora, .left = 1920, .top = 360, .width = 495, .height = 405, .text = L"0", .font = kLarge},
                           [this] { txtMM_GotFocus(); }};
    win32::VScrollBar vsMM{*this, {.name = L"vsMM", .in = &fraHora, .left = 2540 - 120, .top = 2160 - 1800, .width = 255, .height = 390},
                           [this] { vsMM_Change(); }};
    win32::Label lblStatus{*this, {.name = L"lblStatus", .in = &fraHora, .left = 120, .top = 900, .width = 3975, .height = 600, .text = L"       Desligado. Clique aqui para ligá-lo.", .font = kBold, .back = win32::kSysWindow, .fore = win32::kSysWindowText, .flags = win32::kHandCursor | win32::kPressable},
                           [this] { lblStatus_Click(); }};
    win32::Picture picDesligado{*this, {.name = L"picDesligado", .in = &fraHora, .left = 240, .top = 1080, .width = 240, .height = 240, .flags = win32::kHandCursor, .resource = IDI_LAMP_OFF},
                                [this] { Ligar(); }};
    win32::Picture picLigado{*this, {.name = L"picLigado", .in = &fraHora, .left = 240, .top = 1080, .width = 240, .height = 240, .flags = win32::kHandCursor | win32::kHidden, .resource = IDI_LAMP_ON},
                             [this] { Desligar(); }};
    win32::Frame Frame3{*this, {.name = L"Frame3", .left = 120, .top = 3480, .width = 4335, .height = 855}};
    win32::Label lblConfig{*this, {.name = L"lblConfig", .in = &Frame3, .left = 720, .top = 480, .width = 3495, .height = 360, .text = kCollapsedConfig, .font = kBold, .back = win32::kSysWindow, .fore = win32::kSysWindowText, .flags = win32::kRightAligned | win32::kHandCursor | win32::kPressable},
                           [this] { lblConfig_Click(); }};
    win32::Label Label3{*this, {.name = L"Label3", .in = &fraConfig, .left = 240, .top = 1920, .width = 3375, .height = 255, .text = L"Alertas Visuais antes de despertar"}};
    win32::Image imgTAVU{*this, {.name = L"imgTAVU", .in = &Frame3, .left = 120, .top = 240, .width = 480, .height = 480, .flags = win32::kHandCursor | win32::kPressable, .resource = IDI_TAVU},
                         [this] { program_.ShowAbout(); }};
    win32::Line Line2{*this, {.name = L"Line2", .in = &fraConfig, .left = 120, .top = 1800, .width = 4200 - 120, .back = win32::kSysWorkspace}};
    // clang-format on

    // Each pre-alert's variables (alarm::kPreAlertas) with its check box and message box.
    struct PreAlertaCampos {
        const alarm::PreAlerta& alarm;
        win32::CheckBox& check;
        win32::TextBox& message;
    };
    const std::array<PreAlertaCampos, alarm::kPreAlertas.size()> preAlertas{{
        {alarm::PreAlertaDe(15), chk15min, txt15min},
        {alarm::PreAlertaDe(10), chk10min, txt10min},
        {alarm::PreAlertaDe(5), chk05min, txt05min},
        {alarm::PreAlertaDe(2), chk02min, txt02min},
        {alarm::PreAlertaDe(1), chk01min, txt01min},
    }};

    // The invisible file list: the WAV files of the program's folder.
    std::vector<std::wstring> File1() const;

    static constexpr UINT_PTR kTimer1 = 1;

protected:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    // The hour spinner: the hour box before it would hand the focus on at once.
    HWND FirstFocus() const override { return vsHH.hwnd(); }

private:
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
    // The panel's frame is shown only while it lies in the window's client area, so the keyboard
    // never reaches a control out of sight.
    void PanelInSight();
    void cboSom_Click();
    void AplicarPar(const win32::CheckBox& check, win32::Control& paired);

    // Settings file.
    void GravarConfig();
    void LerConfig();

    // Screen readers: every control named, the clickable labels and the logo as buttons.
    void NameForScreenReaders();
    // A button label's name follows its text.
    void Announce(const win32::Label& label);
    // A spinner's value is the number its box shows.
    void AnnounceValue(const win32::VScrollBar& bar, const win32::NumberBox& box);

    // Arming.
    void Ligar(bool religando = false);
    void Desligar();
    void lblStatus_Click();

    win32::Services& services_;
    Module1& module1_;
    BackgroundRole& background_;
    ProgramRole& program_;
    std::wstring clockText_;
    // Yes to the question at the end of the session: the program ends with it.
    bool endAgreed_ = false;
    // The screen readers' names are given once the panel is made, after the first drawing.
    bool named_ = false;
};

} // namespace acordina::mainwindow
