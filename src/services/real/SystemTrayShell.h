#pragma once

#include "platform/SystemLibrary.h"
#include "tray/cTrayBalloon.h"

namespace acordina::win32 {

class SystemTrayShell final : public tray::TrayShell {
public:
    bool NotifyIcon(std::uint32_t message, const tray::NotifyRecordBytes& record) override;
    std::int32_t SetForegroundWindow(std::uint32_t windowHandle) override;
    float TwipsPerPixelX() const override;

private:
    SystemLibrary shell32_{L"shell32.dll"};
};

} // namespace acordina::win32
