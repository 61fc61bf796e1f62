// The background window: start-up, the icon's records, the hint, the tray menu and clicks; the
// alerts, sound, wake timer and stay-awake requests, every tick sent by the test.
#include "AllocationCounter.h"
#include "ProgramFixture.h"

#include <commctrl.h>
#include <dbt.h>
#include <shellapi.h>

#include <algorithm>
#include <string_view>

namespace acordina::testing {
namespace {

using Calls = std::vector<std::string>;
using Sounds = std::vector<SoundCall>;

class AlertsTest : public ProgramFixture {
protected:
    void SetUp() override {
        // One hour ahead of UTC, two from the last Sunday of March at 2:00 (31 March 2024).
        fakes.timeZone.rules = {-60, {}, {0, 10, 0, 5, 3, 0, 0, 0}, 0, {}, {0, 3, 0, 5, 2, 0, 0, 0},
                                -60};
        fakes.clock.Set(22, 0, 0);
        fakes.folder.Write(L"galo.wav", kWave);
        Start();
        // Both timers run from the start; from now on every tick comes from the test.
        ASSERT_TRUE(KillTimer(Main().hwnd(), mainwindow::frmAcordina::kTimer1));
        ASSERT_TRUE(KillTimer(Background().hwnd(), background::frmAcordina_::kTimer1));
        Spin(Main().vsHH, SB_LINEUP, 7);
        Spin(Main().vsMM, SB_LINEUP, 5);
    }
    Calls Asked() { return std::exchange(fakes.power.calls, {}); } // since the last look
    void ArmWithSound(int sound = 1) {
        OpenPanel();
        SetTick(Main().chkDespSom, true);
        Choose(Main().cboSom, sound);
        Click(Main().lblStatus);
    }
    void TickAt(int h, int m, int s, int day = 31) {
        fakes.clock.Set(h, m, s, day);
        TickBackground();
    }
    std::wstring In(const std::wstring& name) const { return fakes.folder.Path() + L"\\" + name; }
    Sounds Played() { return std::exchange(fakes.sound.calls, {}); }
    static std::string Warning(const std::wstring& t) { return "Aviso|2|" + win32::ToAnsi(t); }
    void Seconds(int first, int last) {
        for (int s = first; s <= last; ++s) {
            fakes.clock.Set(7, 5, s);
            TickInTurn(20);
        }
    }
};

int clockSets = 0;

LRESULT CALLBACK CountSetText(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    clockSets += msg == WM_SETTEXT;
    return DefSubclassProc(hwnd, msg, wp, lp);
}

// Each new text lays the box out again: once a second, never while hidden, fresh when shown.
TEST_F(AlertsTest, TheClockIsSetOnceASecondNeverWhileHiddenAndUpToDateWhenShown) {
    SetWindowSubclass(Main().txtHora.hwnd(), CountSetText, 1, 0);
    fakes.clock.Set(22, 0, 1);
    TickInTurn(20);
    EXPECT_EQ(clockSets, 1);
    ShowWindow(Main().hwnd(), SW_HIDE);
    fakes.clock.Set(22, 0, 2);
    TickInTurn(2);
    EXPECT_EQ(clockSets, 1);
    Main().Mostrar();
    EXPECT_EQ(std::pair(clockSets, Main().txtHora.Text()), std::pair(2, std::wstring(L"22:00:02")));
}

TEST_F(AlertsTest, AvisaShowsTheMessageOfItsNumberTitledAvisoWithTheInformationIcon) {
    const std::tuple<std::uint8_t, std::wstring Module1::*, const wchar_t*> rows[] = {
        {15, &Module1::strMsg15min, L"quinze"}, {10, &Module1::strMsg10min, L"dez"},
        {5, &Module1::strMsg05min, L"cinco"},   {2, &Module1::strMsg02min, L"dois"},
        {1, &Module1::strMsg01min, L"um"},      {0, &Module1::strMsgDespertar, L"Atenção!"}};
    for (const auto& [varOQue, message, text] : rows) { // each set just before: a wrong one differs
        M().*message = text;
        Background().Avisa(varOQue);
        EXPECT_EQ(LastBalloon(), "Aviso|1|" + win32::ToAnsi(text)) << int(varOQue);
    }
    const std::size_t calls = fakes.shell.calls.size();
    for (const std::uint8_t none : {3, 4, 14, 16, 20, 255}) {
        Background().Avisa(none);
    }
    EXPECT_EQ(fakes.shell.calls.size(), calls) << "no pre-alert has these numbers";
}

// Only the file inside the folder plays, not one beside it; a looping file goes on until stopped.
TEST_F(AlertsTest, TocarPlaysTheFileInsideTheFolderOnceUntilStoppedOrAnotherIsAskedFor) {
    const std::filesystem::path beside = fakes.folder.Path() + L"galo.wav";
    std::ofstream(beside) << kWave;
    fakes.folder.Write(L"sino.wav", kWave);
    fakes.folder.Write(L"canção.wav", kWave);
    for (const wchar_t* name : {L"galo.wav", L"galo.wav", L"sino.wav", L"sino.wav"}) {
        M().strSom = name;
        Background().Tocar();
    }
    Background().Stop_();
    Background().Tocar();
    M().strSom = L"canção.wav";
    Background().Tocar();
    std::filesystem::remove(beside);
    EXPECT_EQ(Background().strArquivoSom(), In(L"canção.wav")) << "the last started";
    EXPECT_EQ(Played(), (Sounds{Play(In(L"galo.wav")), Play(In(L"sino.wav")), kPurge,
                                Play(In(L"sino.wav")), Play(In(L"canção.wav"))}));
    EXPECT_EQ(std::tuple(fakes.shell.calls.size(), Boxes()), std::tuple(3u, 0u))
        << "the start's calls only; stopping leaves the balloon alone";
}

TEST_F(AlertsTest, ATargetFiresOnceHoweverManyTicksOfEitherTimerFallInItsSecond) {
    Main().chk15min.SetValue(1);
    Main().chkDesligar.SetValue(1);
    ArmWithSound();    // galo.wav, after "...Ajuda"
    TickAt(6, 40, 30); // ticks outside a target second call nothing and allocate nothing
    TickMain();        // shows 06:40:30
    const std::size_t shellCalls = fakes.shell.calls.size();
    const long long allocations = alarm::HeapAllocations();
    TickInTurn(200);
    for (int s = 0; s < 60; ++s) {
        TickAt(6, 41, s);
    }
    EXPECT_EQ(alarm::HeapAllocations() - allocations, 0);
    EXPECT_EQ(fakes.shell.calls.size(), shellCalls);

    // The target, the main and background timers' ticks in its second.
    const std::tuple<int, int, int, int> rows[] = {
        {7, 5, 10, 0}, {7, 5, 0, 10}, {7, 5, 10, 10}, {6, 50, 10, 10}};
    for (const auto& [h, m, mainTicks, backgroundTicks] : rows) {
        SCOPED_TRACE(::testing::Message() << h << ":" << m << ", " << mainTicks << backgroundTicks);
        const bool wakeUp = m == 5;
        Background().Stop_(); // a new firing starts the sound afresh
        TickAt(h, m - 1, 59);
        const std::size_t balloons = Balloons();
        const std::size_t shutdownCalls = fakes.shutdown.calls.size();
        Played();
        fakes.clock.Set(h, m, 0, 31);
        for (int i = 0; i < std::max(mainTicks, backgroundTicks); ++i) {
            i < mainTicks ? TickMain() : void();
            i < backgroundTicks ? TickBackground() : void();
        }
        EXPECT_EQ(Balloons() - balloons, 1u);
        EXPECT_EQ(Played(), Sounds(wakeUp ? 1 : 0, Play(In(L"galo.wav"))));
        // One shutdown request: the privilege step and ExitWindowsEx.
        EXPECT_EQ(fakes.shutdown.calls.size() - shutdownCalls, wakeUp ? 6u : 0u);
    }
}

TEST_F(AlertsTest, TheWakeTimerFollowsTheNextTargetByThatDaysRulesAndTheStayAwakeTheNearOne) {
    Click(Main().lblStatus); // visual alert only, as designed
    // 7:05 on the 31st is in summer time: 5:05 UTC, not 6:05.
    EXPECT_EQ(Asked(), Calls{"timer 2024-03-31 05:04:30"});
    TickAt(7, 3, 59);
    EXPECT_EQ(Asked(), Calls{}) << "61 s before: not yet";
    TickAt(7, 4, 0);
    EXPECT_EQ(Asked(), Calls{"state 80000003"});
    TickAt(7, 5, 0);
    Asked();

    fakes.clock.Set(6, 0, 0, 31); // the clock set back
    SendMessageW(Background().hwnd(), WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(Asked(), Calls{"timer 2024-03-31 05:04:30"});
    for (const WPARAM event : {PBT_APMRESUMEAUTOMATIC, PBT_APMRESUMESUSPEND, PBT_APMSUSPEND}) {
        fakes.clock.Set(8, 0, 0, 31);
        SendMessageW(Background().hwnd(), WM_POWERBROADCAST, event, 0);
        EXPECT_EQ(Asked(), event == PBT_APMSUSPEND ? Calls{} : Calls{"timer 2024-04-01 05:04:30"});
    }

    TickAt(7, 4, 30);
    EXPECT_EQ(Asked(), Calls{"state 80000003"});
    Restore();
    Click(Main().lblStatus);
    EXPECT_EQ(Asked(), (Calls{"cancel", "state 80000000"}));
    SendMessageW(Background().hwnd(), WM_TIMECHANGE, 0, 0);
    TickAt(7, 4, 40);
    EXPECT_EQ(Asked(), Calls{});

    Click(Main().lblStatus);
    const std::size_t balloons = Balloons();
    TickAt(7, 30, 0);
    ASSERT_EQ(Balloons(), balloons + 1);
    EXPECT_EQ(LastBalloon(),
              win32::ToAnsi(L"Aviso|2|O alarme das 07:05 não tocou: o computador estava em "
                            L"suspensão ou o relógio foi adiantado."));

    Asked();
    fakes.process.onExit = [this] { EXPECT_EQ(fakes.power.calls, Calls{"cancel"}); };
    SendMessageW(Main().hwnd(), WM_CLOSE, 0, 0); // answered Yes
    EXPECT_EQ(fakes.process.exits, 1);
}

TEST_F(AlertsTest, AFileThatCannotPlayLoopsTheReserveSoundWithOneWarning) {
    fakes.folder.Write(L"texto.wav", "RIFF? no, a note about the alarm");
    fakes.folder.Write(L"vazio.wav", "");
    fakes.folder.Write(L"cortado.wav", kWave.substr(0, 40) + std::string("\xE8\3\0\0\x80", 5));
    fakes.folder.Write(L"sem-formato.wav", kWave.substr(0, 12) + kWave.substr(36));
    // The last is a good file that PlaySoundW refuses.
    for (const std::wstring name : {L"sumiu.wav", L"texto.wav", L"vazio.wav", L"cortado.wav",
                                    L"sem-formato.wav", L"galo.wav"}) {
        SCOPED_TRACE(win32::ToAnsi(name));
        const bool refused = name == L"galo.wav";
        Background().Stop_();
        Played();
        fakes.sound.accepts = [refused](const SoundCall& c) { return !(refused && c.module == 0); };
        M().strSom = name;
        const std::size_t balloons = Balloons();
        Background().Tocar();
        EXPECT_EQ(Played(), (refused ? Sounds{Play(In(name)), Reserve()} : Sounds{Reserve()}));
        ASSERT_EQ(Balloons(), balloons + 1);
        EXPECT_EQ(LastBalloon(),
                  Warning(L"O som escolhido (" + name +
                          L") não pôde tocar: o Acordina toca o seu som de reserva."));
        // The reserve loops: no retry, no second warning, not even for the same file again.
        Seconds(1, 3);
        Background().Tocar();
        EXPECT_EQ(std::pair(Played(), Balloons()), std::pair(Sounds{}, balloons + 1));
    }
}

TEST_F(AlertsTest, WithNoOutputTheSoundIsTriedEachSecondUntilItPlaysAndDisarmingEndsTheRetries) {
    fakes.sound.accepts = [](const SoundCall&) { return false; };
    M().strSom = L"galo.wav";
    fakes.clock.Set(7, 5, 0);
    Background().Tocar();
    const Sounds aTry{Play(In(L"galo.wav")), Reserve()};
    EXPECT_EQ(Played(), aTry);
    EXPECT_EQ(LastBalloon(),
              Warning(L"O som do alarme não pôde tocar. O Acordina continua tentando."));
    const std::size_t balloons = Balloons();
    Seconds(0, 0);
    EXPECT_EQ(Played(), Sounds{}) << "not twice in a second";
    for (int s = 1; s < 4; ++s) {
        Seconds(s, s);
        EXPECT_EQ(Played(), aTry);
    }
    fakes.sound.accepts = nullptr;
    Seconds(4, 4);
    EXPECT_EQ(Played(), Sounds{Play(In(L"galo.wav"))});
    Seconds(5, 5);
    EXPECT_EQ(Played(), Sounds{});
    EXPECT_EQ(Balloons(), balloons) << "one warning a wake-up";

    // Disarmed while retrying (the sound box unticked meanwhile): silence, no more tries.
    Background().Stop_();
    fakes.sound.accepts = [](const SoundCall&) { return false; };
    Background().Tocar();
    Background().Tocar(); // the next wake-up: tried at once, warned again
    EXPECT_EQ(Played(), (Sounds{kPurge, aTry[0], aTry[1], aTry[0], aTry[1]}));
    EXPECT_EQ(Balloons(), balloons + 2);
    Main().chkDespSom.SetValue(0);
    Background().AlarmeDesarmado();
    EXPECT_EQ(Played(), Sounds{kPurge});
    Seconds(6, 8);
    EXPECT_EQ(Played(), Sounds{});
}

TEST_F(AlertsTest, AnAlertNobodyCouldSeeIsShownOnceMoreWhenBalloonsAreSeenAgain) {
    Click(Main().lblStatus);
    EXPECT_EQ(fakes.notifications.watched, std::vector{Background().hwnd()});
    const auto session = [&](int state, WPARAM change) {
        fakes.notifications.state = state;
        SendMessageW(Background().hwnd(), WM_WTSSESSION_CHANGE, change, 0);
    };
    session(QUNS_NOT_PRESENT, WTS_SESSION_LOCK);
    TickAt(7, 5, 0);
    const std::string wakeUp = "Aviso|1|TRRRIIIMMM!!! Despertando...";
    EXPECT_EQ(LastBalloon(), wakeUp);
    const std::size_t balloons = Balloons();
    TickAt(7, 5, 1);
    session(QUNS_NOT_PRESENT, WTS_SESSION_UNLOCK);
    session(QUNS_ACCEPTS_NOTIFICATIONS, WTS_SESSION_LOCK);
    EXPECT_EQ(Balloons(), balloons);
    session(QUNS_ACCEPTS_NOTIFICATIONS, WTS_SESSION_UNLOCK);
    session(QUNS_ACCEPTS_NOTIFICATIONS, WTS_SESSION_UNLOCK);
    EXPECT_EQ(std::pair(Balloons(), LastBalloon()), std::pair(balloons + 1, wakeUp));
    fakes.notifications.state = QUNS_PRESENTATION_MODE;
    Background().AvisaNaoTocou({7, 5, 0});
    fakes.notifications.state = QUNS_ACCEPTS_NOTIFICATIONS;
    TickAt(7, 5, 2);
    EXPECT_EQ(Balloons(), balloons + 3);
    EXPECT_EQ(fakes.shell.Balloons()[balloons + 1]->Info(), fakes.shell.Balloons().back()->Info());
}

// The refused file's warning waits for the wake-up balloon's end or the user; without it, at once.
TEST_F(AlertsTest, TheSoundsWarningNeverCoversTheWakeUpMessage) {
    ArmWithSound();
    fakes.sound.accepts = [](const SoundCall& c) { return c.module != 0; };
    const UINT rows[] = {NIN_BALLOONTIMEOUT, NIN_BALLOONUSERCLICK, NIN_BALLOONHIDE, 0,
                         WM_LBUTTONDBLCLK}; // 0: no visual alert
    for (int day = 1; const UINT shell : rows) {
        M().blnDespVisual = shell != 0;
        Background().Stop_();
        TickAt(7, 5, 0, day);
        TickAt(7, 5, 9, day++);
        if (shell != 0) {
            EXPECT_EQ(LastBalloon(), "Aviso|1|TRRRIIIMMM!!! Despertando...");
            Tray(shell);
        }
        EXPECT_EQ(LastBalloon(), Warning(L"O som escolhido (galo.wav) não pôde tocar: o "
                                         L"Acordina toca o seu som de reserva."));
        const std::size_t balloons = Balloons();
        Tray(NIN_BALLOONTIMEOUT);
        EXPECT_EQ(Balloons(), balloons);
    }
}

// Sound ticked, the chosen file there, the output silent (none: not known); on battery, the plan's
// setting on mains and on battery, the timer set and resuming; the balloon.
TEST_F(AlertsTest, ArmingWarnsOfASoundOrWakeTimerThatWillFailInsteadOfTheHiddenBalloon) {
    const std::string hidden = "Aviso|1|" + win32::ToAnsi(kHiddenBalloon);
    const std::string mute =
        Warning(L"O som do Windows está mudo ou sem volume: o alarme não será ouvido.");
    const std::string unread = Warning(L"O som escolhido (galo.wav) não pôde ser lido: na hora, o "
                                       L"Acordina tocará o seu som de reserva.");
    const std::string asleep = Warning(
        L"O Windows não deixa o Acordina acordar o computador (Opções de energia › Permitir "
        L"temporizadores de ativação): se ele entrar em suspensão, o alarme não tocará.");
    using Setting = std::optional<std::uint32_t>;
    using Row = std::tuple<bool, bool, std::optional<bool>, bool, Setting, Setting,
                           alarm::WakeTimerAnswer, const std::string&>;
    // clang-format off
    const Row rows[] = {
        {1, 1, false, 0, 1, 1, {}, hidden},        {1, 1, {}, 0, 1, 1, {}, hidden},
        {0, 0, true, 0, 1, 1, {}, hidden},         {1, 1, true, 0, 1, 1, {}, mute},
        {1, 0, true, 0, 1, 1, {}, unread},         {0, 1, false, 0, 0, 1, {}, asleep},
        {0, 1, false, 1, 1, 0, {}, asleep},        {0, 1, false, 0, 1, 0, {}, hidden},
        {0, 1, false, 1, 0, 1, {}, hidden},        {0, 1, false, 0, {}, {}, {}, hidden},
        {0, 1, false, 1, {}, 0, {0, 0}, asleep},   {0, 1, false, 0, 1, 1, {1, 0}, asleep}};
    // clang-format on
    for (int row = 0;
         const auto& [sound, fileThere, silent, battery, ac, dc, answer, balloon] : rows) {
        SCOPED_TRACE(row++);
        fakes.audio.silent = silent;
        std::tie(fakes.power.onBattery, fakes.power.onAc, fakes.power.onDc, fakes.power.answer) =
            std::tie(battery, ac, dc, answer);
        OpenPanel();
        Choose(Main().cboSom, 1);
        SetTick(Main().chkDespVisual, true);
        SetTick(Main().chkDespSom, sound);
        if (!fileThere) {
            std::filesystem::remove(In(L"galo.wav"));
        }
        Click(Main().lblStatus);
        EXPECT_EQ(LastBalloon(), balloon);
        EXPECT_EQ(fakes.shell.calls.back().Tip(), win32::ToAnsi(kHiddenHint));
        EXPECT_TRUE(M().blnLigado);
        Restore();
        Click(Main().lblStatus);
        fakes.folder.Write(L"galo.wav", kWave);
    }
}

// Armed with sound, ringing: outputs gone and back, or another default, start it once each; a loop
// that ended, the next second; the meter, once it moved, after 5 s of silence; disarmed, nothing.
// Watched only while armed.
TEST_F(AlertsTest, OutputsSetTheSoundOptionAndStartARingingSoundOnceOnEachReturnOrChange) {
    OpenPanel();
    SetTick(Main().chkDespVisual, false); // the sound's warning is then the last balloon
    SetTick(Main().chkDespSom, true);
    // Unarmed: the event (DBT_DEVNODES_CHANGED or another), the outputs, the option enabled.
    const std::tuple<WPARAM, std::uint32_t, bool> changes[] = {
        {0x0007, 0, false}, {0x8000, 1, false}, {0x0007, 1, true}, {0x0007, 2, true}};
    for (const auto& [event, devices, enabled] : changes) {
        fakes.sound.waveDevices = devices;
        SendMessageW(Background().hwnd(), WM_DEVICECHANGE, event, 0);
        EXPECT_EQ(IsWindowEnabled(Main().chkDespSom.hwnd()) != FALSE, enabled);
        EXPECT_EQ(Main().chkDespSom.Value(), 1);
    }
    ArmWithSound();
    fakes.sound.waveDevices = 0; // armed, not yet ringing: the alarm stays, the sound silent
    SendMessageW(Background().hwnd(), WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    fakes.sound.waveDevices = 1;
    EXPECT_EQ(fakes.audio.watching, std::pair(Background().hwnd(), UINT(WM_APP + 1)));
    // The second's ticks, then the devices there and what tells of them (1: another default).
    const auto second = [&](int s, std::uint32_t devices, WPARAM event = 0) {
        fakes.clock.Set(7, 5, s, 31);
        TickInTurn(20);
        fakes.sound.waveDevices = devices;
        event == 1 ? SendMessageW(Background().hwnd(), WM_APP + 1, 1, 0)
                   : SendMessageW(Background().hwnd(), WM_DEVICECHANGE, event, 0);
        return Played();
    };
    const Sounds one{Play(In(L"galo.wav"))}, none;
    EXPECT_EQ(second(0, 1), one);
    fakes.audio.peak = 0.5f;
    const std::tuple<std::uint32_t, WPARAM, Sounds> rows[] = {{0, DBT_DEVNODES_CHANGED, none},
                                                              {0, DBT_DEVICEREMOVECOMPLETE, none},
                                                              {1, DBT_DEVICEARRIVAL, one},
                                                              {1, 1, one},
                                                              {1, DBT_DEVNODES_CHANGED, none}};
    for (int s = 1; const auto& [devices, event, sounds] : rows) {
        EXPECT_EQ(second(s++, devices, event), sounds) << event;
    }
    fakes.sound.loopEnded = true; // it reached no output: begun again the next second
    EXPECT_EQ(second(6, 1), (Sounds{{In(L"galo.wav"), 0, SND_ASYNC | SND_LOOP | SND_NOSTOP}}));
    fakes.audio.peak = 0.0f;
    for (int s = 7; s < 13; ++s) {
        EXPECT_EQ(second(s, 1), s == 12 ? one : none) << s;
    }
    EXPECT_EQ(LastBalloon(),
              Warning(L"O som do alarme não pôde tocar. O Acordina continua tentando."));
    second(13, 0, DBT_DEVNODES_CHANGED);
    Restore();
    Click(Main().lblStatus);
    EXPECT_EQ(Played(), Sounds{kPurge});
    EXPECT_EQ(fakes.audio.watching, (std::pair<HWND, UINT>{}));
    EXPECT_EQ(second(14, 1, DBT_DEVNODES_CHANGED), none);
    EXPECT_EQ(second(15, 1, 1), none);
}

// Windows-1252 has no Cyrillic: the name goes to PlaySoundW as it is, and comes back by name.
TEST_F(AlertsTest, ANameOutsideTheCodePagePlaysAndIsChosenAgainAfterTheFolderChanged) {
    const std::wstring name = L"Будильник.wav";
    fakes.folder.Write(name, kWave);
    Start();
    ArmWithSound(static_cast<int>(
        SendMessageW(Main().cboSom.hwnd(), CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(name.c_str()))));
    Background().Tocar();
    EXPECT_EQ(Played(), Sounds{Play(In(name))});
    EXPECT_EQ(LastBalloon(), "Aviso|1|" + win32::ToAnsi(kHiddenBalloon)) << "no warning";

    fakes.folder.Write(L"Alarme.wav", kWave);
    fakes.folder.Write(L"Ave.wav", kWave);
    Start();
    EXPECT_EQ(Main().cboSom.Text(), name);
}

// Answers each pop-up menu from inside its own loop, where timers still run: notes where it opened
// and how far the program had got, then presses the keys; one still open a second later is ended.
class TrayTest : public ProgramFixture {
protected:
    void SetUp() override {
        Start();
        SetWindowLongPtrW(watcher_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetTimer(watcher_.get(), 1, 10, &WatchMenus);
    }
    // The hooks see the test's locals: gone before the program ends, even after a failure.
    void TearDown() override {
        fakes.shell.onNotify = nullptr;
        fakes.process.onExit = nullptr;
    }
    static void CALLBACK WatchMenus(HWND window, UINT, UINT_PTR, DWORD) {
        auto& self = *reinterpret_cast<TrayTest*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        HWND open = nullptr;
        while ((open = FindWindowExW(nullptr, open, L"#32768", nullptr)) &&
               !IsWindowVisible(open)) {
        }
        if (!open || self.waited++ > 0) {
            if (open && self.waited % 100 == 0) {
                EndMenu();
            }
            return;
        }
        self.menus.push_back({{}, self.fakes.shell.calls.size()});
        GetWindowRect(open, &self.menus.back().first);
        for (const WPARAM key : self.keys) {
            PostMessageW(open, WM_KEYDOWN, key, 0);
        }
    }
    std::vector<std::pair<RECT, std::size_t>> menus; // where each opened, after how many calls
    std::vector<WPARAM> keys;                        // answer the next menu, with waited set to 0
    int waited = 0;
    win32::UniqueWindow watcher_{
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)};

    HWND Bg() { return Background().hwnd(); }
    bool Normal() { return IsWindowVisible(Main().hwnd()) && !IsIconic(Main().hwnd()); }
    void Minimise() { SendMessageW(Main().hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }
    // Stops the single-click timer; true when it was still waiting.
    bool SingleClickWaiting() {
        return KillTimer(Bg(), background::TrayIcon::kSingleClickTimer) != FALSE;
    }
    void LeftClick() {
        Tray(WM_LBUTTONDOWN);
        Tray(WM_LBUTTONUP);
    }
    // The shell calls from `first`: "message flags tip|info|title|info flags" a line, in ANSI.
    std::string CallsFrom(std::size_t first) {
        const auto icon = static_cast<UINT_PTR>(SendMessageW(Bg(), WM_GETICON, ICON_SMALL, 0));
        std::string calls;
        for (std::size_t i = first; i < fakes.shell.calls.size(); ++i) {
            const ShellCall& c = fakes.shell.calls[i];
            const bool ours = c.Field(0) == 488 && c.Field(4) == UINT_PTR(Bg()) &&
                              c.Field(8) == 1 && c.Field(16) == WM_MOUSEMOVE && c.Field(20) == icon;
            calls += (ours ? "" : "NOT THE ICON: ") + std::to_string(c.message) + " " +
                     std::to_string(c.Flags()) + " " + c.Tip() + "|" + c.Info() + "|" +
                     c.InfoTitle() + "|" + std::to_string(c.InfoFlags()) + "\n";
        }
        return calls;
    }
    // The window came to the front before the one call, which cleared the balloon.
    void ExpectFrontThenCleared(std::size_t calls, std::size_t fronts, const std::wstring& tip) {
        ASSERT_EQ(fakes.shell.foregrounds.size(), fronts + 1);
        EXPECT_EQ(fakes.shell.foregrounds.back(), std::pair(std::uint32_t(UINT_PTR(Bg())), calls));
        EXPECT_EQ(CallsFrom(calls), win32::ToAnsi(L"1 19 " + tip + L"|||0\n"));
    }
};

BOOL CALLBACK NotePending(HWND child, LPARAM pending) {
    *reinterpret_cast<bool*>(pending) |= IsWindowVisible(child) && GetUpdateRect(child, nullptr, 0);
    return TRUE;
}

bool Drawn(HWND window) {
    bool pending = !IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE);
    EnumChildWindows(window, NotePending, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

// Steps of the start taken while the main window was not yet drawn.
int early = 0;

LRESULT CALLBACK NoteBackgroundMade(int code, WPARAM wp, LPARAM lp) {
    const wchar_t* cls =
        code == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDW*>(lp)->lpcs->lpszClass : L"";
    if (!IS_INTRESOURCE(cls) && std::wstring_view(cls) == L"AcordinaBackground") {
        early += !Drawn(FindWindowW(L"AcordinaMain", nullptr));
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

// The main window is drawn first; then the background window, icon and welcome, the settings panel
// and the device count. Without a wave output the sound option is disabled; its tick stays.
TEST_F(TrayTest, StartDrawsTheMainWindowThenShowsTheIconAndWelcomeWithTheSoundOptionItCanPlay) {
    // The icon also goes away with each program: no main window to look at then.
    fakes.shell.onNotify = [&](const ShellCall& call) {
        early += call.message != NIM_DELETE &&
                 (!Drawn(Main().hwnd()) || Main().cboSom.hwnd() != nullptr);
    };
    fakes.sound.onCount = [&] { early += !Drawn(Main().hwnd()); };
    const std::unique_ptr<HHOOK__, decltype(&UnhookWindowsHookEx)> hook(
        SetWindowsHookExW(WH_CBT, NoteBackgroundMade, nullptr, GetCurrentThreadId()),
        &UnhookWindowsHookEx);
    // Wave outputs, the sound option's tick as read, whether it is enabled.
    const std::tuple<std::uint32_t, int, bool> rows[] = {
        {0, 1, false}, {1, 0, true}, {0xFFFFFFFF, 1, true}};
    for (const auto& [wave, tick, enabled] : rows) {
        SCOPED_TRACE(::testing::Message() << "wave " << wave);
        fakes.sound.waveDevices = wave;
        fakes.folder.Write(L"Config.inf", tick ? " 1 \r\n" : " 0 \r\n");
        program.reset();
        const std::size_t calls = fakes.shell.calls.size();
        Start();
        EXPECT_EQ(IsWindowEnabled(Main().chkDespSom.hwnd()) != FALSE, enabled);
        EXPECT_EQ(SendMessageW(Main().chkDespSom.hwnd(), BM_GETCHECK, 0, 0), tick);
        EXPECT_EQ(CallsFrom(calls),
                  win32::ToAnsi(L"0 7 Acordina|||0\n1 19 Acordina|||0\n"
                                L"1 19 Acordina|O sistema está ativo !|TAVU - Acordina|2\n"));
        EXPECT_EQ(std::pair(Normal(), GetForegroundWindow()), std::pair(true, Main().hwnd()));
    }
    fakes.sound.onCount = nullptr;
    EXPECT_EQ(std::tuple(early, fakes.sound.calls.size(), Boxes()), std::tuple(0, 0u, 0u));

    ASSERT_NE(SendMessageW(Bg(), WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(GetWindowLongW(Bg(), GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW),
              WS_EX_TOOLWINDOW);
    const RECT rc = RectIn(Bg());
    EXPECT_LE(rc.right - rc.left + rc.bottom - rc.top, 2);
    const HMENU menu = Background().tray().mnuFile();
    wchar_t first[16]{}, last[16]{};
    GetMenuStringW(menu, 0, first, 16, MF_BYPOSITION);
    GetMenuStringW(menu, 2, last, 16, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(first) + L"|" + last, L"Restaurar|Fechar");
    EXPECT_NE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
    EXPECT_EQ(GetMenuDefaultItem(menu, TRUE, 0), static_cast<UINT>(-1));
    // Command3, beyond the window's edge, asks for the forced shutdown (its steps: shutdown tests).
    SendMessageW(Background().Command3.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(fakes.shutdown.calls.at(5), "ExitWindowsEx(flags=5, reason=ffffffff)");
    EXPECT_EQ(fakes.process.exits, 0);
}

// Before the window hides, the hint becomes the tip and a balloon tells how to bring it back.
TEST_F(TrayTest, HidingShowsTheHintFirstAndADoubleClickShowsTheWindowAgain) {
    bool visibleAtBalloon = false;
    fakes.shell.onNotify = [&](const ShellCall& call) {
        visibleAtBalloon |=
            call.Info() == win32::ToAnsi(kHiddenBalloon) && IsWindowVisible(Main().hwnd());
    };
    const std::wstring hint = kHiddenHint;
    // The tooltip change leaves the balloon fields as the last call left them.
    const wchar_t* lastBalloon[] = {L"O sistema está ativo !|TAVU - Acordina|2", L"||0", L"||0"};
    for (const int way : {0, 1, 2}) { // minimised, armed, minimised while armed
        SCOPED_TRACE(way);
        std::size_t before = fakes.shell.calls.size();
        const std::size_t fronts = fakes.shell.foregrounds.size();
        visibleAtBalloon = false;
        way == 1 ? Click(Main().lblStatus) : Minimise();
        EXPECT_TRUE(visibleAtBalloon);
        EXPECT_EQ(std::pair(IsWindowVisible(Main().hwnd()) != FALSE, M().blnLigado),
                  std::pair(false, way > 0));
        EXPECT_EQ(CallsFrom(before),
                  win32::ToAnsi(L"1 7 " + hint + L"|" + lastBalloon[way] + L"\n1 19 " + hint +
                                L"|||0\n1 19 " + hint + L"|" + kHiddenBalloon + L"|Aviso|1\n"));
        before = fakes.shell.calls.size();
        LeftClick();
        Tray(WM_LBUTTONDBLCLK);
        Tray(WM_LBUTTONUP);
        EXPECT_FALSE(SingleClickWaiting());
        EXPECT_EQ(std::pair(Normal(), GetForegroundWindow()), std::pair(true, Main().hwnd()));
        ExpectFrontThenCleared(before, fronts, hint);
    }
    // Displayed, a double-click changes nothing; a press after a lost release starts a click.
    const std::size_t before = fakes.shell.calls.size();
    LeftClick();
    Tray(WM_LBUTTONDBLCLK);
    LeftClick();
    EXPECT_TRUE(SingleClickWaiting());
    EXPECT_EQ(fakes.shell.calls.size(), before);
    EXPECT_EQ(fakes.shell.foregrounds.size(), 3u);
    // A restarted shell gets the icon back with the tooltip of the moment.
    M().strMsgDespertar = L"acorde";
    Background().Avisa(0);
    SendMessageW(Bg(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(CallsFrom(before),
              win32::ToAnsi(L"1 19 " + hint + L"|||0\n1 19 " + hint + L"|acorde|Aviso|1\n0 7 " +
                            hint + L"|acorde|Aviso|1\n"));
    EXPECT_EQ(Boxes(), 1u) << "the arming's only";
    EXPECT_TRUE(menus.empty());
}

// A right press opens the menu at the mouse, a left release when no second click came, after the
// front and balloon steps. "Fechar" ends at once, unasked, even armed, and takes the icon away.
TEST_F(TrayTest, TheMenuOpensAtTheMouseAndItsItemsRestoreOrEnd) {
    Click(Main().lblStatus);
    win32::UniqueWindow other(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 600, 400,
                                              100, 100, nullptr, nullptr, nullptr, nullptr));
    SetCursorPos(200, 150);
    std::size_t callsAtExit = 0;
    fakes.process.onExit = [&] { callsAtExit = fakes.shell.calls.size(); };
    const std::vector<WPARAM> none{VK_ESCAPE}, restaurar{VK_DOWN, VK_RETURN},
        fechar{VK_DOWN, VK_DOWN, VK_RETURN};
    // The icon's notifications, whether the double-click time runs out afterwards, the keys.
    const std::tuple<std::vector<UINT>, bool, std::vector<WPARAM>> rows[] = {
        {{WM_RBUTTONDOWN}, false, none},
        {{WM_LBUTTONDOWN, WM_LBUTTONUP}, true, restaurar},
        {{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN}, false, none},
        {{0, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, 0xFFFF}, false, {}},
        {{WM_RBUTTONDOWN}, false, fechar},
    };
    for (const auto& [notifications, timeUp, rowKeys] : rows) {
        SCOPED_TRACE(::testing::PrintToString(notifications));
        Minimise();
        SetForegroundWindow(other.get());
        menus.clear();
        keys = rowKeys;
        waited = 0;
        const std::size_t calls = fakes.shell.calls.size();
        const std::size_t fronts = fakes.shell.foregrounds.size();
        for (const UINT notification : notifications) {
            Tray(notification);
        }
        if (timeUp) {
            EXPECT_TRUE(menus.empty());
            SendMessageW(Bg(), WM_TIMER, background::TrayIcon::kSingleClickTimer, 0);
        }
        EXPECT_FALSE(SingleClickWaiting());
        EXPECT_EQ(Normal(), rowKeys == restaurar);
        EXPECT_EQ(GetForegroundWindow() == Main().hwnd(), rowKeys == restaurar);
        EXPECT_EQ(fakes.process.exits, rowKeys == fechar ? 1 : 0);
        EXPECT_EQ(Boxes(), 1u) << "no close question";
        ASSERT_EQ(menus.size(), rowKeys.empty() ? 0u : 1u);
        if (rowKeys.empty()) {
            EXPECT_EQ(fakes.shell.calls.size(), calls);
            EXPECT_EQ(fakes.shell.foregrounds.size(), fronts);
            continue;
        }
        EXPECT_EQ(std::tuple(menus[0].first.left, menus[0].first.top, menus[0].second),
                  std::tuple(200L, 150L, calls + 1));
        if (rowKeys == fechar) { // the icon taken away before the end
            EXPECT_EQ(callsAtExit, calls + 2);
            EXPECT_EQ(CallsFrom(calls + 1),
                      win32::ToAnsi(L"2 19 " + std::wstring(kHiddenHint) + L"|||0\n"));
            fakes.shell.calls.pop_back();
        }
        ExpectFrontThenCleared(calls, fronts, kHiddenHint);
    }
    EXPECT_TRUE(M().blnLigado);
    auto traces = kTraces;
    traces.insert(traces.end(), kTracesGone.begin(), kTracesGone.end());
    EXPECT_EQ(fakes.comeback.calls, traces) << "\"Fechar\" takes them away";
}

using HeartbeatTest = ProgramFixture;

TEST_F(HeartbeatTest, ARefusedIconIsAddedAgainAndTheWelcomeFollowsIt) {
    int refusals = 3;
    fakes.shell.accepts = [&](const ShellCall& c) {
        return c.message != NIM_ADD || --refusals < 0;
    };
    Start();
    EXPECT_EQ(Balloons(), 0u);
    for (int s = 1; s <= 3; ++s) {
        fakes.clock.Set(12, 0, s);
        TickInTurn(4);
    }
    EXPECT_EQ(std::ranges::count(fakes.shell.calls, NIM_ADD, &ShellCall::message), 4);
    EXPECT_EQ(fakes.shell.calls.back().message, NIM_MODIFY);
    EXPECT_EQ(LastBalloon(), win32::ToAnsi(L"TAVU - Acordina|2|O sistema está ativo !"));
}

} // namespace
} // namespace acordina::testing
