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

// A failure the program cannot go on with, already in the user's words, to the scope's
// handler. With no scope, the program ends as it would have.
void ReportFailure(const std::wstring& reason) noexcept;

// A Windows call that failed: what the program was doing ("criar uma janela") and the
// system's error code, whose text the system gives in the user's language.
class SystemFailure : public std::exception {
public:
    SystemFailure(const wchar_t* doing, DWORD error) : doing_(doing), error_(error) {}
    const char* what() const noexcept override { return "SystemFailure"; }
    const wchar_t* Doing() const { return doing_; }
    DWORD Error() const { return error_; }

private:
    const wchar_t* doing_;
    DWORD error_;
};

// What an exception means, for the user and in the user's language: a SystemFailure by the
// system's text, a fault of the program as "erro interno (<where>)". The where is an
// exception's what() only when it names a place in the code; no sentence of it is shown.
std::wstring Describe(std::exception_ptr failure);

} // namespace acordina::win32
