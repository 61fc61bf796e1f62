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

cTrayBalloon::cTrayBalloon(TrayShell& shell, AnsiEncoder toAnsi) : shell_(shell), toAnsi_(toAnsi) {}

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
    missing_ = balloonHeld_ = false;
    WriteIdentity(Target());
    // Refused, there is nothing left to try: the shell drops an icon whose window has gone.
    shell_.NotifyIcon(NIM_DELETE_, Pack());
    Raise(&TrayEvents::TrayStop);
}

void cTrayBalloon::ToolTipChange(std::wstring_view IconTooltipText) {
    WriteTooltip(Target(), IconTooltipText);
    // Refused, the old tip stays; the record keeps the new one for the next add.
    shell_.NotifyIcon(NIM_MODIFY_, Pack());
}

void cTrayBalloon::PopupBalloon(std::wstring_view Message, std::wstring_view Title,
                                std::int32_t IconBalloon) {
    if (missing_) {
        // Kept in the record until the icon is back.
        WriteBalloon(Target(), Message, Title, IconBalloon);
        balloonHeld_ = true;
        return;
    }
    RemoveBalloon();
    WriteBalloon(Target(), Message, Title, IconBalloon);
    if (!shell_.NotifyIcon(NIM_MODIFY_, Pack())) {
        // The shell may have lost the icon: put it back, then ask once more.
        balloonHeld_ = true;
        if (!AddAgain()) {
            // Or it was too busy to answer, and the icon is still there.
            WriteIconFields(Target(), kInfoFlags);
            missing_ = balloonHeld_ = !shell_.NotifyIcon(NIM_MODIFY_, Pack());
        }
    }
    Raise(&TrayEvents::BalloonStart);
}

// The record's tooltip, and its balloon if one waits: the shell reads only the flagged fields.
bool cTrayBalloon::AddAgain() {
    WriteIconFields(Target(), kTipFlags);
    return Add();
}

bool cTrayBalloon::Add() {
    missing_ = !shell_.NotifyIcon(NIM_ADD_, Pack());
    if (!missing_) {
        firstTry_.reset();
        if (std::exchange(balloonHeld_, false)) {
            record_.uFlags = kInfoFlags;
            // Its last chance: a balloon is asked for again once, after the icon came back.
            shell_.NotifyIcon(NIM_MODIFY_, Pack());
        }
    }
    return !missing_;
}

void cTrayBalloon::Retry(std::int64_t second) {
    if (!missing_ || lastTry_ == second) {
        return;
    }
    if (!firstTry_) {
        firstTry_ = second;
    }
    if (second - *firstTry_ <= kRetrySeconds) {
        lastTry_ = second;
        AddAgain();
    }
}

void cTrayBalloon::RemoveBalloon() {
    WriteBalloon(Target(), {}, {}, NIIF_NONE_);
    // Refused, the balloon still goes at the end of its time.
    shell_.NotifyIcon(NIM_MODIFY_, Pack());
    Raise(&TrayEvents::BalloonStop);
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
    return MouseButton(static_cast<std::int32_t>(message));
}

std::int32_t cTrayBalloon::MouseButton(std::int32_t message) {
    switch (message) {
    case kLeftButtonUp:
    case kLeftButtonDoubleClick:
    case kRightButtonDown:
        return message;
    default:
        return kMouseMove;
    }
}

void cTrayBalloon::Listen(TrayEvents* listener) {
    listener_ = listener;
}

TrayTarget& cTrayBalloon::Target() const {
    if (target_ == nullptr) {
        // A place in the code, not a sentence: it is what the user is told.
        throw std::logic_error("cTrayBalloon::Target");
    }
    return *target_;
}

void cTrayBalloon::WriteIdentity(const TrayTarget& target) {
    record_.cbSize = kRecordSize;
    record_.hWnd = target.WindowHandle();
    record_.uID = kIconId;
}

void cTrayBalloon::WriteIconFields(const TrayTarget& target, std::uint32_t flags) {
    WriteIdentity(target);
    record_.uFlags = flags;
    record_.uCallbackMessage = kCallbackMessage;
    record_.hIcon = target.IconHandle();
}

void cTrayBalloon::WriteTooltip(const TrayTarget& target, std::wstring_view text) {
    WriteIconFields(target, kTipFlags);
    record_.szTip = std::wstring(TrimBlanks(text));
}

void cTrayBalloon::WriteBalloon(const TrayTarget& target, std::wstring_view message,
                                std::wstring_view title, std::int32_t iconKind) {
    WriteIconFields(target, kInfoFlags);
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
