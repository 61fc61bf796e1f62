#pragma once

#include "services/Services.h"

namespace acordina::win32 {

class WindowTimers final : public Timers {
public:
    bool Start(HWND window, UINT_PTR id, UINT milliseconds) override;
};

} // namespace acordina::win32
