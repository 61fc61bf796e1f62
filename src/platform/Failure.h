#pragma once
// How the program meets a failure. Every Windows result is handled, reported or traced; one
// ignored on purpose says why in a line beside the call.
//
// - Fatal: what leaves the program unable to ring at the wake-up time or to be reached (a
//   window, a required timer, an exception out of a window procedure or a subclassed control,
//   std::terminate, a structured exception). It goes to the failure boundary: thrown as a
//   SystemFailure, or ReportFailure / ReportCurrentException. The boundary starts an armed
//   program again or tells the user, and the program ends.
// - Told: what the user asked for and did not get, or what will keep the alarm from being seen
//   or heard. At the user's own action, with the window shown, a message box; while the program
//   waits hidden in the notification area, a balloon. In the user's words, with the system's
//   reason (SystemReason, WriteResult).
// - Traced: what the user can neither see nor act on (a best-effort clean-up, a cosmetic call,
//   a system feature that is missing or refused and has a fallback): Trace, and nothing more.
// - Not checked, as a kind: calls on the program's own live windows and controls that can fail
//   only once the window is gone (SetWindowPos, SetWindowTextW, InvalidateRect, KillTimer of its
//   own timer, messages sent to its controls), and those whose answer is a previous state, not
//   a failure (ShowWindow, EnableWindow, SelectObject putting the old object back).
//
// While a FailureScope lives, the fatal paths that would end the program silently (an exception
// at a window procedure or the program's entry, std::terminate, a structured exception nobody
// handles) reach its handler.

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

// For the debugger only: "Acordina: <doing>: erro <code>", once per call. `doing` is a place or
// an English phrase; nobody but a developer reads it.
void Trace(const wchar_t* doing, DWORD error = GetLastError()) noexcept;

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
