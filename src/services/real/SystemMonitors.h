#pragma once

#include "services/Services.h"

namespace acordina::win32 {

class SystemMonitors final : public Monitors {
public:
    RECT WorkArea(HWND window) const override;
};

} // namespace acordina::win32
