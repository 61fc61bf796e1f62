// Lists the visible windows for record-alarm.sh, top-level ones followed by their children, so
// that xdotool can click Acordina's controls: class, client area in screen pixels ("left top right
// bottom") and text (non-ASCII as "?"), tab-separated. It only looks: it never clicks or types.
#include <windows.h>

#include <cstdio>

namespace {

BOOL CALLBACK List(HWND hwnd, LPARAM topLevel) {
    wchar_t cls[64]{}, text[256]{};
    RECT r{};
    if (!IsWindowVisible(hwnd) || !GetClassNameW(hwnd, cls, 64) || !GetClientRect(hwnd, &r)) {
        return TRUE;
    }
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    // A frozen program is not waited for.
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    for (wchar_t& c : text) {
        c = c == 0 ? 0 : c < L' ' ? L' ' : c > L'~' ? L'?' : c;
    }
    std::printf("%ls\t%ld %ld %ld %ld\t%ls\n", cls, r.left, r.top, r.right, r.bottom, text);
    if (topLevel) {
        EnumChildWindows(hwnd, List, 0);
    }
    return TRUE;
}

} // namespace

int main() {
    EnumWindows(List, 1);
}
