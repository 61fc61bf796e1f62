#include "win32/Failure.h"

#include "win32/DurableFile.h"
#include "win32/Services.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace acordina::win32 {
namespace {

// The window procedures and the system's filter have no object to ask: the scope puts its
// handler here.
FailureHandler* handler = nullptr;

std::wstring Widen(const char* text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (n <= 1) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
    wide.pop_back();
    return wide;
}

LONG WINAPI Unhandled(EXCEPTION_POINTERS* info) {
    if (handler) {
        wchar_t reason[96];
        std::swprintf(reason, std::size(reason), L"exceção 0x%08lX no endereço %p",
                      info->ExceptionRecord->ExceptionCode,
                      info->ExceptionRecord->ExceptionAddress);
        handler->Falhou(reason);
    }
    return EXCEPTION_EXECUTE_HANDLER;
}

// An exception out of a destructor or a noexcept function, or any other path to
// std::terminate, would end the program silently.
[[noreturn]] void Terminated() {
    if (handler) {
        const std::exception_ptr failure = std::current_exception();
        handler->Falhou(failure ? Describe(failure) : L"término inesperado");
    }
    std::abort();
}

} // namespace

FailureScope::FailureScope(FailureHandler& h)
    : previousHandler_(handler), previousFilter_(SetUnhandledExceptionFilter(&Unhandled)),
      previousTerminate_(std::set_terminate(&Terminated)) {
    handler = &h;
}

FailureScope::~FailureScope() {
    handler = previousHandler_;
    SetUnhandledExceptionFilter(previousFilter_);
    std::set_terminate(previousTerminate_);
}

void StartRequiredTimer(Timers& timers, HWND window, UINT_PTR id, UINT milliseconds) {
    if (timers.Start(window, id, milliseconds)) {
        return;
    }
    if (!handler) {
        std::terminate();
    }
    handler->Falhou(L"o temporizador do alarme não pôde ser iniciado: " +
                    SystemReason(GetLastError()));
}

std::wstring Describe(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        const std::wstring what = Widen(e.what());
        return what.empty() ? L"erro sem descrição" : what;
    } catch (...) {
        return L"erro desconhecido";
    }
}

void ReportCurrentException() noexcept {
    if (!handler) {
        std::terminate();
    }
    std::wstring reason;
    try {
        reason = Describe(std::current_exception());
    } catch (...) {
        reason = L"erro desconhecido";
    }
    handler->Falhou(reason);
}

} // namespace acordina::win32
