#include "about/frmSobre.h"

#include "about/JpegPicture.h"
#include "resource_ids.h"

namespace acordina::about {
namespace {

using namespace win32;

constexpr FontSpec kTitle{L"MS Sans Serif", 975, true};
constexpr FontSpec kOwn{};

constexpr ControlSpec kLayout[] = {
    // clang-format off
    {L"Frame1", Kind::Frame, nullptr, 120, 120, 6075, 2850, L"", kOwn, kKindDefault, kKindDefault, kNone, 0},
    {L"Picture1", Kind::PictureBox, L"Frame1", 240, 360, 2310, 2310, L"", kOwn, kKindDefault, kKindDefault, kNone, 5},
    {L"lblSistema", Kind::Label, L"Frame1", 2640, 480, 3135, 255, L"Sistema Acordina", kTitle, kKindDefault, kKindDefault, kCentered, 4},
    {L"lblVer", Kind::Label, L"Frame1", 2640, 720, 3135, 255, L"versão 4.0.2", kTitle, kKindDefault, kKindDefault, kCentered, 6},
    {L"lblRegistro", Kind::Label, L"Frame1", 2760, 1080, 3255, 375, L"© TAVU. Todos os direitos reservados.", kOwn, kKindDefault, kKindDefault, kNone, 3},
    {L"lblDesenvolvedor", Kind::Label, L"Frame1", 2760, 1440, 3375, 615, L"contato@tavu.example     www.tavu.example     (11) 5550-0142", kOwn, kKindDefault, kKindDefault, kNone, 1},
    {L"lblData", Kind::Label, L"Frame1", 2760, 2280, 3375, 255, L"São Paulo, dezembro de 2026", kOwn, kKindDefault, kKindDefault, kNone, 2},
    // clang-format on
};

// A fixed single border: neither a sizing frame nor a dialog frame.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

} // namespace

std::span<const ControlSpec> Layout() {
    return kLayout;
}

frmSobre::frmSobre() {
    icon_.reset(static_cast<HICON>(
        LoadImageW(ThisModule(), MAKEINTRESOURCEW(IDI_TAVU), IMAGE_ICON, 32, 32, 0)));
}

frmSobre::~frmSobre() {
    if (hwnd() && owner_) {
        EnableWindow(owner_, TRUE);
    }
}

Control* frmSobre::Find(std::wstring_view name) {
    const NamedControl controls[] = {
        {L"Frame1", &Frame1},           {L"Picture1", &Picture1},
        {L"lblSistema", &lblSistema},   {L"lblVer", &lblVer},
        {L"lblRegistro", &lblRegistro}, {L"lblDesenvolvedor", &lblDesenvolvedor},
        {L"lblData", &lblData},
    };
    return FindIn(controls, name);
}

void frmSobre::ShowModalOver(HWND owner) {
    owner_ = owner;
    const SIZE size = OuterSize(kClientWidth, kClientHeight, kStyle, kExStyle);
    const POINT at = Centred(size);
    CreateWindowOfClass(L"AcordinaSobre", kExStyle, kStyle, L"Sobre", at.x, at.y, size.cx, size.cy,
                        owner, icon_.get());
    SetIcons(icon_.get(), icon_.get());
    CreateControls(Layout());
    // The picture sits in a sunken border and the control is sized to it.
    picture_ = LoadJpegResource(IDR_SOBRE_JPG);
    SetWindowLongW(Picture1.hwnd(), GWL_STYLE,
                   (GetWindowLongW(Picture1.hwnd(), GWL_STYLE) & ~SS_ICON) | SS_BITMAP);
    SetWindowLongW(Picture1.hwnd(), GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    SendMessageW(Picture1.hwnd(), STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(picture_.get()));
    SetWindowPos(Picture1.hwnd(), nullptr, 0, 0, dpi().PixelsX(2310), dpi().PixelsY(2310),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    EnableWindow(owner, FALSE);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
}

void frmSobre::Close() {
    // The owner takes input again before this window goes, so it gets the activation back.
    if (owner_) {
        EnableWindow(owner_, TRUE);
        owner_ = nullptr;
    }
    DestroyWindow(hwnd());
}

LRESULT frmSobre::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE) {
        Close();
        return 0;
    }
    return Form::OnMessage(msg, wp, lp);
}

} // namespace acordina::about
