#include "services/real/ExitProcessNow.h"

namespace acordina::win32 {

void ExitProcessNow::ExitNow() {
    ExitProcess(0);
}

} // namespace acordina::win32
