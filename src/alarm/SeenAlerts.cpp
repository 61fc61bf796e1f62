#include "alarm/SeenAlerts.h"

#include <utility>

namespace acordina::alarm {

void SeenAlerts::Shown(AlertKind kind, Balloon balloon, bool seen) {
    wakeUpUp_ = kind == AlertKind::WakeUp;
    // Only the latest counts: a newer alert makes an earlier one old news.
    pending_.reset();
    if (!seen) {
        pending_ = Kept{kind, std::move(balloon)};
    }
}

bool SeenAlerts::Warn(const Balloon& warning) {
    const bool wakeUpPending = pending_ && pending_->kind == AlertKind::WakeUp;
    if (!wakeUpUp_ && !wakeUpPending) {
        return true;
    }
    warning_ = warning;
    return false;
}

std::optional<Balloon> SeenAlerts::Closed() {
    wakeUpUp_ = false;
    // An unseen wake-up alert has not had its time yet.
    if (pending_ && pending_->kind == AlertKind::WakeUp) {
        return std::nullopt;
    }
    return std::exchange(warning_, std::nullopt);
}

std::optional<Balloon> SeenAlerts::Released() {
    wakeUpUp_ = false;
    return std::exchange(warning_, std::nullopt);
}

void SeenAlerts::WakeUpPassed() {
    if (pending_ && pending_->kind == AlertKind::PreAlert) {
        pending_.reset();
    }
}

void SeenAlerts::Forget() {
    pending_.reset();
    wakeUpUp_ = false;
    warning_.reset();
}

std::optional<Balloon> SeenAlerts::Again() {
    if (!pending_) {
        return std::nullopt;
    }
    wakeUpUp_ = pending_->kind == AlertKind::WakeUp;
    return std::exchange(pending_, std::nullopt)->balloon;
}

} // namespace acordina::alarm
