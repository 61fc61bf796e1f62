#include "platform/DurableFile.h"
#include "platform/Failure.h"
#include "services/Services.h"

namespace acordina::win32 {

void StartRequiredTimer(Timers& timers, HWND window, UINT_PTR id, UINT milliseconds) {
    if (!timers.Start(window, id, milliseconds)) {
        ReportFailure(L"não foi possível iniciar o temporizador do alarme: " +
                      SystemReason(GetLastError()));
    }
}

} // namespace acordina::win32
