// One night with the alarm, from the spinners to the silenced sound, over the real windows:
// only the clock, the shell, the sound, the power and the message boxes are stand-ins.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <string>

namespace acordina::testing {
namespace {

using ::testing::ElementsAre;

class EndToEndTest : public ProgramFixture {
protected:
    // Both timers tick, interleaved, as often as they do in two seconds (of the next day).
    void Ticks(int h, int m, int s, int day = 31) {
        for (const int second : {s, s + 1}) {
            fakes.clock.Set(h, m, second, day);
            for (int i = 0; i < 10; ++i) {
                TickBoth();
            }
        }
        Pump();
    }
    std::string LastBalloon() const { return fakes.shell.Balloons().back()->Info(); }
};

TEST_F(EndToEndTest, SetArmPreAlertWakeRestoreAndSilence) {
    fakes.folder.Write(L"galo.wav", "RIFF"); // only its name matters to the fake sound
    fakes.clock.Set(22, 30, 0);
    Start();
    auto& f = Main();
    // 7:05 by the spinners, whatever another program puts into the hour box.
    Spin(f.vsHH, SB_PAGEUP, 30);
    Spin(f.vsHH, SB_LINEDOWN, 16);
    Spin(f.vsMM, SB_TOP);
    Spin(f.vsMM, SB_LINEDOWN, 54);
    EXPECT_EQ(f.txtHH.Text() + L":" + f.txtMM.Text(), L"7:5");
    Type(f.txtHH, L"99");
    OpenPanel();
    ClickCheck(f.chkDespSom);
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
    EXPECT_EQ(LastBalloon(), win32::ToAnsi(kHiddenBalloon));
    EXPECT_EQ(M().strHora05min, L"7:0:00");

    // The night passes quietly up to the pre-alert, whose balloon shows once.
    Ticks(6, 49, 58);
    Ticks(6, 50, 0);
    ASSERT_EQ(Balloons(), balloons + 2);
    const ShellCall& preAlert = *fakes.shell.Balloons().back();
    EXPECT_EQ(std::tuple(preAlert.Info(), preAlert.InfoTitle(), preAlert.InfoFlags()),
              std::tuple("Faltam 15 minutos para despertar.", "Aviso", 1u));
    Ticks(7, 4, 58);
    EXPECT_EQ(Balloons(), balloons + 2);
    EXPECT_TRUE(fakes.sound.calls.empty());

    // The sound from the program's folder, looping, once, with the visual alert's balloon.
    Ticks(7, 5, 0);
    const std::string path = win32::ToAnsi(fakes.folder.Path() + L"\\galo.wav");
    EXPECT_EQ(fakes.sound.calls, std::vector<SoundCall>(1, {path, 0, 9}));
    EXPECT_EQ(Balloons(), balloons + 3);
    EXPECT_EQ(LastBalloon(), "TRRRIIIMMM!!! Despertando...");
    EXPECT_TRUE(M().blnLigado && fakes.shutdown.calls.empty());

    // A double-click on the icon brings the window back; the label disarms and silences.
    for (const UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        Tray(mouse);
    }
    EXPECT_TRUE(IsWindowVisible(f.hwnd()));
    Click(f.lblStatus);
    EXPECT_EQ(fakes.sound.calls, (std::vector<SoundCall>{{path, 0, 9}, {std::nullopt, 0, 0x40}}));
    EXPECT_EQ(f.lblStatus.Text(), kDisarmed);
    EXPECT_EQ(Boxes(), 1u);

    // The computer could wake 30 s before each target (three hours behind UTC); it was kept
    // awake from 60 s before each target until it fired, and while the sound rang.
    EXPECT_THAT(fakes.power.calls,
                ElementsAre("timer 2024-03-31 09:49:30", "state 80000003",
                            "timer 2024-03-31 10:04:30", "state 80000000", "state 80000003",
                            "timer 2024-04-01 09:49:30", "state 80000000", "cancel"));
}

} // namespace
} // namespace acordina::testing
