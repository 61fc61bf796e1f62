#include "tray/cTrayBalloon.h"

#include "tray/NotifyLayout.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

namespace acordina::tray {
namespace {

constexpr std::uint32_t kIconId = 1;
constexpr std::uint32_t kTipFlags = 0x1 | 0x2 | 0x4;   // message, icon, tip
constexpr std::uint32_t kInfoFlags = 0x1 | 0x2 | 0x10; // message, icon, info
constexpr std::uint32_t kCallbackMessage = kMouseMove;

// Only blanks are trimmed: a tab or line break belongs to the text.
std::wstring_view TrimBlanks(std::wstring_view text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

// Halves go to the even neighbour whatever rounding mode the FPU is left in.
double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1.0;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace

cTrayBalloon::cTrayBalloon(TrayShell& shell, AnsiEncoder toAnsi)
    : shell_(shell), toAnsi_(std::move(toAnsi)) {}

void cTrayBalloon::AddSystray(std::wstring_view IconTooltipText) {
    WriteTooltip(Target(), IconTooltipText);
    // Each refusal here gives the icon its full time of retries.
    firstTry_.reset();
    Add();
    Raise(&TrayEvents::TrayStart);
    // The application-wide task-list flag is left alone: the owner window has
    // no task-bar button anyway.
}

void cTrayBalloon::RemoveSysTray() {
    missing_ = false;
    held_.reset();
    WriteIdentity(Target());
    shell_.NotifyIcon(NIM_DELETE_, Pack());
    Raise(&TrayEvents::TrayStop);
}

void cTrayBalloon::ToolTipChange(std::wstring_view IconTooltipText) {
    WriteTooltip(Target(), IconTooltipText);
    shell_.NotifyIcon(NIM_MODIFY_, Pack());
}

void cTrayBalloon::PopupBalloon(std::wstring_view Message, std::wstring_view Title,
                                std::int32_t IconBalloon) {
    Held balloon{std::wstring(Message), std::wstring(Title), IconBalloon};
    if (IconMissing()) {
        held_ = std::move(balloon);
        return;
    }
    RemoveBalloon();
    if (!ShowBalloon(balloon)) {
        // The shell may have lost the icon: put it back, then ask once more.
        const std::optional<std::wstring> tip = record_.szTip;
        WriteTooltip(Target(), tip.value_or(L""));
        if (!Add()) {
            held_ = std::move(balloon);
            return;
        }
        ShowBalloon(balloon);
    }
    Raise(&TrayEvents::BalloonStart);
}

bool cTrayBalloon::ShowBalloon(const Held& balloon) {
    WriteBalloon(Target(), balloon.message, balloon.title, balloon.icon);
    return shell_.NotifyIcon(NIM_MODIFY_, Pack());
}

bool cTrayBalloon::Add() {
    missing_ = !shell_.NotifyIcon(NIM_ADD_, Pack());
    if (!missing_) {
        firstTry_.reset();
    }
    if (!missing_ && held_) {
        const Held balloon = *std::exchange(held_, std::nullopt);
        PopupBalloon(balloon.message, balloon.title, balloon.icon);
    }
    return !missing_;
}

void cTrayBalloon::Retry(std::int64_t second) {
    if (!IconMissing() || lastTry_ == second) {
        return;
    }
    if (!firstTry_) {
        firstTry_ = second;
    }
    if (second - *firstTry_ > kRetrySeconds) {
        return;
    }
    lastTry_ = second;
    const std::optional<std::wstring> tip = record_.szTip;
    WriteTooltip(Target(), tip.value_or(L""));
    Add();
}

void cTrayBalloon::RemoveBalloon() {
    WriteBalloon(Target(), {}, {}, NIIF_NONE_);
    shell_.NotifyIcon(NIM_MODIFY_, Pack());
    Raise(&TrayEvents::BalloonStop);
}

TrayTarget* cTrayBalloon::FormTarget() const {
    return target_;
}

void cTrayBalloon::FormTarget(TrayTarget* NewValue) {
    target_ = NewValue;
}

std::int32_t cTrayBalloon::SetForeground() {
    return shell_.SetForegroundWindow(Target().WindowHandle());
}

std::int32_t cTrayBalloon::MouseButton(float X) const {
    const double message = RoundHalfEven(X / shell_.TwipsPerPixelX());
    // A value no window message can have (also NaN) is just a mouse move.
    if (!(message >= std::numeric_limits<std::int32_t>::min() &&
          message <= std::numeric_limits<std::int32_t>::max())) {
        return kMouseMove;
    }
    switch (const auto number = static_cast<std::int32_t>(message)) {
    case kLeftButtonUp:
    case kLeftButtonDoubleClick:
    case kRightButtonDown:
        return number;
    default:
        return kMouseMove;
    }
}

void cTrayBalloon::Listen(TrayEvents* listener) {
    listener_ = listener;
}

TrayTarget& cTrayBalloon::Target() const {
    if (target_ == nullptr) {
        throw std::logic_error("cTrayBalloon: no target window set");
    }
    return *target_;
}

void cTrayBalloon::WriteIdentity(const TrayTarget& target) {
    record_.cbSize = kRecordSize;
    record_.hWnd = target.WindowHandle();
    record_.uID = kIconId;
}

void cTrayBalloon::WriteTooltip(const TrayTarget& target, std::wstring_view text) {
    WriteIdentity(target);
    record_.uFlags = kTipFlags;
    record_.uCallbackMessage = kCallbackMessage;
    record_.szTip = std::wstring(TrimBlanks(text));
    record_.hIcon = target.IconHandle();
}

void cTrayBalloon::WriteBalloon(const TrayTarget& target, std::wstring_view message,
                                std::wstring_view title, std::int32_t iconKind) {
    WriteIdentity(target);
    record_.uFlags = kInfoFlags;
    record_.uCallbackMessage = kCallbackMessage;
    record_.hIcon = target.IconHandle();
    record_.dwState = 0;
    record_.dwStateMask = 0;
    record_.szInfo = std::wstring(message);
    record_.szInfoTitle = std::wstring(title);
    record_.dwInfoFlags = iconKind;
}

NotifyRecordBytes cTrayBalloon::Pack() const {
    using namespace layout;
    NotifyRecordBytes bytes{};
    PutU32(bytes, kCbSize, record_.cbSize);
    PutU32(bytes, kHWnd, record_.hWnd);
    PutU32(bytes, kUID, record_.uID);
    PutU32(bytes, kUFlags, record_.uFlags);
    PutU32(bytes, kUCallbackMessage, record_.uCallbackMessage);
    PutU32(bytes, kHIcon, record_.hIcon);
    PutU32(bytes, kDwState, record_.dwState);
    PutU32(bytes, kDwStateMask, record_.dwStateMask);
    PutU32(bytes, kUTimeout, record_.uTimeout);
    PutU32(bytes, kDwInfoFlags, static_cast<std::uint32_t>(record_.dwInfoFlags));
    // A text field never written yet stays zero-filled, as the record began.
    const auto putText = [&](TextField field, const std::optional<std::wstring>& text) {
        if (text) {
            PutText(bytes, field, toAnsi_(*text));
        }
    };
    putText(kSzTip, record_.szTip);
    putText(kSzInfo, record_.szInfo);
    putText(kSzInfoTitle, record_.szInfoTitle);
    return bytes;
}

void cTrayBalloon::Raise(void (TrayEvents::*event)()) const {
    if (listener_ != nullptr) {
        (listener_->*event)();
    }
}

} // namespace acordina::tray
