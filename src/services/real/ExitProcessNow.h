#pragma once

#include "services/Services.h"

namespace acordina::win32 {

class ExitProcessNow final : public Process {
public:
    void ExitNow() override;
};

} // namespace acordina::win32
