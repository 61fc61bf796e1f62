#pragma once
// The About window: the system's name and version, the maker's logo and its
// rights, contact and place-and-date lines. Static: nothing to do but close.

#include "platform/Handles.h"
#include "ui/Form.h"
#include "ui/Monitors.h"
#include "ui/controls/Frame.h"
#include "ui/controls/Label.h"
#include "ui/controls/Picture.h"

namespace acordina::about {

inline constexpr int kClientWidth = 6300;
inline constexpr int kClientHeight = 3075;
inline constexpr win32::FontSpec kTitle{L"MS Sans Serif", 975, true};

class frmSobre final : public win32::Form {
public:
    explicit frmSobre(const win32::Monitors& monitors);
    ~frmSobre() override;

    // Shows the window with owner taking no input until it is closed.
    void ShowModalOver(HWND owner);

    // Declared in tab order, placed in twips.
    // clang-format off
    win32::Frame Frame1{*this, {.name = L"Frame1", .left = 120, .top = 120, .width = 6075, .height = 2850}};
    win32::Label lblDesenvolvedor{*this, {.name = L"lblDesenvolvedor", .in = &Frame1, .left = 2760, .top = 1440, .width = 3375, .height = 615, .text = L"contato@tavu.example     www.tavu.example     (11) 5550-0142"}};
    win32::Label lblData{*this, {.name = L"lblData", .in = &Frame1, .left = 2760, .top = 2280, .width = 3375, .height = 255, .text = L"São Paulo, dezembro de 2026"}};
    win32::Label lblRegistro{*this, {.name = L"lblRegistro", .in = &Frame1, .left = 2760, .top = 1080, .width = 3255, .height = 375, .text = L"© TAVU. Todos os direitos reservados."}};
    win32::Label lblSistema{*this, {.name = L"lblSistema", .in = &Frame1, .left = 2640, .top = 480, .width = 3135, .height = 255, .text = L"Sistema Acordina", .font = kTitle, .flags = win32::kCentered}};
    win32::Picture Picture1{*this, {.name = L"Picture1", .in = &Frame1, .left = 240, .top = 360, .width = 2310, .height = 2310}};
    win32::Label lblVer{*this, {.name = L"lblVer", .in = &Frame1, .left = 2640, .top = 720, .width = 3135, .height = 255, .text = L"versão 4.0.2", .font = kTitle, .flags = win32::kCentered}};
    // clang-format on

protected:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Close();

    const win32::Monitors& monitors_;
    HWND owner_ = nullptr;
    win32::UniqueIcon icon_;
    win32::UniqueBitmap picture_;
};

} // namespace acordina::about
