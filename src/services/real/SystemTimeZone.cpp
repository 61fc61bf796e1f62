#include "services/real/SystemTimeZone.h"

namespace acordina::win32 {

TIME_ZONE_INFORMATION SystemTimeZone::ForYear(std::uint16_t year) {
    TIME_ZONE_INFORMATION rules{};
    if (!GetTimeZoneInformationForYear(year, nullptr, &rules)) {
        GetTimeZoneInformation(&rules);
    }
    return rules;
}

} // namespace acordina::win32
