#pragma once

#include "services/Services.h"

namespace acordina::win32 {

class SystemTimeZone final : public TimeZone {
public:
    TIME_ZONE_INFORMATION ForYear(std::uint16_t year) override;
};

} // namespace acordina::win32
