#pragma once
// An alert is worth nothing if nobody sees it. Windows drops balloons while the session is
// locked, a full-screen program runs or the user asked for quiet: such an alert is kept and
// shown again once balloons can be seen. The sound's warning never covers the wake-up alert:
// it waits until that balloon has had its time.

#include <cstdint>
#include <optional>
#include <string>

namespace acordina::alarm {

// SHQueryUserNotificationState's answer when balloons reach the user.
inline constexpr int kAcceptsNotifications = 5;

// Alerts and warnings are all titled "Aviso": the text and the icon kind tell them apart.
struct Balloon {
    std::wstring message;
    std::int32_t icon = 0;

    friend bool operator==(const Balloon&, const Balloon&) = default;
};

enum class AlertKind { PreAlert, WakeUp, NotRung };

class SeenAlerts {
public:
    // An alert's balloon was put up, while the user could see it or not.
    void Shown(AlertKind kind, Balloon balloon, bool seen);
    // The sound's warning: true when it may show now, otherwise it waits.
    bool Warn(const Balloon& warning);
    // Windows took the balloon down (timed out, clicked, hidden): the warning now due.
    std::optional<Balloon> Closed();
    // The user came back to the window or disarmed: whatever waits for the wake-up alert.
    std::optional<Balloon> Released();
    // The wake-up time came: an earlier pre-alert is no news any more.
    void WakeUpPassed();
    // Disarmed or armed anew: nothing is kept.
    void Forget();

    bool Pending() const { return pending_.has_value(); }
    // Balloons can be seen now: the kept alert, to show once more. It is up again from then on.
    std::optional<Balloon> Again();

private:
    struct Kept {
        AlertKind kind;
        Balloon balloon;
    };
    std::optional<Kept> pending_;
    // The wake-up balloon is up and not yet closed.
    bool wakeUpUp_ = false;
    std::optional<Balloon> warning_;
};

} // namespace acordina::alarm
