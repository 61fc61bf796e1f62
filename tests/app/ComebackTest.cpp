// The armed alarm's traces, the start that arms it again, one copy, the end after a failure.
#include "ProgramFixture.h"

#include "alarm/RestartRecord.h"
#include "services/real/SystemSingleInstance.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <stdexcept>

namespace acordina::testing {
namespace {

class ComebackTest : public ProgramFixture {
protected:
    // Armed at 23:00 for 07:05 with the 15-minute pre-alert and its own message.
    void ArmAtNight() {
        fakes.comeback.record.reset();
        fakes.clock.Set(23, 0, 0);
        Start();
        OpenPanel();
        SetTick(Main().chk15min, true);
        Type(Main().txt15min, L"quinze");
        Spin(Main().vsHH, SB_LINEUP, 7);
        Spin(Main().vsMM, SB_LINEUP, 5);
        Click(Main().lblStatus);
    }
    std::optional<alarm::RestartRecord> Record() const {
        return alarm::ParseRecord(fakes.comeback.record.value_or(""));
    }
};

TEST_F(ComebackTest, TheRecordIsWrittenAtArmingAndAtEachWakeUpAndGoesWithTheShutdown) {
    ArmAtNight();
    const alarm::LocalTime armed = fakes.clock.now;
    fakes.comeback.calls.clear();
    fakes.clock.Set(7, 5, 0, 31);
    TickInTurn(40);
    EXPECT_EQ(Record(), (alarm::RestartRecord{{7, 5, 0}, armed, fakes.clock.now}));
    M().blnDesligar = true;
    fakes.comeback.failing = L"remove"; // no box may hold the shutdown
    const std::size_t boxes = Boxes();
    fakes.clock.Set(7, 5, 0, 32);
    TickInTurn(20);
    EXPECT_EQ(Boxes(), boxes);
    EXPECT_EQ(fakes.shutdown.calls.back(), "ExitWindowsEx(flags=5, reason=ffffffff)");
    auto calls = kTracesGone;
    calls.insert(calls.begin(), 2, L"record"); // once a firing
    EXPECT_EQ(fakes.comeback.calls, calls);
}

// Killed at 03:00, started at 06:00 by Windows or at 09:00 by hand; woken for 06:50, in UTC.
TEST_F(ComebackTest, AStartWithTheRecordArmsAsTheArmingDidAndSaysSoOrThatTheAlarmDidNotRing) {
    const std::tuple<bool, int, const wchar_t*, int, const char*> rows[] = {
        {true, 6, L"O alarme das 07:05 continua ligado: o Acordina foi reiniciado.", 1,
         "timer 2024-03-31 09:49:30"},
        {false, 9,
         L"O alarme das 07:05 não tocou: o computador estava desligado ou o Acordina foi fechado.",
         2, "timer 2024-04-01 09:49:30"}};
    for (const auto& [religar, hour, text, icon, wakeTimer] : rows) {
        ArmAtNight();
        const auto armed = std::pair(M(), Boxes());
        fakes.clock.Set(3, 0, 0, 31);
        program.reset();
        fakes.comeback.calls.clear();
        fakes.clock.Set(hour, 0, 0, 31);
        const std::size_t balloonsBefore = Balloons();
        Start(religar);
        EXPECT_EQ(std::pair(M(), Boxes()), armed);
        // "O sistema está ativo !", then this one alone; hidden, the tip says how to restore.
        EXPECT_EQ(Balloons() - balloonsBefore, 2u);
        const auto tip = std::ranges::find_if(fakes.shell.calls.rbegin(), fakes.shell.calls.rend(),
                                              [](const ShellCall& c) { return c.Flags() & 4; });
        EXPECT_EQ(tip->Tip() == win32::ToAnsi(kHiddenHint), religar);
        EXPECT_EQ(std::tuple(IsWindowVisible(Main().hwnd()) != FALSE, Main().lblStatus.Text(),
                             Main().picLigado.Visible(), Main().picDesligado.Visible()),
                  std::tuple(!religar, std::wstring(kArmed), true, false));
        EXPECT_EQ(LastBalloon(), "Aviso|" + std::to_string(icon) + "|" + win32::ToAnsi(text));
        EXPECT_EQ(fakes.power.calls.back(), wakeTimer);
        EXPECT_EQ(fakes.comeback.calls, kTraces);
        EXPECT_EQ(Record()->armado, fakes.clock.now);
    }
    // A damaged record, or none at a start from Windows: no trace stays, the window shows.
    for (const char* left :
         {"Acordina religar 1\r\ndespertar 07:0", static_cast<const char*>(nullptr)}) {
        fakes.comeback.record = left ? std::optional<std::string>(left) : std::nullopt;
        fakes.comeback.calls.clear();
        Start(true);
        EXPECT_EQ(fakes.comeback.calls, kTracesGone);
        EXPECT_TRUE(IsWindowVisible(Main().hwnd()) && !M().blnLigado && !fakes.comeback.record);
    }
}

TEST_F(ComebackTest, YesAtTheSessionsEndKeepsTheAlarmForTheNextStart) {
    ArmAtNight();
    fakes.comeback.calls.clear();
    SendMessageW(Main().hwnd(), WM_QUERYENDSESSION, 0, 0); // answered Yes
    SendMessageW(Main().hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(fakes.process.exits == 1 && fakes.comeback.calls.empty());
    Start(true);
    EXPECT_TRUE(M().blnLigado && Record());
    EXPECT_EQ(fakes.comeback.calls, kTraces);
}

// Unzipped where only administrators write: the user's own folder keeps both files, no box.
TEST_F(ComebackTest, AFolderThatTakesNoFileKeepsTheChoicesAndTheRecordInTheUsersOwnFolder) {
    fakes.folder.writable = false;
    fakes.folder.Write(L"Config.inf", " 0 \r\n-1 \r\n 0 \r\n 1 \r\nDo administrador\r\n");
    const std::filesystem::path own = fakes.folder.local_ / L"Acordina";
    Start();
    EXPECT_EQ(Main().txt00min.Text(), L"Do administrador") << "defaults beside the program";
    OpenPanel();
    Type(Main().txt00min, L"Meu");
    Click(Main().lblStatus);
    EXPECT_EQ(fakes.comeback.recordPath, (own / L"Religar.inf").wstring());
    EXPECT_TRUE(std::filesystem::exists(own / L"Config.inf"));
    program.reset();
    Start(true);
    EXPECT_TRUE(M().blnLigado && Main().txt00min.Text() == L"Meu");
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(LastBox().text, L"Programa ACORDIMA programado!");
}

TEST_F(ComebackTest, ASecondCopyBringsTheFirstOnesWindowUpOrWithReligarEndsSilently) {
    using Claim = win32::SingleInstance::Claim;
    Start();
    Click(Main().lblStatus);
    const std::vector<std::wstring> calls{L"take", L"wake AcordinaBackground Acordina.Restaurar"};
    for (const bool religar : {true, false}) {
        FakeServices second;
        second.instance.claim = Claim::Second;
        Program copy(second.services);
        EXPECT_FALSE(copy.Start(religar));
        EXPECT_TRUE(second.shell.calls.empty() && second.comeback.calls.empty() &&
                    second.messageBoxes.shown.empty());
        EXPECT_EQ(second.instance.calls, std::vector(calls.begin(), calls.end() - religar));
    }
    // The real one: the mutex held once in the session until released, the first window woken.
    win32::SystemSingleInstance first(fakes.instance.Name()), next(fakes.instance.Name());
    EXPECT_TRUE(first.Take() == Claim::First && next.Take() == Claim::Second);
    first.Release();
    EXPECT_EQ(next.Take(), Claim::First);
    EXPECT_FALSE(IsWindowVisible(Main().hwnd()));
    next.WakeFirst(background::frmAcordina_::kClassName,
                   background::frmAcordina_::kRestaurarMessage);
    Pump();
    EXPECT_TRUE(IsWindowVisible(Main().hwnd()));
    fakes.instance.claim = Claim::Unknown; // no telling: the copy runs
    EXPECT_TRUE(Start());
}

// A failure at the arming's box, a minute after the start or sooner, armed or not by then: an
// armed program that ran a minute restarts; else the box tells why in the user's language.
TEST_F(ComebackTest, AFailureInAClickRestartsAnArmedProgramThatRanAMinuteOrElseSaysWhyAndEnds) {
    using Fail = void (*)();
    const Fail full = [] { throw std::runtime_error("disco cheio"); };
    const std::wstring noPlace = L"erro interno (exceção sem local)";
    const std::tuple<int, bool, bool, Fail, std::wstring> rows[] = {
        {60, 1, 1, full, noPlace},
        {59, 1, 0, full, noPlace},
        {600, 0, 0, full, noPlace},
        {0, 1, 0, [] { throw win32::SystemFailure(L"criar uma janela", ERROR_ACCESS_DENIED); },
         L"não foi possível criar uma janela: " + win32::SystemReason(ERROR_ACCESS_DENIED)},
        {0, 1, 0, [] { throw std::logic_error("cTrayBalloon::Target"); },
         L"erro interno (cTrayBalloon::Target)"},
        {0, 1, 0, [] { throw std::bad_alloc(); }, L"memória insuficiente"},
        {0, 1, 0, [] { throw 7; }, L"erro interno (exceção desconhecida)"}};
    for (const auto& [seconds, armed, restarts, fail, reason] : rows) {
        fakes.messageBoxes.onShow = [&](const ShownBox& box) {
            if (box.text == L"Programa ACORDIMA programado!") {
                fakes.clock.Set(23, seconds / 60, seconds % 60);
                M().blnLigado = armed;
                fail();
            }
        };
        fakes.comeback.calls.clear();
        ArmAtNight();
        fakes.messageBoxes.onShow = nullptr;
        auto calls = kTraces;
        calls.insert(calls.end(), restarts ? L"copy /religar" : L"exit failed");
        calls.insert(calls.end(), restarts, L"exit failed");
        EXPECT_EQ(fakes.comeback.calls, calls);
        const ShownBox told{nullptr, L"O Acordina encontrou um erro e será fechado:\n" + reason,
                            L"Acordina", 16};
        EXPECT_EQ(LastBox() == told, !restarts) << reason;
        EXPECT_EQ(fakes.shell.calls.back().message, tray::NIM_DELETE_);
        EXPECT_EQ(fakes.instance.calls.back(), L"release") << "the new copy may start";
    }
}

// Without either timer nothing would ever ring: the user is told why, and the program ends.
TEST_F(ComebackTest, ARefusedAlarmTimerEndsTheProgramWithItsReason) {
    for (const wchar_t* window : {L"AcordinaMain", L"AcordinaBackground"}) {
        fakes.timers.refusedClass = window;
        fakes.comeback.calls.clear();
        Start();
        EXPECT_EQ(fakes.comeback.calls, std::vector<std::wstring>{L"exit failed"});
        EXPECT_TRUE(LastBox().text.starts_with(L"O Acordina encontrou um erro e será fechado:\nnão "
                                               L"foi possível iniciar o temporizador do alarme: "));
    }
}

} // namespace
} // namespace acordina::testing
