#include "services/real/AccessibilityAnnotations.h"

#include "platform/Failure.h"

namespace acordina::win32 {
namespace {

constexpr CLSID kAccPropServices{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIAccPropServices{
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

} // namespace

IAccPropServices* AccessibilityAnnotations::Props() {
    if (!tried_) {
        tried_ = true;
        com_.emplace();
        props_ = CreateComObject<IAccPropServices>(kAccPropServices, kIAccPropServices);
    }
    return props_.get();
}

void AccessibilityAnnotations::Check(HRESULT result, const wchar_t* what) {
    // A screen reader then reads what the control says of itself; said once for the debugger.
    if (FAILED(result) && !reported_) {
        reported_ = true;
        Trace(what, static_cast<DWORD>(result));
    }
}

void AccessibilityAnnotations::SetText(HWND control, const MSAAPROPID& property,
                                       const wchar_t* text, DWORD changed) {
    if (IAccPropServices* props = Props()) {
        Check(props->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, property, text),
              L"SetHwndPropStr");
    }
    NotifyWinEvent(changed, control, OBJID_CLIENT, CHILDID_SELF);
}

void AccessibilityAnnotations::SetName(HWND control, const wchar_t* name) {
    SetText(control, PROPID_ACC_NAME, name, EVENT_OBJECT_NAMECHANGE);
}

void AccessibilityAnnotations::SetValue(HWND control, const wchar_t* value) {
    SetText(control, PROPID_ACC_VALUE, value, EVENT_OBJECT_VALUECHANGE);
}

void AccessibilityAnnotations::SetRole(HWND control, long role) {
    if (IAccPropServices* props = Props()) {
        VARIANT v{};
        v.vt = VT_I4;
        v.lVal = role;
        Check(props->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_ROLE, v),
              L"SetHwndProp");
    }
}

} // namespace acordina::win32
