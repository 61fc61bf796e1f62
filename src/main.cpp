// Acordina: a desktop alarm clock that waits in the notification area.
#include "app/Program.h"
#include "shutdown/clsExitWindows.h"
#include "win32/MessageLoop.h"
#include "win32/RealServices.h"
#include "win32/ShutdownApiWin32.h"
#include "win32/WindowsCodePage.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    using namespace acordina::win32;
    LocalClock clock;
    SystemMessageBoxes messageBoxes;
    SystemTrayShell shell;
    WinmmSound sound;
    ShutdownApiWin32 shutdown;
    SendInputKeyboard keyboard;
    ExecutableFolder folder;
    ExitProcessNow process;
    SystemMonitors monitors;
    const WindowsCodePage ansiCodePage(GetACP());
    SystemPower power;
    SystemTimeZone timeZone;
    CoreAudioOutput audio;
    Services services{clock,   messageBoxes, shell,        sound, shutdown, keyboard, folder,
                      process, monitors,     ansiCodePage, power, timeZone, audio};

    acordina::Program program(services);
    program.Start();
    // The program ends through its own exits (the close confirmation, the tray menu);
    // nothing posts WM_QUIT.
    return RunMessageLoop();
}
