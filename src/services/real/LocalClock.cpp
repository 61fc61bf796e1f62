#include "services/real/LocalClock.h"

#include <windows.h>

namespace acordina::win32 {

alarm::LocalTime LocalClock::Now() const {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, {st.wHour, st.wMinute, st.wSecond}};
}

} // namespace acordina::win32
