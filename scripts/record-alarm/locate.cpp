// Tells record-alarm.sh where Acordina's controls are on the screen, so that
// xdotool can click them like a user would. It only looks: it never sends the
// program a click or a key of its own.
//
//   locate.exe main               visible x y w h of the main window
//   locate.exe point <name>       x y of the place to click:
//       lblStatus, lblConfig, chkDespSom, cboSom, vsHH.up, vsHH.down, vsMM.up, vsMM.down
//   locate.exe item <n>           x y of entry n of the open drop-down list
//   locate.exe text <name>        the text of txtHH, txtMM or cboSom
//   locate.exe ok <title>         x y of the OK button of the message box <title>
//   locate.exe tray               x y of the program's icon in Wine's own tray window
//
// Prints "none" (exit code 1) when the thing is not on the screen.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Child {
    HWND hwnd;
    std::wstring cls;
    std::wstring text;
    RECT rect; // screen pixels
};

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64]{};
    GetClassNameW(hwnd, name, 64);
    return name;
}

// Works across processes: WM_GETTEXT is marshalled for the standard controls.
std::wstring TextOf(HWND hwnd) {
    wchar_t text[256]{};
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, nullptr);
    return text;
}

BOOL CALLBACK Collect(HWND hwnd, LPARAM out) {
    Child c{hwnd, ClassOf(hwnd), TextOf(hwnd), {}};
    GetWindowRect(hwnd, &c.rect);
    reinterpret_cast<std::vector<Child>*>(out)->push_back(c);
    return TRUE;
}

std::vector<Child> ChildrenOf(HWND parent) {
    std::vector<Child> all;
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&all));
    return all;
}

bool Is(const std::wstring& cls, const wchar_t* name) {
    return _wcsicmp(cls.c_str(), name) == 0;
}

int Fail() {
    std::puts("none");
    return 1;
}

int PrintPoint(LONG x, LONG y) {
    std::printf("%ld %ld\n", x, y);
    return 0;
}

int PrintCentre(const RECT& r) {
    return PrintPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

const Child* Find(const std::vector<Child>& children, const wchar_t* cls,
                  bool (*matches)(const std::wstring& text)) {
    for (const auto& c : children) {
        if (Is(c.cls, cls) && IsWindowVisible(c.hwnd) && matches(c.text)) {
            return &c;
        }
    }
    return nullptr;
}

// The two spinners and their boxes, left to right: hour first, then minute.
std::vector<const Child*> LeftToRight(const std::vector<Child>& children, const wchar_t* cls,
                                      bool (*matches)(const std::wstring& text)) {
    std::vector<const Child*> found;
    for (const auto& c : children) {
        if (Is(c.cls, cls) && matches(c.text)) {
            found.push_back(&c);
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Child* a, const Child* b) { return a->rect.left < b->rect.left; });
    return found;
}

bool Any(const std::wstring&) {
    return true;
}
bool Number(const std::wstring& t) {
    return !t.empty() && t.size() <= 2 && std::all_of(t.begin(), t.end(), iswdigit);
}

int Point(HWND main, const std::wstring& name) {
    const auto children = ChildrenOf(main);
    const Child* c = nullptr;
    if (name == L"lblStatus") {
        c = Find(children, L"Static", [](const std::wstring& t) { return t.starts_with(L"\n"); });
    } else if (name == L"lblConfig") {
        c = Find(children, L"Static", [](const std::wstring& t) {
            return t == L"Configurações >>" || t == L"Recolher Configurações <<";
        });
    } else if (name == L"chkDespSom") {
        c = Find(children, L"Button",
                 [](const std::wstring& t) { return t == L"Despertar com som"; });
        if (c) {
            // The box itself, at the left end of the caption.
            return PrintPoint(c->rect.left + 6, (c->rect.top + c->rect.bottom) / 2);
        }
    } else if (name == L"cboSom") {
        c = Find(children, L"ComboBox", Any);
        if (c) {
            // The closed field is the top of the window, the rest is room for the list.
            COMBOBOXINFO info{};
            info.cbSize = sizeof info;
            GetComboBoxInfo(c->hwnd, &info);
            MapWindowPoints(c->hwnd, nullptr, reinterpret_cast<POINT*>(&info.rcButton), 2);
            return PrintCentre(info.rcButton);
        }
    } else if (name.starts_with(L"vsHH.") || name.starts_with(L"vsMM.")) {
        const auto bars = LeftToRight(children, L"ScrollBar", Any);
        if (bars.size() != 2) {
            return Fail();
        }
        const RECT& r = bars[name.starts_with(L"vsHH.") ? 0 : 1]->rect;
        const LONG arrow = std::min<LONG>(GetSystemMetrics(SM_CYVSCROLL), (r.bottom - r.top) / 2);
        const LONG x = (r.left + r.right) / 2;
        if (name.ends_with(L".up")) {
            return PrintPoint(x, r.top + arrow / 2);
        }
        if (name.ends_with(L".down")) {
            return PrintPoint(x, r.bottom - 1 - arrow / 2);
        }
    }
    return c ? PrintCentre(c->rect) : Fail();
}

int Text(HWND main, const std::wstring& name) {
    const auto children = ChildrenOf(main);
    if (name == L"cboSom") {
        const Child* list = Find(children, L"ComboBox", Any);
        if (!list) {
            return Fail();
        }
        std::printf("%ls\n", list->text.c_str());
        return 0;
    }
    const auto boxes = LeftToRight(children, L"Edit", Number);
    if (boxes.size() != 2 || (name != L"txtHH" && name != L"txtMM")) {
        return Fail();
    }
    std::printf("%ls\n", boxes[name == L"txtHH" ? 0 : 1]->text.c_str());
    return 0;
}

int Item(int index) {
    // The open list of a drop-down is a top-level window of its own.
    HWND list = nullptr;
    while ((list = FindWindowExW(nullptr, list, L"ComboLBox", nullptr))) {
        if (IsWindowVisible(list)) {
            break;
        }
    }
    RECT r{};
    if (!list ||
        SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)) == LB_ERR) {
        return Fail();
    }
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return PrintCentre(r);
}

int Ok(const std::wstring& title) {
    HWND box = FindWindowW(L"#32770", title.c_str());
    if (!box || !IsWindowVisible(box)) {
        return Fail();
    }
    const auto children = ChildrenOf(box);
    const Child* ok = Find(children, L"Button", [](const std::wstring& t) { return t == L"OK"; });
    return ok ? PrintCentre(ok->rect) : Fail();
}

// Without a tray on the display Wine keeps the icons in a small window of its own.
int Tray() {
    HWND tray = FindWindowW(nullptr, L"Wine System Tray");
    RECT r{};
    if (!tray || !IsWindowVisible(tray) || !GetClientRect(tray, &r)) {
        return Fail();
    }
    // The first icon sits at the left end of the client area.
    POINT at{GetSystemMetrics(SM_CXSMICON) / 2 + 2, r.bottom / 2};
    ClientToScreen(tray, &at);
    return PrintPoint(at.x, at.y);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return Fail();
    }
    const std::wstring what = argv[1];
    if (what == L"tray") {
        return Tray();
    }
    if (what == L"item" && argc == 3) {
        return Item(_wtoi(argv[2]));
    }
    if (what == L"ok" && argc == 3) {
        return Ok(argv[2]);
    }
    HWND main = FindWindowW(L"AcordinaMain", nullptr);
    if (!main) {
        return Fail();
    }
    if (what == L"main") {
        RECT r{};
        GetWindowRect(main, &r);
        std::printf("%d %ld %ld %ld %ld\n", IsWindowVisible(main) ? 1 : 0, r.left, r.top,
                    r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (what == L"point" && argc == 3) {
        return Point(main, argv[2]);
    }
    if (what == L"text" && argc == 3) {
        return Text(main, argv[2]);
    }
    return Fail();
}
