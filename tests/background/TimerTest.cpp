// Both Timer1 ticks on the real windows, driven by WM_TIMER with a fake clock: the clock display,
// the pre-alerts, the wake-up actions in order, and what neither tick may do.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <commctrl.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>

namespace {

std::atomic<long long> heapAllocations{0};

} // namespace

// Counts every allocation of this test program, so a tick can be shown to make none. Kept out of
// line: inlined here, the compiler would pair the malloc and free across a new and a delete.
[[gnu::noinline]] void* operator new(std::size_t size) {
    heapAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
[[gnu::noinline]] void* operator new[](std::size_t size) {
    return ::operator new(size);
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete[](void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace acordina::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// One log for balloons, sounds, shutdown requests and message boxes, in the order they happen.
using Log = std::vector<std::string>;

class LoggingShell final : public tray::TrayShell {
public:
    LoggingShell(FakeShell& inner, Log& log) : inner_(inner), log_(log) {}
    bool NotifyIcon(std::uint32_t message, const tray::NotifyRecordBytes& record) override {
        const bool result = inner_.NotifyIcon(message, record);
        const ShellCall& call = inner_.calls.back();
        if (message == tray::NIM_MODIFY_ && (call.Flags() & 0x10) && !call.Info().empty()) {
            log_.push_back("Avisa " + call.Info());
        }
        return result;
    }
    std::int32_t SetForegroundWindow(std::uint32_t window) override {
        return inner_.SetForegroundWindow(window);
    }
    float TwipsPerPixelX() const override { return inner_.TwipsPerPixelX(); }

private:
    FakeShell& inner_;
    Log& log_;
};

class LoggingSound final : public win32::SoundSystem {
public:
    LoggingSound(FakeSound& inner, Log& log) : inner_(inner), log_(log) {}
    bool PlaySoundA(const char* name, std::uintptr_t module, std::uint32_t flags) override {
        log_.push_back(name ? std::string("Tocar ") + name : std::string("Stop"));
        return inner_.PlaySoundA(name, module, flags);
    }
    std::uint32_t waveOutGetNumDevs() override { return inner_.waveOutGetNumDevs(); }
    std::uint32_t midiOutGetNumDevs() override { return inner_.midiOutGetNumDevs(); }

private:
    FakeSound& inner_;
    Log& log_;
};

class LoggingShutdown final : public shutdown::ShutdownApi {
public:
    LoggingShutdown(FakeShutdownApi& inner, Log& log) : inner_(inner), log_(log) {}
    shutdown::Handle GetCurrentProcess() override { return inner_.GetCurrentProcess(); }
    bool OpenProcessToken(shutdown::Handle process, std::uint32_t access,
                          shutdown::Handle* token) override {
        return inner_.OpenProcessToken(process, access, token);
    }
    bool LookupPrivilegeValueA(const char* system, const char* name,
                               shutdown::Luid* luid) override {
        return inner_.LookupPrivilegeValueA(system, name, luid);
    }
    bool AdjustTokenPrivileges(shutdown::Handle token, bool disableAll,
                               const shutdown::TokenPrivileges& newState, std::uint32_t length,
                               shutdown::TokenPrivileges* previous,
                               std::uint32_t* returned) override {
        return inner_.AdjustTokenPrivileges(token, disableAll, newState, length, previous,
                                            returned);
    }
    bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override {
        log_.push_back("DesligarWindows " + std::to_string(flags));
        return inner_.ExitWindowsEx(flags, reason);
    }
    bool CloseHandle(shutdown::Handle handle) override { return inner_.CloseHandle(handle); }

private:
    FakeShutdownApi& inner_;
    Log& log_;
};

// Logs each box; `whileOpen` runs as if the box's own loop dispatched messages meanwhile.
class LoggingBoxes final : public win32::MessageBoxes {
public:
    LoggingBoxes(FakeMessageBoxes& inner, Log& log) : inner_(inner), log_(log) {}
    int Show(HWND owner, std::wstring_view text, std::wstring_view title, unsigned style) override {
        log_.push_back("box " + win32::ToAnsi(text));
        if (whileOpen) {
            whileOpen();
        }
        return inner_.Show(owner, text, title, style);
    }
    std::function<void()> whileOpen;

private:
    FakeMessageBoxes& inner_;
    Log& log_;
};

// Counts WM_SETTEXT reaching a control, through a subclass removed with the object.
class SetTextCounter {
public:
    explicit SetTextCounter(HWND control) : control_(control) {
        SetWindowSubclass(control_, &Proc, 1, reinterpret_cast<DWORD_PTR>(&count));
    }
    ~SetTextCounter() { RemoveWindowSubclass(control_, &Proc, 1); }
    SetTextCounter(const SetTextCounter&) = delete;
    SetTextCounter& operator=(const SetTextCounter&) = delete;
    int count = 0;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                 DWORD_PTR data) {
        if (msg == WM_SETTEXT) {
            ++*reinterpret_cast<int*>(data);
        }
        return DefSubclassProc(hwnd, msg, wp, lp);
    }
    HWND control_;
};

constexpr char kWake[] = "Avisa acorde";

class TimerTest : public ProgramFixture {
protected:
    void SetUp() override {
        fakes.clock.Set(6, 0, 0);
        program = std::make_unique<Program>(services_);
        program->Start();
        Pump();
        log.clear();
    }
    // The program refers to the logging services until it is gone.
    void TearDown() override {
        program.reset();
        Pump();
    }

    // Armed for 07:05 as arming leaves it, every pre-alert and wake-up action on.
    void ArmFor0705() {
        Module1& m = M();
        m.blnDespSom = m.blnDespVisual = m.blnDesligar = true;
        m.strSom = L"galo.wav";
        m.strMsgDespertar = L"acorde";
        m.strHoraDespertar = L"07:05:00";
        m.bln15min = m.bln10min = m.bln05min = m.bln02min = m.bln01min = true;
        m.strMsg15min = L"m15";
        m.strMsg10min = L"m10";
        m.strMsg05min = L"m05";
        m.strMsg02min = L"m02";
        m.strMsg01min = L"m01";
        m.strHora15min = L"6:50:00";
        m.strHora10min = L"6:55:00";
        m.strHora05min = L"7:0:00";
        m.strHora02min = L"7:3:00";
        m.strHora01min = L"7:4:00";
        m.blnLigado = true;
    }

    // What ticks of both timers at h:m:s do, the log cleared first.
    Log TickBothAt(int h, int m, int s) {
        fakes.clock.Set(h, m, s);
        log.clear();
        TickBoth();
        return log;
    }

    // Hour 0 and minute 0 are the spinners' starting values; the visual alert is ticked by
    // default. Ticks the 15- and 1-minute pre-alerts and clicks the status label.
    void ArmForMidnightThroughTheWindow() {
        auto& w = Main();
        ASSERT_EQ(w.txtHH.Text(), L"0");
        ASSERT_EQ(w.txtMM.Text(), L"0");
        ASSERT_EQ(w.chkDespVisual.Value(), 1);
        ASSERT_EQ(w.chkDespSom.Value(), 0);
        Click(w.lblConfig);
        ClickCheck(w.chk15min);
        ClickCheck(w.chk01min);
        ASSERT_EQ(w.chk15min.Value(), 1);
        ASSERT_EQ(w.chk01min.Value(), 1);
        Click(w.lblStatus);
    }

    std::string Tocar() const {
        return "Tocar " + win32::ToAnsi(fakes.folder.Path()) + "\\galo.wav";
    }

    Log log;
    LoggingShell shell_{fakes.shell, log};
    LoggingSound sound_{fakes.sound, log};
    LoggingShutdown shutdown_{fakes.shutdown, log};
    LoggingBoxes boxes_{fakes.messageBoxes, log};
    win32::Services services_{fakes.clock, boxes_,         shell_,       sound_,
                              shutdown_,   fakes.keyboard, fakes.folder, fakes.process};
};

// --- The clock display -------------------------------------------------------

TEST_F(TimerTest, TheClockShowsTwoDigitsForEachFieldArmedOrNot) {
    const struct {
        int h, m, s;
        const wchar_t* text;
    } cases[] = {{9, 3, 7, L"09:03:07"},
                 {23, 59, 59, L"23:59:59"},
                 {0, 0, 0, L"00:00:00"},
                 {12, 30, 45, L"12:30:45"},
                 {1, 2, 3, L"01:02:03"}};
    for (const bool armed : {false, true}) {
        M().blnLigado = armed;
        for (const auto& c : cases) {
            fakes.clock.Set(c.h, c.m, c.s);
            TickMain();
            EXPECT_EQ(Main().txtHora.Text(), c.text) << "armed " << armed;
        }
    }
}

TEST_F(TimerTest, TheClockTextIsSetOnlyWhenItChanges) {
    SetTextCounter sets(Main().txtHora.hwnd());
    // Loading already showed 06:00:00.
    for (int i = 0; i < 10; ++i) {
        TickMain();
    }
    EXPECT_EQ(sets.count, 0);
    fakes.clock.Set(6, 0, 1);
    for (int i = 0; i < 10; ++i) {
        TickMain();
    }
    EXPECT_EQ(sets.count, 1);
    EXPECT_EQ(Main().txtHora.Text(), L"06:00:01");
    fakes.clock.Set(6, 0, 2);
    for (int i = 0; i < 10; ++i) {
        TickBackground();
    }
    EXPECT_EQ(sets.count, 1) << "the background tick has no display";
    EXPECT_EQ(Main().txtHora.Text(), L"06:00:01");
    TickMain();
    EXPECT_EQ(sets.count, 2);
}

// --- Disarmed ------------------------------------------------------------------

TEST_F(TimerTest, DisarmedNeitherTickCallsAnythingWhateverTheSettingsHold) {
    ArmFor0705();
    M().blnLigado = false;
    const int targets[][3] = {{6, 50, 0}, {6, 55, 0}, {7, 0, 0}, {7, 3, 0}, {7, 4, 0}, {7, 5, 0}};
    for (const auto& t : targets) {
        for (int i = 0; i < 10; ++i) {
            EXPECT_THAT(TickBothAt(t[0], t[1], t[2]), IsEmpty());
        }
    }
    EXPECT_EQ(Main().txtHora.Text(), L"07:05:00") << "the main tick still shows the time";
    EXPECT_TRUE(fakes.sound.calls.empty());
    EXPECT_TRUE(fakes.shutdown.calls.empty());
}

// --- Pre-alerts ----------------------------------------------------------------

struct PreAlert {
    int minutes;
    int h, m;
    bool Module1::*flag;
    const char* logged;
};
constexpr PreAlert kPreAlerts[] = {
    {15, 6, 50, &Module1::bln15min, "Avisa m15"}, {10, 6, 55, &Module1::bln10min, "Avisa m10"},
    {5, 7, 0, &Module1::bln05min, "Avisa m05"},   {2, 7, 3, &Module1::bln02min, "Avisa m02"},
    {1, 7, 4, &Module1::bln01min, "Avisa m01"},
};

TEST_F(TimerTest, EachPreAlertFiresDuringItsOwnSecondOnly) {
    ArmFor0705();
    for (const auto& p : kPreAlerts) {
        SCOPED_TRACE(p.minutes);
        const std::size_t shellCalls = fakes.shell.calls.size();
        EXPECT_THAT(TickBothAt(p.h, p.m, 0), ElementsAre(p.logged, p.logged));
        // Each balloon follows its clear, titled "Aviso" with the information icon.
        ASSERT_EQ(fakes.shell.calls.size(), shellCalls + 4);
        EXPECT_EQ(fakes.shell.calls.back().InfoTitle(), "Aviso");
        EXPECT_EQ(fakes.shell.calls.back().InfoFlags(), 1u);
        EXPECT_EQ(fakes.shell.calls[shellCalls].Info(), "");

        EXPECT_THAT(TickBothAt(p.h, p.m, 1), IsEmpty());
        EXPECT_THAT(TickBothAt(p.h, p.m, 59), IsEmpty());
        EXPECT_THAT(TickBothAt(p.m == 0 ? p.h - 1 : p.h, (p.m + 59) % 60, 59), IsEmpty());
        EXPECT_THAT(TickBothAt((p.h + 12) % 24, p.m, 0), IsEmpty()) << "twelve hours apart";
    }
}

TEST_F(TimerTest, APreAlertWhoseFlagIsOffNeverFiresThoughItsTimeIsStored) {
    for (const auto& off : kPreAlerts) {
        SCOPED_TRACE(off.minutes);
        ArmFor0705();
        M().*off.flag = false;
        for (const auto& p : kPreAlerts) {
            const Log expected = &p == &off ? Log{} : Log{p.logged, p.logged};
            EXPECT_EQ(TickBothAt(p.h, p.m, 0), expected) << p.minutes;
        }
    }
}

// --- The wake-up second ---------------------------------------------------------

TEST_F(TimerTest, TheWakeUpSecondRunsTheChosenActionsInOrderOnEveryTick) {
    ArmFor0705();
    const std::string tocar = Tocar();
    const std::string desligar = "DesligarWindows 5";
    for (int choice = 0; choice < 8; ++choice) {
        const bool visual = choice & 1, sound = choice & 2, shutdown = choice & 4;
        SCOPED_TRACE(::testing::Message()
                     << "visual " << visual << " sound " << sound << " shutdown " << shutdown);
        M().blnDespVisual = visual;
        M().blnDespSom = sound;
        M().blnDesligar = shutdown;
        Log once;
        if (visual) {
            once.push_back(kWake);
        }
        if (sound) {
            once.push_back(tocar);
        }
        if (shutdown) {
            once.push_back(desligar);
        }
        Log twice = once;
        twice.insert(twice.end(), once.begin(), once.end());
        EXPECT_EQ(TickBothAt(7, 5, 0), twice);
        EXPECT_THAT(TickBothAt(7, 5, 1), IsEmpty());
    }
}

TEST_F(TimerTest, AWakeUpAtAPreAlertTimeFollowsThePreAlertsInTheSameTick) {
    ArmFor0705();
    M().strHora15min = M().strHora01min = L"7:5:00";
    M().blnDespSom = M().blnDesligar = false;
    fakes.clock.Set(7, 5, 0);
    log.clear();
    TickBackground();
    EXPECT_THAT(log, ElementsAre("Avisa m15", "Avisa m01", kWake));
}

TEST_F(TimerTest, EachTimerFiresOnItsOwnAboutTwentyTimesInTheWakeUpSecond) {
    ArmFor0705();
    M().blnDespVisual = M().blnDesligar = false;
    fakes.clock.Set(7, 5, 0);
    const struct {
        const char* name;
        int mainTicks, backgroundTicks;
    } cases[] = {{"main alone", 10, 0}, {"background alone", 0, 10}, {"both", 10, 10}};
    for (const auto& c : cases) {
        const std::size_t before = fakes.sound.calls.size();
        for (int i = 0; i < c.mainTicks; ++i) {
            TickMain();
        }
        for (int i = 0; i < c.backgroundTicks; ++i) {
            TickBackground();
        }
        EXPECT_EQ(fakes.sound.calls.size() - before,
                  static_cast<std::size_t>(c.mainTicks + c.backgroundTicks))
            << c.name;
    }
}

TEST_F(TimerTest, TheHiddenMainWindowKeepsFiring) {
    ArmFor0705();
    ShowWindow(Main().hwnd(), SW_HIDE);
    M().blnDespSom = M().blnDesligar = false;
    fakes.clock.Set(7, 5, 0);
    log.clear();
    TickMain();
    EXPECT_THAT(log, ElementsAre(kWake));
    EXPECT_EQ(Main().txtHora.Text(), L"07:05:00");
}

TEST_F(TimerTest, AClockJumpingOverTheTargetMissesItAndOneSetBackOverItFiresAgain) {
    ArmFor0705();
    M().blnDespSom = M().blnDesligar = false;
    M().bln01min = M().bln02min = M().bln05min = M().bln10min = M().bln15min = false;
    const struct {
        int h, m, s;
        std::size_t fired;
    } steps[] = {
        {7, 4, 59, 0}, {7, 5, 1, 0}, {7, 6, 0, 0}, // jumped over 07:05:00
        {7, 5, 0, 2},  {7, 5, 0, 2}, {7, 5, 1, 0}, // set back: fires for the rest of the second
        {7, 5, 0, 2},                              // and once more the next "day"
    };
    for (const auto& step : steps) {
        EXPECT_EQ(TickBothAt(step.h, step.m, step.s).size(), step.fired)
            << step.h << ":" << step.m << ":" << step.s;
    }
}

TEST_F(TimerTest, DisarmingStopsTheFiring) {
    ArmFor0705();
    M().blnDespSom = M().blnDesligar = false;
    EXPECT_EQ(TickBothAt(7, 5, 0).size(), 2u);
    M().blnLigado = false;
    EXPECT_THAT(TickBothAt(7, 5, 0), IsEmpty());
}

// --- Through real arming ----------------------------------------------------------

TEST_F(TimerTest, ArmedThroughTheWindowForMidnightThePreAlertsFireTheEveningBefore) {
    fakes.clock.Set(22, 0, 0);
    ArmForMidnightThroughTheWindow();
    ASSERT_TRUE(M().blnLigado);
    EXPECT_FALSE(IsWindowVisible(Main().hwnd()));
    const std::string wake = "Avisa TRRRIIIMMM!!! Despertando...";
    const std::string pre15 = "Avisa Faltam 15 minutos para despertar.";
    const std::string pre01 = "Avisa Falta 1 minuto para despertar.";
    const struct {
        int h, m, s;
        Log expected;
    } steps[] = {
        {23, 45, 0, {pre15, pre15}},
        {23, 50, 0, {}},
        {23, 55, 0, {}},
        {23, 58, 0, {}},
        {23, 59, 0, {pre01, pre01}},
        {23, 59, 1, {}},
        {0, 0, 0, {wake, wake}},
        {0, 0, 1, {}},
        {12, 0, 0, {}},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(TickBothAt(step.h, step.m, step.s), step.expected)
            << step.h << ":" << step.m << ":" << step.s;
    }
}

TEST_F(TimerTest, ArmingInTheWakeUpSecondFiresWhileTheConfirmationIsOpen) {
    fakes.clock.Set(0, 0, 0);
    boxes_.whileOpen = [this] {
        TickMain();
        TickBackground();
    };
    ArmForMidnightThroughTheWindow();
    boxes_.whileOpen = nullptr;
    const std::string wake = "Avisa TRRRIIIMMM!!! Despertando...";
    // Real ticks pumped after the click may add more wake-up balloons at the end.
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "box Programa ACORDIMA programado!");
    EXPECT_EQ(log[1], wake);
    EXPECT_EQ(log[2], wake);
    EXPECT_THAT(log[3], ::testing::StartsWith("Avisa O programa ACORDINA est"));
    EXPECT_THAT(Log(log.begin() + 4, log.end()), ::testing::Each(wake));
}

// --- The timers themselves ------------------------------------------------------------

TEST_F(TimerTest, EachWindowOwnsItsTimerFromCreation) {
    // KillTimer succeeds only for a timer that exists; put each back as it was.
    EXPECT_TRUE(KillTimer(Main().hwnd(), mainwindow::frmAcordina::kTimer1));
    SetTimer(Main().hwnd(), mainwindow::frmAcordina::kTimer1, 100, nullptr);
    EXPECT_TRUE(KillTimer(Background().hwnd(), background::frmAcordina_::kTimer1));
    SetTimer(Background().hwnd(), background::frmAcordina_::kTimer1, 100, nullptr);
}

TEST_F(TimerTest, TicksOutsideATargetSecondAllocateNothing) {
    ArmFor0705();
    fakes.clock.Set(7, 4, 30);
    TickMain(); // shows 07:04:30
    const long long before = heapAllocations.load();
    for (int i = 0; i < 100; ++i) {
        TickBoth();
    }
    for (int s = 0; s < 60; ++s) {
        fakes.clock.Set(6, 51, s);
        TickBackground();
    }
    EXPECT_EQ(heapAllocations.load() - before, 0);
    EXPECT_THAT(log, IsEmpty());
}

} // namespace
} // namespace acordina::testing
