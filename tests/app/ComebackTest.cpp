// The armed alarm after the program: its traces, the start that arms it again, one copy per
// session, and the end after a failure.
#include "ProgramFixture.h"

#include "alarm/RestartRecord.h"

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

TEST_F(ComebackTest, ArmingWritesTheRecordEachWakeUpItsMomentAndTheShutdownTakesItAway) {
    fakes.comeback.writeFails = true;
    ArmAtNight();
    const std::wstring path = fakes.folder.Path() + L"\\Religar.inf";
    ASSERT_EQ(Boxes(), 2u);
    EXPECT_EQ(fakes.messageBoxes.shown[0],
              (ShownBox{Main().hwnd(),
                        L"Não foi possível gravar o registro do alarme em " + path +
                            L".\nAcesso negado.\nO despertador será ligado mesmo assim, mas não "
                            L"voltará sozinho se o Acordina for fechado.",
                        L"Aviso", 48}));
    EXPECT_EQ(LastBox().text, L"Programa ACORDIMA programado!");
    EXPECT_TRUE(M().blnLigado);

    fakes.comeback.writeFails = false;
    Restore();
    Click(Main().lblStatus);
    Click(Main().lblStatus);
    EXPECT_EQ(fakes.comeback.recordPath, path);
    EXPECT_EQ(fakes.comeback.calls.size(), 9u);
    EXPECT_EQ(std::vector(fakes.comeback.calls.end() - 3, fakes.comeback.calls.end()), kTraces);
    const alarm::LocalTime armed = fakes.clock.now;
    EXPECT_EQ(Record(), (alarm::RestartRecord{{7, 5, 0}, armed, std::nullopt}));

    fakes.comeback.calls.clear();
    fakes.clock.Set(7, 5, 0, 31);
    TickInTurn(20);
    EXPECT_EQ(fakes.comeback.calls, std::vector<std::wstring>{L"record"}) << "once a firing";
    EXPECT_EQ(Record(), (alarm::RestartRecord{{7, 5, 0}, armed, fakes.clock.now}));

    M().blnDesligar = true;
    fakes.comeback.calls.clear();
    fakes.clock.now = {2024, 4, 1, {7, 5, 0}};
    TickInTurn(20);
    EXPECT_FALSE(fakes.shutdown.calls.empty());
    std::vector<std::wstring> calls{L"record"};
    calls.insert(calls.end(), kTracesGone.begin(), kTracesGone.end());
    EXPECT_EQ(fakes.comeback.calls, calls);
}

// Killed at 03:00 and started again at 06:00 by Windows, or at 09:00 by hand.
TEST_F(ComebackTest, AStartWithTheRecordArmsAsTheArmingDidAndSaysSoOrThatTheAlarmDidNotRing) {
    const struct {
        bool religar;
        int hour;
        const wchar_t* balloon;
        std::uint32_t icon;
        const char* wakeTimer; // for the pre-alert at 06:50, 30 s early, in UTC
    } rows[] = {
        {true, 6, L"O alarme das 07:05 continua ligado: o Acordina foi reiniciado.", 1,
         "timer 2024-03-31 09:49:30"},
        {false, 9,
         L"O alarme das 07:05 não tocou: o computador estava desligado ou o Acordina foi fechado.",
         2, "timer 2024-04-01 09:49:30"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.hour);
        ArmAtNight();
        const Module1 armed = M();
        const std::size_t boxes = Boxes();
        fakes.clock.Set(3, 0, 0, 31);
        program.reset();
        ASSERT_TRUE(Record()) << "nothing of the user's ending ran";

        fakes.comeback.calls.clear();
        fakes.clock.Set(row.hour, 0, 0, 31);
        Start(row.religar);
        EXPECT_EQ(M(), armed);
        EXPECT_EQ(Boxes(), boxes);
        EXPECT_EQ(IsWindowVisible(Main().hwnd()) != FALSE, !row.religar);
        EXPECT_EQ(std::tuple(Main().lblStatus.Text(), Main().picLigado.Visible(),
                             Main().picDesligado.Visible()),
                  std::tuple(std::wstring(kArmed), true, false));
        const ShellCall& balloon = *fakes.shell.Balloons().back();
        EXPECT_EQ(std::tuple(balloon.Info(), balloon.InfoTitle(), balloon.InfoFlags()),
                  std::tuple(win32::ToAnsi(row.balloon), std::string("Aviso"), row.icon));
        EXPECT_EQ(fakes.power.calls.back(), row.wakeTimer);
        EXPECT_EQ(fakes.comeback.calls, kTraces);
        EXPECT_EQ(Record()->armado, fakes.clock.now);
    }
}

TEST_F(ComebackTest, ADamagedRecordIsRemovedAndTheProgramStartsDisarmed) {
    fakes.comeback.record = "Acordina religar 1\r\ndespertar 07:0";
    Start(true);
    EXPECT_EQ(fakes.comeback.calls, kTracesGone);
    EXPECT_FALSE(fakes.comeback.record);
    EXPECT_TRUE(IsWindowVisible(Main().hwnd()));
    EXPECT_EQ(std::pair(M().blnLigado, Main().lblStatus.Text()),
              std::pair(false, std::wstring(kDisarmed)));
    EXPECT_EQ(Boxes(), 0u);
}

TEST_F(ComebackTest, ASecondCopyBringsTheFirstOnesWindowUpOrWithReligarEndsSilently) {
    Start();
    Click(Main().lblStatus);
    ASSERT_FALSE(IsWindowVisible(Main().hwnd()));
    for (const bool religar : {true, false}) {
        FakeServices second;
        second.comeback.instanceName = fakes.comeback.instanceName;
        Program copy(second.services);
        EXPECT_FALSE(copy.Start(religar));
        Pump();
        EXPECT_TRUE(second.shell.calls.empty() && second.comeback.calls.empty() &&
                    second.messageBoxes.shown.empty());
        EXPECT_EQ(IsWindowVisible(Main().hwnd()) != FALSE, !religar);
    }
}

// A failure at the arming's box, once armed, or at a warning of the checks, disarmed.
TEST_F(ComebackTest, AFailureInAClickRestartsAnArmedProgramThatRanAMinuteOrElseSaysSoAndEnds) {
    const struct {
        int seconds; // since the start
        bool armed, restarts;
    } rows[] = {{60, true, true}, {59, true, false}, {600, false, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.seconds);
        fakes.comeback.record.reset();
        fakes.clock.Set(12, 0, 0);
        Start();
        OpenPanel();
        SetTick(Main().chkDespVisual, row.armed);
        fakes.comeback.calls.clear();
        const std::wstring trigger = row.armed ? L"Programa ACORDIMA programado!"
                                               : L"Escolha a forma de despertar: COM SOM e/ou COM "
                                                 L"ALERTA VISUAL.";
        fakes.messageBoxes.onShow = [&](const ShownBox& box) {
            if (box.text == trigger) {
                throw std::runtime_error("disco cheio");
            }
        };
        fakes.clock.Set(12, row.seconds / 60, row.seconds % 60);
        Click(Main().lblStatus);
        fakes.messageBoxes.onShow = nullptr;

        std::vector<std::wstring> calls = row.armed ? kTraces : std::vector<std::wstring>{};
        if (row.restarts) {
            calls.push_back(L"copy /religar");
            EXPECT_EQ(LastBox().text, trigger);
        } else {
            EXPECT_EQ(LastBox(), (ShownBox{nullptr,
                                           L"O Acordina encontrou um erro e será fechado:\ndisco "
                                           L"cheio",
                                           L"Acordina", 16}));
        }
        calls.push_back(L"exit failed");
        EXPECT_EQ(fakes.comeback.calls, calls);
        EXPECT_EQ(fakes.shell.calls.back().message, tray::NIM_DELETE_);
    }
}

} // namespace
} // namespace acordina::testing
