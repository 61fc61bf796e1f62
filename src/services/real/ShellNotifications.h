#pragma once

#include "platform/SystemLibrary.h"
#include "services/Services.h"

namespace acordina::win32 {

// From libraries loaded at their first use: the state is Vista's, and wtsapi32 is not
// among the libraries the program starts with.
class ShellNotifications final : public Notifications {
public:
    int State() override;
    void Watch(HWND window) override;
    void Unwatch(HWND window) override;

private:
    SystemLibrary shell32_{L"shell32.dll"};
    SystemLibrary wtsapi32_{L"wtsapi32.dll"};
};

} // namespace acordina::win32
