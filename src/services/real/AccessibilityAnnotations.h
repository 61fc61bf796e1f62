#pragma once
// The screen readers' names, roles and values through IAccPropServices, made at its first use:
// COM and the accessibility library are loaded then, not when the program starts.

#include "platform/Com.h"
#include "services/Services.h"

#include <oleacc.h>

#include <optional>

namespace acordina::win32 {

class AccessibilityAnnotations final : public Accessibility {
public:
    AccessibilityAnnotations() = default;
    AccessibilityAnnotations(const AccessibilityAnnotations&) = delete;
    AccessibilityAnnotations& operator=(const AccessibilityAnnotations&) = delete;

    void SetName(HWND control, const wchar_t* name) override;
    void SetValue(HWND control, const wchar_t* value) override;
    void SetRole(HWND control, long role) override;

private:
    // nullptr when COM or the service cannot be had (before Windows 7, or under some Wine).
    IAccPropServices* Props();
    void Check(HRESULT result, const wchar_t* what);
    // A text property, and the event that tells screen readers it changed.
    void SetText(HWND control, const MSAAPROPID& property, const wchar_t* text, DWORD changed);

    bool tried_ = false;
    bool reported_ = false;
    // The service goes before the apartment it was made in.
    std::optional<ComApartment> com_;
    ComPtr<IAccPropServices> props_;
};

} // namespace acordina::win32
