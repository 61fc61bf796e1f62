#include "platform/Com.h"

#include "platform/Failure.h"

namespace acordina::win32 {

SystemLibrary& Ole32() {
    static SystemLibrary ole32(L"ole32.dll");
    return ole32;
}

void CoTaskMemFreer::operator()(void* p) const noexcept {
    if (auto* free = Ole32().Function<decltype(CoTaskMemFree)>("CoTaskMemFree")) {
        free(p);
    }
}

ComApartment::ComApartment() {
    auto* enter = Ole32().Function<decltype(CoInitializeEx)>("CoInitializeEx");
    auto* leave = Ole32().Function<decltype(CoUninitialize)>("CoUninitialize");
    const HRESULT entered = enter && leave ? enter(nullptr, COINIT_APARTMENTTHREADED) : E_NOTIMPL;
    if (SUCCEEDED(entered)) {
        leave_ = leave;
    } else if (entered != RPC_E_CHANGED_MODE) {
        Trace(L"CoInitializeEx", static_cast<DWORD>(entered));
    }
}

ComApartment::~ComApartment() {
    if (leave_) {
        leave_();
    }
}

void* CreateComObject(const CLSID& clsid, const IID& iid) noexcept {
    auto* create = Ole32().Function<decltype(CoCreateInstance)>("CoCreateInstance");
    void* object = nullptr;
    const HRESULT made =
        create ? create(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, &object) : E_NOTIMPL;
    if (FAILED(made)) {
        Trace(L"CoCreateInstance", static_cast<DWORD>(made));
        return nullptr;
    }
    return object;
}

} // namespace acordina::win32
