// Drives the programs that scripts/bench.sh measures, from inside their Wine session.
//   driver.exe startup RUNS "COMMAND A" "COMMAND B": starts A and B by turns, RUNS times each, a
//       start lasting until a captioned window is fully painted; prints the two medians in ms.
//   driver.exe arm: arms the running program as it is set (the status label, OK in the
//       confirmation) and waits until the window is hidden.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK NeedsPaint(HWND hwnd, LPARAM dirty) {
    *reinterpret_cast<bool*>(dirty) |= IsWindowVisible(hwnd) && GetUpdateRect(hwnd, nullptr, 0);
    return TRUE;
}

BOOL CALLBACK FindShown(HWND hwnd, LPARAM found) {
    if (IsWindowVisible(hwnd) && (GetWindowLongW(hwnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Only the process's first thread: a whole desktop's search each ms would slow the start it times.
bool Drawn(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(thread, FindShown, reinterpret_cast<LPARAM>(&found));
    bool dirty = !found || GetUpdateRect(found, nullptr, FALSE);
    if (!dirty) {
        EnumChildWindows(found, NeedsPaint, reinterpret_cast<LPARAM>(&dirty));
    }
    return !dirty;
}

double SecondsNow() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double StartUp(std::wstring command) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const double start = SecondsNow();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        return -1;
    }
    double took = -1;
    while (WaitForSingleObject(pi.hProcess, 1) == WAIT_TIMEOUT && SecondsNow() - start < 30) {
        if (Drawn(pi.dwThreadId)) {
            took = (SecondsNow() - start) * 1000;
            break;
        }
    }
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    Sleep(500); // lets the session settle between starts
    return took;
}

BOOL CALLBACK FindStatus(HWND hwnd, LPARAM out) {
    wchar_t text[64]{};
    GetWindowTextW(hwnd, text, 64);
    if (std::wstring(text).find(L"Desligado.") != std::wstring::npos) {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}

template <typename Found> bool Await(Found found) {
    for (int i = 0; i < 200 && !found(); ++i) {
        Sleep(50);
    }
    return found();
}

int Arm() {
    HWND main = nullptr, status = nullptr, box = nullptr;
    if (!Await([&] { return (main = FindWindowW(L"AcordinaMain", nullptr)) != nullptr; }) ||
        !Await([&] {
            EnumChildWindows(main, FindStatus, reinterpret_cast<LPARAM>(&status));
            return status != nullptr;
        })) {
        return 1;
    }
    PostMessageW(status, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    PostMessageW(status, WM_LBUTTONUP, 0, 0);
    if (!Await([&] { return (box = FindWindowW(L"#32770", L"Aviso!")) != nullptr; })) {
        return 1;
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return Await([&] { return !IsWindowVisible(main); }) ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"arm") {
        return Arm();
    }
    if (mode != L"startup" || argc != 5) {
        std::fputs("usage: driver startup RUNS \"COMMAND A\" \"COMMAND B\" | driver arm\n", stderr);
        return 2;
    }
    std::vector<double> a, b;
    for (int i = 0; i < _wtoi(argv[2]); ++i) {
        a.push_back(StartUp(argv[3]));
        b.push_back(StartUp(argv[4]));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    std::printf("%.1f %.1f\n", a[a.size() / 2], b[b.size() / 2]);
    return 0;
}
