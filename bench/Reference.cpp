// The floor the program is measured against, built like it (static C++ runtime, std::wstring,
// std::function, exceptions): "idle", a hidden window whose two 100 ms timers read the local
// time; "window", one plain window, shown.
#include <windows.h>

#include <functional>
#include <string>

namespace {

std::function<void()> onTimer;

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && onTimer) {
        onTimer();
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR args, int) {
    try {
        const std::wstring mode = args;
        WNDCLASSEXW cls{};
        cls.cbSize = sizeof cls;
        cls.lpfnWndProc = Proc;
        cls.hInstance = instance;
        cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        cls.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        cls.lpszClassName = L"Reference";
        RegisterClassExW(&cls);
        HWND hwnd =
            CreateWindowExW(0, cls.lpszClassName, L"Reference", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                            CW_USEDEFAULT, 315, 298, nullptr, nullptr, instance, nullptr);
        if (mode == L"idle") {
            SYSTEMTIME now;
            onTimer = [&now] { GetLocalTime(&now); };
            SetTimer(hwnd, 1, 100, nullptr);
            SetTimer(hwnd, 2, 100, nullptr);
        } else {
            ShowWindow(hwnd, SW_SHOWNORMAL);
        }
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        return 0;
    } catch (const std::exception&) {
        return 1;
    }
}
