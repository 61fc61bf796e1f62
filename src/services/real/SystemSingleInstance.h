#pragma once
// The real session-wide mutex, and the first copy's window found and woken.

#include "platform/Handles.h"
#include "services/Services.h"

namespace acordina::win32 {

class SystemSingleInstance final : public SingleInstance {
public:
    // One copy per user session (another user's session has its own); tests name their own.
    explicit SystemSingleInstance(const wchar_t* name = L"Local\\Acordina") : name_(name) {}
    const wchar_t* Name() const override { return name_; }
    Claim Take() override;
    void Release() override { mutex_.reset(); }
    void WakeFirst(const wchar_t* windowClass, const wchar_t* message) override;

private:
    const wchar_t* name_;
    UniqueHandle mutex_;
};

} // namespace acordina::win32
