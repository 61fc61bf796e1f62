#include "services/real/SystemSingleInstance.h"

#include "platform/Failure.h"
#include "ui/MessageLoop.h"

#include <algorithm>

namespace acordina::win32 {
namespace {

constexpr ULONGLONG kWaitLimit = 5000, kLookEvery = 100; // milliseconds

} // namespace

SingleInstance::Claim SystemSingleInstance::Take() {
    mutex_.reset(CreateMutexW(nullptr, FALSE, name_));
    const DWORD error = GetLastError();
    if (!mutex_) {
        Trace(L"CreateMutexW", error);
        return Claim::Unknown;
    }
    if (error != ERROR_ALREADY_EXISTS) {
        return Claim::First;
    }
    mutex_.reset();
    return Claim::Second;
}

// The first copy makes its window only after drawing its own: a quick second start waits.
void SystemSingleInstance::WakeFirst(const wchar_t* windowClass, const wchar_t* message) {
    const ULONGLONG deadline = GetTickCount64() + kWaitLimit;
    HWND first;
    while (!(first = FindWindowW(windowClass, name_))) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            Trace(L"FindWindowW (first copy)", ERROR_TIMEOUT);
            return;
        }
        // Messages are answered meanwhile.
        const auto wait = static_cast<DWORD>(std::min(deadline - now, kLookEvery));
        if (MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
            WAIT_OBJECT_0) {
            PumpPending();
        }
    }
    // The first copy may take the foreground that this newly started one holds.
    DWORD process = 0;
    if (!GetWindowThreadProcessId(first, &process) || !AllowSetForegroundWindow(process)) {
        Trace(L"AllowSetForegroundWindow");
    }
    const UINT restaurar = RegisterWindowMessageW(message);
    if (!restaurar || !PostMessageW(first, restaurar, 0, 0)) {
        Trace(L"PostMessageW (restaurar)");
    }
}

} // namespace acordina::win32
