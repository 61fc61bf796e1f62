#include "services/real/SystemTrayShell.h"

#include "platform/Dpi.h"
#include "platform/Failure.h"
#include "tray/NotifyLayout.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

namespace acordina::win32 {

namespace {

std::uint32_t U32At(const tray::NotifyRecordBytes& record, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) {
        value = value << 8 | record[offset + i];
    }
    return value;
}

template <std::size_t N>
void CopyText(char (&to)[N], const tray::NotifyRecordBytes& record, tray::layout::TextField from) {
    static_assert(N > 0);
    std::memcpy(to, record.data() + from.offset, std::min(N, from.size));
    to[N - 1] = '\0';
}

} // namespace

bool SystemTrayShell::NotifyIcon(std::uint32_t message, const tray::NotifyRecordBytes& record) {
    // The record is the 488-byte ANSI layout of shell version 5.0 on 32-bit Windows. It is
    // spread over the structure field by field, so that a 64-bit build, whose handles are
    // wider, gives the shell the same icon.
    namespace at = tray::layout;
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(U32At(record, at::kHWnd)));
    data.uID = U32At(record, at::kUID);
    data.uFlags = U32At(record, at::kUFlags);
    data.uCallbackMessage = U32At(record, at::kUCallbackMessage);
    data.hIcon = reinterpret_cast<HICON>(static_cast<std::uintptr_t>(U32At(record, at::kHIcon)));
    CopyText(data.szTip, record, at::kSzTip);
    data.dwState = U32At(record, at::kDwState);
    data.dwStateMask = U32At(record, at::kDwStateMask);
    CopyText(data.szInfo, record, at::kSzInfo);
    data.uTimeout = U32At(record, at::kUTimeout);
    CopyText(data.szInfoTitle, record, at::kSzInfoTitle);
    data.dwInfoFlags = U32At(record, at::kDwInfoFlags);
    auto* notify = shell32_.Function<decltype(Shell_NotifyIconA)>("Shell_NotifyIconA");
    if (notify && notify(message, &data)) {
        return true;
    }
    // The component acts on a refused add or balloon; the rest it can only leave.
    Trace(L"Shell_NotifyIconA");
    return false;
}

std::int32_t SystemTrayShell::SetForegroundWindow(std::uint32_t windowHandle) {
    return ::SetForegroundWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(windowHandle)));
}

float SystemTrayShell::TwipsPerPixelX() const {
    return Dpi::Screen().TwipsPerPixelX();
}

} // namespace acordina::win32
