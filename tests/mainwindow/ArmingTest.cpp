// Switching the alarm on and off on the real main window, a night with it, the program's end.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

namespace acordina::testing {
namespace {

using ::testing::ElementsAre;

class ArmingTest : public ProgramFixture {
protected:
    void SetUp() override {
        fakes.folder.Write(L"galo.wav", kWave);
        Start();
        OpenPanel();
    }
    // Both timers tick, interleaved, as often as they do in two seconds (of the next day).
    void Ticks(int h, int m, int s, int day = 31) {
        for (const int second : {s, s + 1}) {
            fakes.clock.Set(h, m, second, day);
            TickInTurn(20);
        }
        Pump();
    }
};

// An empty sound keeps the last one published, an unticked pre-alert its last message; a ticked
// alert's blank message is designed again. The sound stops by the box as it is now.
TEST_F(ArmingTest, EachArmingPublishesTheBoxesAsTheyAreAndDisarmingGoesByThemToo) {
    auto& f = Main();
    ClickCheck(f.chk15min);
    Type(f.txt15min, L"quinze");
    for (const auto& [som, visual, text, title] :
         {std::tuple(false, false, L"Escolha a forma de despertar: COM SOM e/ou COM ALERTA VISUAL.",
                     L"Atenção!"),
          std::tuple(true, true, L"Escolha um som para despertar.", L"Aviso")}) {
        SetTick(f.chkDespSom, som);
        SetTick(f.chkDespVisual, visual);
        const auto before = Snapshot();
        Click(f.lblStatus);
        EXPECT_EQ(LastBox(), (ShownBox{f.hwnd(), text, title, 16}));
        EXPECT_EQ(Snapshot(), before) << "nothing changed, nothing saved";
    }

    Choose(f.cboSom, 1);
    ClickCheck(f.chkDesligar);
    const std::wstring path = fakes.folder.Path() + L"\\Config.inf";
    fakes.folder.Write(L"Config.inf", "antes");
    win32::UniqueHandle held = win32::OwnFile(
        CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    Click(f.lblStatus);
    held.reset();
    EXPECT_TRUE(M().blnLigado && M().blnDespSom && M().blnDesligar && M().bln15min);
    EXPECT_EQ(fakes.folder.Read(L"Config.inf"), "antes");
    EXPECT_EQ(fakes.comeback.calls, kTraces) << "after Config.inf, only once the checks pass";
    ASSERT_EQ(Boxes(), 4u);
    EXPECT_EQ(LastBox().text, L"Programa ACORDIMA programado!");
    const ShownBox& warning = fakes.messageBoxes.shown[2];
    const std::wstring head = L"Não foi possível gravar as escolhas em " + path + L".\n";
    const std::wstring tail =
        L"\nO despertador será ligado mesmo assim; o arquivo anterior não foi alterado.";
    EXPECT_TRUE(warning.text.starts_with(head) && warning.text.ends_with(tail)) << warning.text;
    EXPECT_GT(warning.text.size(), head.size() + tail.size() + 5) << "the system's reason";
    EXPECT_EQ(std::tuple(warning.owner, warning.title, warning.style),
              std::tuple(f.hwnd(), std::wstring(L"Aviso"), 48u));

    Restore();
    Click(f.lblStatus);
    OpenPanel();
    for (const win32::CheckBox* box : {&f.chkDespSom, &f.chkDesligar, &f.chk15min, &f.chk10min,
                                       &f.chk05min, &f.chk02min, &f.chk01min}) {
        ClickCheck(*box);
    }
    Choose(f.cboSom, 0); // the help entry: no sound
    const std::tuple<win32::TextBox*, std::wstring*, const wchar_t*> alerts[] = {
        {&f.txt00min, &M().strMsgDespertar, L"TRRRIIIMMM!!! Despertando..."},
        {&f.txt10min, &M().strMsg10min, L"Faltam 10 minutos para despertar."},
        {&f.txt05min, &M().strMsg05min, L"Faltam 5 minutos para despertar."},
        {&f.txt02min, &M().strMsg02min, L"Faltam 2 minutos para despertar."},
        {&f.txt01min, &M().strMsg01min, L"Falta 1 minuto para despertar."},
        {&f.txt15min, &M().strMsg15min, L"quinze"}};
    for (const auto& [box, published, designed] : alerts) {
        Type(*box, L" \t ");
    }
    Click(f.picDesligado);
    EXPECT_TRUE(M().blnLigado && M().blnDespVisual && M().bln10min && M().bln01min);
    EXPECT_FALSE(M().blnDespSom || M().blnDesligar || M().bln15min);
    EXPECT_EQ(M().strSom, L"galo.wav");
    EXPECT_EQ(fakes.folder.Read(L"Config.inf").value_or("").substr(5, 3), "-1 ");
    for (const auto& [box, published, designed] : alerts) {
        EXPECT_EQ(*published, designed);
        EXPECT_EQ(box->Text(), box == &f.txt15min ? L" \t " : designed);
    }
    Restore();
    OpenPanel();
    ClickCheck(f.chkDespSom);
    fakes.folder.Write(L"Config.inf", "kept");
    fakes.sound.calls.clear();
    const auto kept = std::tuple(Boxes(), fakes.shell.calls.size(), M().blnDespSom);
    auto expected = Snapshot();
    std::get<0>(expected) = std::get<2>(expected) = false;
    std::get<1>(expected) = kDisarmed;
    std::get<3>(expected) = true;
    Click(f.picLigado);
    EXPECT_EQ(Snapshot(), expected);
    EXPECT_EQ(std::vector(fakes.comeback.calls.end() - 3, fakes.comeback.calls.end()), kTracesGone);
    EXPECT_EQ(fakes.sound.calls, std::vector<SoundCall>{kPurge});
    EXPECT_EQ(std::tuple(Boxes(), fakes.shell.calls.size(), M().blnDespSom), kept);
    EXPECT_EQ(fakes.folder.Read(L"Config.inf"), "kept");
    Click(f.picLigado); // hidden: disarms again, never arms
    EXPECT_FALSE(M().blnLigado);
}

// One night with the alarm, from the spinners to the silenced sound.
TEST_F(ArmingTest, SetArmPreAlertWakeRestoreAndSilence) {
    fakes.clock.Set(22, 30, 0); // the evening: the wake timers are set from the arming's clock
    auto& f = Main();
    // 7:05 by the spinners, whatever another program puts into the hour box.
    Spin(f.vsHH, SB_PAGEUP, 30);
    Spin(f.vsHH, SB_LINEDOWN, 16);
    Spin(f.vsMM, SB_TOP);
    Spin(f.vsMM, SB_LINEDOWN, 54);
    EXPECT_EQ(f.txtHH.Text() + L":" + f.txtMM.Text(), L"7:5");
    Type(f.txtHH, L"99");
    ClickCheck(f.chkDespSom); // in the panel the fixture opened
    Choose(f.cboSom, 1);
    ClickCheck(f.chk15min);

    // Fully armed, saved and collapsed before the confirmation; hidden behind the balloon after.
    decltype(Snapshot()) atBox;
    fakes.messageBoxes.onShow = [&](const ShownBox&) { atBox = Snapshot(); };
    const std::size_t balloons = Balloons();
    Click(f.lblStatus);
    EXPECT_THAT(fakes.messageBoxes.shown,
                ElementsAre(ShownBox{f.hwnd(), L"Programa ACORDIMA programado!", L"Aviso!", 64}));
    EXPECT_EQ(atBox, std::tuple(true, std::wstring(kArmed), true, false, true,
                                std::wstring(L"Configurações >>"), 4725 / 15, true, balloons));
    EXPECT_EQ(M().strHora05min, L"7:0:00");

    // The night passes quietly up to the pre-alert, whose balloon shows once.
    Ticks(6, 49, 58);
    Ticks(6, 50, 0);
    ASSERT_EQ(Balloons(), balloons + 2);
    EXPECT_EQ(LastBalloon(), "Aviso|1|Faltam 15 minutos para despertar.");
    Ticks(7, 4, 58);

    // Then only the sound from the program's folder, looping, with the visual alert's balloon.
    Ticks(7, 5, 0);
    const SoundCall galo = Play(fakes.folder.Path() + L"\\galo.wav");
    EXPECT_EQ(fakes.sound.calls, std::vector<SoundCall>{galo});
    EXPECT_EQ(Balloons(), balloons + 3);
    EXPECT_EQ(LastBalloon(), "Aviso|1|TRRRIIIMMM!!! Despertando...");
    EXPECT_TRUE(M().blnLigado && fakes.shutdown.calls.empty());

    // Back on screen, the label disarms and silences.
    Restore();
    Click(f.lblStatus);
    EXPECT_EQ(fakes.sound.calls, (std::vector<SoundCall>{galo, kPurge}));
    EXPECT_EQ(f.lblStatus.Text(), kDisarmed);

    // The computer could wake 30 s before each target (three hours behind UTC); it was kept
    // awake from 60 s before each target until it fired, and while the sound rang.
    EXPECT_THAT(fakes.power.calls,
                ElementsAre("timer 2024-03-31 09:49:30", "state 80000003",
                            "timer 2024-03-31 10:04:30", "state 80000000", "state 80000003",
                            "timer 2024-04-01 09:49:30", "state 80000000", "cancel"));
}

// The session's end asks too, unless forced; the program ends at WM_ENDSESSION, icon gone first.
TEST_F(ArmingTest, TheProgramEndsOnlyAfterYesToTheCloseQuestionOrAForcedEndOfTheSession) {
    // What, message, wParam, lParam, WM_ENDSESSION's wParam then (-1: none), answer, asked, ends.
    const std::tuple<const char*, UINT, WPARAM, DWORD, int, int, bool, bool> cases[] = {
        {"close box, No", WM_CLOSE, 0, 0, -1, 7, true, false},
        {"system menu, Yes", WM_SYSCOMMAND, SC_CLOSE, 0, -1, 6, true, true},
        {"log-off, No", WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, FALSE, 7, true, false},
        {"shutdown, Yes", WM_QUERYENDSESSION, 0, 0, TRUE, 6, true, true},
        {"Yes, another program refused", WM_QUERYENDSESSION, 0, 0, FALSE, 6, true, true},
        {"critical", WM_QUERYENDSESSION, 0, ENDSESSION_CRITICAL, TRUE, 7, false, true},
        {"forced", WM_ENDSESSION, TRUE, 0, -1, 7, false, true},
    };
    for (const auto& [what, msg, wp, lp, ending, answer, asked, ends] : cases) {
        SCOPED_TRACE(what);
        Start();
        fakes.shell.calls.clear();
        fakes.comeback.calls.clear();
        const std::size_t boxes = Boxes();
        const int exits = fakes.process.exits;
        bool iconGoneAtExit = false;
        fakes.process.onExit = [&] {
            iconGoneAtExit =
                !fakes.shell.calls.empty() && fakes.shell.calls.back().message == tray::NIM_DELETE_;
        };
        fakes.messageBoxes.answers = {answer};
        const LRESULT agreed = SendMessageW(Main().hwnd(), msg, wp, lp);
        if (ending >= 0) {
            EXPECT_EQ(std::pair(agreed, fakes.process.exits), std::pair(LRESULT{ends}, exits));
            SendMessageW(Main().hwnd(), WM_ENDSESSION, ending, lp);
        }
        Pump();
        ASSERT_EQ(Boxes(), boxes + asked);
        EXPECT_TRUE(!asked || (LastBox() == ShownBox{Main().hwnd(), L"Confirme: ENCERRAR acordina?",
                                                     L"Fechar", 36}));
        EXPECT_EQ(std::tuple(fakes.process.exits, iconGoneAtExit, fakes.shell.calls.empty()),
                  std::tuple(exits + ends, ends, !ends));
        EXPECT_FALSE(fakes.folder.Read(L"Config.inf")) << "nothing saved";
        // Only the user's own ending takes the alarm's traces away.
        EXPECT_EQ(fakes.comeback.calls, asked && ends ? kTracesGone : std::vector<std::wstring>{});
        fakes.process.onExit = nullptr;
    }
    Start();
    program.reset();
    EXPECT_EQ(fakes.shell.calls.back().message, tray::NIM_DELETE_) << "the end of the window";
}

} // namespace
} // namespace acordina::testing
