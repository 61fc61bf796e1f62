#pragma once
// The few system objects the program reaches through COM: ole32 loaded once, at its first use,
// for the whole program; an owning pointer; and the apartment a thread is in while it uses them.

#include "platform/SystemLibrary.h"

#include <objbase.h>

#include <memory>

namespace acordina::win32 {

// ole32 from the system folder, loaded at its first use and kept until the program ends.
SystemLibrary& Ole32();

struct ComReleaser {
    void operator()(IUnknown* p) const noexcept { p->Release(); }
};
template <typename T> using ComPtr = std::unique_ptr<T, ComReleaser>;

// Memory the system handed over with CoTaskMemAlloc.
struct CoTaskMemFreer {
    void operator()(void* p) const noexcept;
};

// This thread in a single-threaded apartment while the object lives. A thread already in one
// (S_FALSE) is balanced all the same; one in the other model (RPC_E_CHANGED_MODE) is left as it
// is, and may still create the objects.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    decltype(CoUninitialize)* leave_ = nullptr;
};

// A new in-process object of the class; nullptr, traced, where it cannot be had.
void* CreateComObject(const CLSID& clsid, const IID& iid) noexcept;

template <typename T> ComPtr<T> CreateComObject(const CLSID& clsid, const IID& iid) noexcept {
    return ComPtr<T>(static_cast<T*>(CreateComObject(clsid, iid)));
}

} // namespace acordina::win32
