// The main window as designed: 36 controls, in twips.
#include "mainwindow/frmAcordina.h"
#include "resource_ids.h"

namespace acordina::mainwindow {
namespace {

using namespace win32;

constexpr FontSpec kLarge{L"MS Sans Serif", 1350, false};
constexpr FontSpec kBold{L"MS Sans Serif", 825, true};
constexpr FontSpec kClock{L"Arial", 4800, true};
constexpr FontSpec kOwn{};

// The spinners stand on the window over fraHora; they are made children of
// fraHora (at the same place on the window) so that the keyboard visits
// txtHH, vsHH, txtMM, vsMM in the designed order.
constexpr ControlSpec kLayout[] = {
    // clang-format off
    {L"Frame1", Kind::Frame, nullptr, 120, 120, 4335, 1575, L"", kOwn, kKindDefault, kKindDefault, kDisabled, 15},
    {L"txtHora", Kind::TextBox, L"Frame1", 120, 240, 4095, 1245, L"20:30:52", kClock, kBlack, kWhite, kCentered | kReadOnly, 16},
    {L"fraHora", Kind::Frame, nullptr, 120, 1800, 4335, 1575, L"", kOwn, kKindDefault, kKindDefault, kNone, 17},
    {L"txtHH", Kind::TextBox, L"fraHora", 240, 360, 495, 405, L"0", kLarge, kKindDefault, kKindDefault, kNone, 18},
    {L"Label1", Kind::Label, L"fraHora", 1080, 360, 975, 375, L"Horas", kLarge, kKindDefault, kKindDefault, kNone, 21},
    {L"txtMM", Kind::TextBox, L"fraHora", 1920, 360, 495, 405, L"0", kLarge, kKindDefault, kKindDefault, kNone, 20},
    {L"Label2", Kind::Label, L"fraHora", 2760, 360, 1215, 375, L"Minutos", kLarge, kKindDefault, kKindDefault, kNone, 22},
    {L"vsHH", Kind::VScrollBar, L"fraHora", 860 - 120, 2160 - 1800, 255, 390, L"", kOwn, kKindDefault, kKindDefault, kNone, 19},
    {L"vsMM", Kind::VScrollBar, L"fraHora", 2540 - 120, 2160 - 1800, 255, 390, L"", kOwn, kKindDefault, kKindDefault, kNone, 23},
    {L"lblStatus", Kind::Label, L"fraHora", 120, 900, 3975, 600, L"       Desligado. Clique aqui para ligá-lo.", kBold, kSysWindow, kSysWindowText, kHandCursor, 24},
    {L"picDesligado", Kind::PictureBox, L"fraHora", 240, 1080, 240, 240, L"", kOwn, kKindDefault, kKindDefault, kHandCursor, 25, IDI_LAMP_OFF},
    {L"picLigado", Kind::PictureBox, L"fraHora", 240, 1080, 240, 240, L"", kOwn, kKindDefault, kKindDefault, kHandCursor | kHidden, 26, IDI_LAMP_ON},
    {L"Frame3", Kind::Frame, nullptr, 120, 3480, 4335, 855, L"", kOwn, kKindDefault, kKindDefault, kNone, 29},
    {L"imgTAVU", Kind::Image, L"Frame3", 120, 240, 480, 480, L"", kOwn, kKindDefault, kKindDefault, kHandCursor, kNoTab, IDI_TAVU},
    {L"lblConfig", Kind::Label, L"Frame3", 720, 480, 3495, 360, L"Configurações >>", kBold, kSysWindow, kSysWindowText, kRightAligned | kHandCursor, 30},
    {L"fraConfig", Kind::Frame, nullptr, 4680, 120, 4335, 4215, L"", kOwn, kKindDefault, kKindDefault, kNone, 27},
    {L"chkDespSom", Kind::CheckBox, L"fraConfig", 240, 240, 2535, 255, L"Despertar com som", kOwn, kKindDefault, kKindDefault, kNone, 0},
    {L"cboSom", Kind::ComboBox, L"fraConfig", 2040, 200, 2175, 315, L"", kOwn, kSysButtonFace, kKindDefault, kDisabled, 1},
    {L"chkDesligar", Kind::CheckBox, L"fraConfig", 240, 600, 3015, 255, L"Desligar o Windows ao despertar", kOwn, kKindDefault, kKindDefault, kNone, 2},
    {L"chkDespVisual", Kind::CheckBox, L"fraConfig", 240, 960, 2535, 255, L"Despertar com alerta visual", kOwn, kKindDefault, kKindDefault, kChecked, 3},
    {L"Label8", Kind::Label, L"fraConfig", -240, 1365, 1215, 255, L"Msg:", kOwn, kKindDefault, kKindDefault, kRightAligned, 28},
    {L"txt00min", Kind::TextBox, L"fraConfig", 1080, 1320, 3135, 285, L"TRRRIIIMMM!!! Despertando...", kOwn, kKindDefault, kKindDefault, kNone, 4},
    {L"Line2", Kind::Line, L"fraConfig", 120, 1800, 4200 - 120, 0, L"", kOwn, kSysWorkspace, kKindDefault, kNone, kNoTab},
    {L"Label3", Kind::Label, L"fraConfig", 240, 1920, 3375, 255, L"Alertas Visuais antes de despertar", kOwn, kKindDefault, kKindDefault, kNone, 32},
    {L"File1", Kind::FileList, L"fraConfig", 240, 1560, 2175, 870, L"*.wav", kOwn, kKindDefault, kKindDefault, kHidden, 31},
    {L"chk15min", Kind::CheckBox, L"fraConfig", 120, 2320, 975, 195, L"15 min", kOwn, kKindDefault, kKindDefault, kNone, 5},
    {L"txt15min", Kind::TextBox, L"fraConfig", 1080, 2280, 3135, 285, L"Faltam 15 minutos para despertar.", kOwn, kSysButtonFace, kKindDefault, kDisabled, 6},
    {L"chk10min", Kind::CheckBox, L"fraConfig", 120, 2680, 975, 195, L"10 min", kOwn, kKindDefault, kKindDefault, kNone, 7},
    {L"txt10min", Kind::TextBox, L"fraConfig", 1080, 2640, 3135, 285, L"Faltam 10 minutos para despertar.", kOwn, kSysButtonFace, kKindDefault, kDisabled, 8},
    {L"chk05min", Kind::CheckBox, L"fraConfig", 120, 3040, 975, 195, L"05 min", kOwn, kKindDefault, kKindDefault, kNone, 9},
    {L"txt05min", Kind::TextBox, L"fraConfig", 1080, 3000, 3135, 285, L"Faltam 5 minutos para despertar.", kOwn, kSysButtonFace, kKindDefault, kDisabled, 10},
    {L"chk02min", Kind::CheckBox, L"fraConfig", 120, 3400, 975, 195, L"02 min", kOwn, kKindDefault, kKindDefault, kNone, 11},
    {L"txt02min", Kind::TextBox, L"fraConfig", 1080, 3360, 3135, 285, L"Faltam 2 minutos para despertar.", kOwn, kSysButtonFace, kKindDefault, kDisabled, 12},
    {L"chk01min", Kind::CheckBox, L"fraConfig", 120, 3760, 975, 195, L"01 min", kOwn, kKindDefault, kKindDefault, kNone, 13},
    {L"txt01min", Kind::TextBox, L"fraConfig", 1080, 3720, 3135, 285, L"Falta 1 minuto para despertar.", kOwn, kSysButtonFace, kKindDefault, kDisabled, 14},
    {L"Timer1", Kind::Timer, nullptr, 0, 0, 0, 0, L"", kOwn, kKindDefault, kKindDefault, kHidden, kNoTab},
    // clang-format on
};

} // namespace

std::span<const ControlSpec> Layout() {
    return kLayout;
}

} // namespace acordina::mainwindow
