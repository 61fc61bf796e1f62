#pragma once
// The About window: the system's name and version, the maker's logo and its
// rights, contact and place-and-date lines. Static: nothing to do but close.

#include "win32/Controls.h"
#include "win32/Form.h"
#include "win32/Handles.h"

#include <span>

namespace acordina::about {

std::span<const win32::ControlSpec> Layout();

inline constexpr int kClientWidth = 6300;
inline constexpr int kClientHeight = 3075;

class frmSobre final : public win32::Form {
public:
    frmSobre();
    ~frmSobre() override;

    // Shows the window with owner taking no input until it is closed.
    void ShowModalOver(HWND owner);

    win32::Control* Find(std::wstring_view name) override;

    win32::Frame Frame1;
    win32::Picture Picture1;
    win32::Label lblSistema;
    win32::Label lblVer;
    win32::Label lblRegistro;
    win32::Label lblDesenvolvedor;
    win32::Label lblData;

protected:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Close();

    HWND owner_ = nullptr;
    win32::UniqueIcon icon_;
    win32::UniqueBitmap picture_;
};

} // namespace acordina::about
