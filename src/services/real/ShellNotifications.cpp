#include "services/real/ShellNotifications.h"

#include "alarm/SeenAlerts.h"

#include <shellapi.h>
#include <wtsapi32.h>

namespace acordina::win32 {

int ShellNotifications::State() {
    using Query = HRESULT WINAPI(int*);
    int state = 0;
    auto* query = shell32_.Function<Query>("SHQueryUserNotificationState");
    // Where Windows cannot tell, the balloon is taken as seen: nothing is shown twice.
    if (!query || FAILED(query(&state))) {
        return alarm::kAcceptsNotifications;
    }
    return state;
}

// Without the session's word, the alarm tick and WM_SETTINGCHANGE still find the unlocking.
void ShellNotifications::Watch(HWND window) {
    if (auto* watch = wtsapi32_.Function<decltype(WTSRegisterSessionNotification)>(
            "WTSRegisterSessionNotification")) {
        watch(window, NOTIFY_FOR_THIS_SESSION);
    }
}

void ShellNotifications::Unwatch(HWND window) {
    if (auto* unwatch = wtsapi32_.Function<decltype(WTSUnRegisterSessionNotification)>(
            "WTSUnRegisterSessionNotification")) {
        unwatch(window);
    }
}

} // namespace acordina::win32
