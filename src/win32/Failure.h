#pragma once
// Failures that would end the program silently: an exception that reaches a window procedure
// or the program's entry, std::terminate, and a structured exception nobody handles. While a
// FailureScope lives, each goes to its handler, which tells the user or starts the program again.

#include <windows.h>

#include <exception>
#include <string>

namespace acordina::win32 {

class FailureHandler {
public:
    // Ends the program, in the real one; the reason is in the user's language.
    virtual void Falhou(const std::wstring& reason) noexcept = 0;

protected:
    ~FailureHandler() = default;
};

// The process has one unhandled-exception filter, so one scope at a time; the previous one
// comes back when it ends.
class FailureScope {
public:
    explicit FailureScope(FailureHandler& handler);
    ~FailureScope();
    FailureScope(const FailureScope&) = delete;
    FailureScope& operator=(const FailureScope&) = delete;

private:
    FailureHandler* previousHandler_;
    LPTOP_LEVEL_EXCEPTION_FILTER previousFilter_;
    std::terminate_handler previousTerminate_;
};

// From inside a catch block: the exception in flight, to the scope's handler. With no scope,
// the program ends as it would have.
void ReportCurrentException() noexcept;

class Timers;
// A timer the program cannot run without: Windows' refusal goes to the scope's handler.
void StartRequiredTimer(Timers& timers, HWND window, UINT_PTR id, UINT milliseconds);

// What an exception says, for the user.
std::wstring Describe(std::exception_ptr failure);

} // namespace acordina::win32
