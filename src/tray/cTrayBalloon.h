#pragma once
// The one wrapper round the notification-area service: one icon (id 1) of a
// target window, its tooltip, its balloons, and the decoding of the mouse
// notifications the shell sends back. Portable: the shell and the target are
// reached through the two interfaces below, so the record can be checked
// byte for byte without Windows.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace acordina::tray {

// The shell-version-5.0 ANSI notification record is 488 bytes.
inline constexpr std::size_t kRecordSize = 488;
using NotifyRecordBytes = std::array<std::uint8_t, kRecordSize>;

inline constexpr std::uint32_t NIM_ADD_ = 0;
inline constexpr std::uint32_t NIM_MODIFY_ = 1;
inline constexpr std::uint32_t NIM_DELETE_ = 2;

// Balloon icon kinds.
inline constexpr std::int32_t NIIF_NONE_ = 0;
inline constexpr std::int32_t NIIF_INFO_ = 1;
inline constexpr std::int32_t NIIF_WARNING_ = 2;
inline constexpr std::int32_t NIIF_ERROR_ = 3;

// Mouse message numbers that MouseButton gives back.
inline constexpr std::int32_t kMouseMove = 512;
inline constexpr std::int32_t kLeftButtonUp = 514;
inline constexpr std::int32_t kLeftButtonDoubleClick = 515;
inline constexpr std::int32_t kRightButtonDown = 516;

// The window the icon belongs to; read afresh before every shell call.
class TrayTarget {
public:
    virtual ~TrayTarget() = default;
    virtual std::uint32_t WindowHandle() const = 0;
    virtual std::uint32_t IconHandle() const = 0;
};

// Shell_NotifyIconA and SetForegroundWindow.
class TrayShell {
public:
    virtual ~TrayShell() = default;
    virtual bool NotifyIcon(std::uint32_t message, const NotifyRecordBytes& record) = 0;
    virtual std::int32_t SetForegroundWindow(std::uint32_t windowHandle) = 0;
    // Twips per pixel along x of the screen (15 at 96 dpi), for MouseButton in twips.
    virtual float TwipsPerPixelX() const = 0;
};

// Optional listener for the component's four events.
class TrayEvents {
public:
    virtual ~TrayEvents() = default;
    virtual void TrayStart() {}
    virtual void TrayStop() {}
    virtual void BalloonStart() {}
    virtual void BalloonStop() {}
};

// Converts a text field to the system's ANSI code page (one byte a character).
using AnsiEncoder = std::string (*)(std::wstring_view);

// An icon the shell refuses (Explorer not ready at logon, or too busy to answer) is tried again;
// a balloon asked for meanwhile waits for it.
class cTrayBalloon {
public:
    cTrayBalloon(TrayShell& shell, AnsiEncoder toAnsi);

    // Refused, the icon is missing until Retry or another AddSystray puts it up.
    void AddSystray(std::wstring_view IconTooltipText);
    void RemoveSysTray();
    void ToolTipChange(std::wstring_view IconTooltipText);
    // While the icon is missing, the latest balloon waits for it. A refused balloon is tried
    // once more after adding the icon again.
    void PopupBalloon(std::wstring_view Message, std::wstring_view Title, std::int32_t IconBalloon);
    void RemoveBalloon();

    // Called with the clock's second: a missing icon is tried again once a second, for
    // kRetrySeconds after its first retry.
    void Retry(std::int64_t second);
    static constexpr std::int64_t kRetrySeconds = 120;

    void FormTarget(TrayTarget* NewValue);

    std::int32_t SetForeground();
    // X is the notification's message number in twips, as a form's mouse event gives it.
    std::int32_t MouseButton(float X) const;
    // The notification's message number itself, read from the low word of its lParam.
    static std::int32_t MouseButton(std::int32_t message);

    void Listen(TrayEvents* listener);

private:
    // The notification record in field form, kept for the object's life. A
    // text field holds its text, or nothing while it is still zero-filled.
    struct Record {
        std::uint32_t cbSize = 0;
        std::uint32_t hWnd = 0;
        std::uint32_t uID = 0;
        std::uint32_t uFlags = 0;
        std::uint32_t uCallbackMessage = 0;
        std::uint32_t hIcon = 0;
        std::optional<std::wstring> szTip;
        std::uint32_t dwState = 0;
        std::uint32_t dwStateMask = 0;
        std::optional<std::wstring> szInfo;
        std::uint32_t uTimeout = 0;
        std::optional<std::wstring> szInfoTitle;
        std::int32_t dwInfoFlags = 0;
    };

    TrayTarget& Target() const;
    void WriteIdentity(const TrayTarget& target);
    void WriteTooltip(const TrayTarget& target, std::wstring_view text);
    void WriteBalloon(const TrayTarget& target, std::wstring_view message, std::wstring_view title,
                      std::int32_t iconKind);
    NotifyRecordBytes Pack() const;
    void Raise(void (TrayEvents::*event)()) const;

    // NIM_ADD of the record as it is, then the balloon that waits; a refusal makes the icon
    // missing.
    bool Add();
    bool AddAgain();
    void WriteIconFields(const TrayTarget& target, std::uint32_t flags);

    TrayShell& shell_;
    AnsiEncoder toAnsi_;
    bool missing_ = false;
    // The record's balloon waits for the icon.
    bool balloonHeld_ = false;
    // The seconds of the first and the latest retry of a missing icon.
    std::optional<std::int64_t> firstTry_, lastTry_;
    TrayTarget* target_ = nullptr;
    TrayEvents* listener_ = nullptr;
    Record record_;
};

} // namespace acordina::tray
