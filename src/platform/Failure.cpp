#include "platform/Failure.h"

#include "platform/DurableFile.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace acordina::win32 {
namespace {

// The window procedures and the system's filter have no object to ask: the scope puts its
// handler here.
FailureHandler* handler = nullptr;

// "erro interno (<where>)": the what() of the program's own faults names where they happened
// ("cTrayBalloon::Target"); any other what() may be a sentence in English and is left out.
std::wstring InternalFault(const char* where) {
    std::wstring place;
    for (const char* c = where; *c; ++c) {
        const bool named = (*c >= 'A' && *c <= 'Z') || (*c >= 'a' && *c <= 'z') ||
                           (*c >= '0' && *c <= '9') || *c == '_' || *c == ':';
        if (!named || place.size() == 64) {
            place.clear();
            break;
        }
        place += static_cast<wchar_t>(*c);
    }
    return L"erro interno (" + (place.empty() ? L"exceção sem local" : place) + L")";
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

void ReportFailure(const std::wstring& reason) noexcept {
    if (!handler) {
        std::terminate();
    }
    handler->Falhou(reason);
}

void Trace(const wchar_t* doing, DWORD error) noexcept {
    wchar_t line[160];
    std::swprintf(line, std::size(line), L"Acordina: %ls: erro %lu\n", doing, error);
    OutputDebugStringW(line);
}

std::wstring Describe(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const SystemFailure& e) {
        return std::wstring(L"não foi possível ") + e.Doing() + L": " + SystemReason(e.Error());
    } catch (const std::bad_alloc&) {
        return L"memória insuficiente";
    } catch (const std::exception& e) {
        return InternalFault(e.what());
    } catch (...) {
        return L"erro interno (exceção desconhecida)";
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
        reason = L"memória insuficiente";
    }
    handler->Falhou(reason);
}

} // namespace acordina::win32
