#include "services/real/AccessibilityAnnotations.h"

namespace acordina::win32 {
namespace {

constexpr CLSID kAccPropServices{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kIAccPropServices{
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

} // namespace

AccessibilityAnnotations::~AccessibilityAnnotations() {
    props_.reset();
    if (comStarted_) {
        if (auto* uninit = ole32_.Function<decltype(CoUninitialize)>("CoUninitialize")) {
            uninit();
        }
    }
}

IAccPropServices* AccessibilityAnnotations::Props() {
    if (tried_) {
        return props_.get();
    }
    tried_ = true;
    auto* init = ole32_.Function<decltype(CoInitializeEx)>("CoInitializeEx");
    auto* create = ole32_.Function<decltype(CoCreateInstance)>("CoCreateInstance");
    if (!init || !create) {
        Check(E_NOINTERFACE, L"Acordina: no ole32\n");
        return nullptr;
    }
    // S_FALSE: already started on this thread, and still to be balanced.
    const HRESULT started = init(nullptr, COINIT_APARTMENTTHREADED);
    comStarted_ = SUCCEEDED(started);
    void* props = nullptr;
    Check(create(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices, &props),
          L"Acordina: no AccPropServices\n");
    props_.reset(static_cast<IAccPropServices*>(props));
    return props_.get();
}

void AccessibilityAnnotations::Check(HRESULT result, const wchar_t* what) {
    // A screen reader then reads what the control says of itself; said once for the debugger.
    if (FAILED(result) && !reported_) {
        reported_ = true;
        OutputDebugStringW(what);
    }
}

void AccessibilityAnnotations::SetText(HWND control, const MSAAPROPID& property,
                                       const wchar_t* text, DWORD changed) {
    if (IAccPropServices* props = Props()) {
        Check(props->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, property, text),
              L"Acordina: SetHwndPropStr failed\n");
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
              L"Acordina: SetHwndProp failed\n");
    }
}

} // namespace acordina::win32
