// Acordina: a desktop alarm clock that waits in the notification area.
#include "alarm/CommandLine.h"
#include "app/Program.h"
#include "platform/Failure.h"
#include "services/real/AccessibilityAnnotations.h"
#include "services/real/CoreAudioOutput.h"
#include "services/real/ExecutableFolder.h"
#include "services/real/ExitProcessNow.h"
#include "services/real/LocalClock.h"
#include "services/real/SendInputKeyboard.h"
#include "services/real/ShellNotifications.h"
#include "services/real/ShutdownApiWin32.h"
#include "services/real/SystemComeback.h"
#include "services/real/SystemMessageBoxes.h"
#include "services/real/SystemMonitors.h"
#include "services/real/SystemPower.h"
#include "services/real/SystemSingleInstance.h"
#include "services/real/SystemTimeZone.h"
#include "services/real/SystemTrayShell.h"
#include "services/real/WindowTimers.h"
#include "services/real/WindowsCodePage.h"
#include "services/real/WinmmSound.h"
#include "shutdown/clsExitWindows.h"
#include "ui/MessageLoop.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    // Refused, the first control that cannot be made ends the program with its reason.
    if (!InitCommonControlsEx(&controls)) {
        acordina::win32::Trace(L"InitCommonControlsEx");
    }

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
    SystemComeback comeback;
    AccessibilityAnnotations accessibility;
    CoreAudioOutput audio;
    ShellNotifications notifications;
    WindowTimers timers;
    SystemSingleInstance singleInstance;
    Services services{clock,    messageBoxes,  shell,    sound,         shutdown, keyboard,
                      folder,   process,       monitors, ansiCodePage,  power,    timeZone,
                      comeback, accessibility, audio,    notifications, timers,   singleInstance};

    acordina::Program program(services);
    try {
        if (!program.Start(acordina::alarm::StartedToReligar(arguments ? arguments : L""))) {
            return 0;
        }
        // The program ends through its own exits (the close confirmation, the tray menu);
        // nothing posts WM_QUIT.
        return RunMessageLoop();
    } catch (...) {
        ReportCurrentException();
        return 1;
    }
}
