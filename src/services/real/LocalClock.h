#pragma once

#include "alarm/AlarmCheck.h"

namespace acordina::win32 {

class LocalClock final : public alarm::Clock {
public:
    alarm::LocalTime Now() const override;
};

} // namespace acordina::win32
