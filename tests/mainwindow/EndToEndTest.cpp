// One night with the alarm, from the spinners to the silenced sound, over the real windows:
// only the clock, the shell, the sound and the message boxes are stand-ins.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <string>

namespace acordina::testing {
namespace {

using ::testing::Optional;
using ::testing::StartsWith;

class EndToEndTest : public ProgramFixture {
protected:
    // Both timers tick, interleaved, as often as they do in one second (of the next day).
    void OneSecondOfTicks(int h, int m, int s, int day = 31) {
        fakes.clock.Set(h, m, s, day);
        for (int i = 0; i < 10; ++i) {
            TickMain();
            TickBackground();
        }
        Pump();
    }
};

TEST_F(EndToEndTest, SetArmPreAlertWakeRestoreAndSilence) {
    fakes.folder.Write(L"galo.wav", "RIFF"); // only its name matters to the fake sound
    fakes.clock.Set(22, 30, 0);
    Start();
    auto& f = Main();
    ASSERT_TRUE(IsWindowVisible(f.hwnd()));

    // The user sets 7:05 with the spinners and picks the sound and the 15-minute pre-alert.
    Spin(f.vsHH, SB_LINEUP, 7);
    Spin(f.vsMM, SB_LINEUP, 5);
    ASSERT_EQ(f.txtHH.Text(), L"7");
    ASSERT_EQ(f.txtMM.Text(), L"5");
    Click(f.lblConfig);
    ClickCheck(f.chkDespSom);
    ASSERT_EQ(f.cboSom.List(1), L"galo.wav");
    Choose(f.cboSom, 1);
    ClickCheck(f.chk15min);

    // A click on the status label arms.
    Click(f.lblStatus);
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, L"Programa ACORDIMA programado!");
    EXPECT_THAT(fakes.folder.Read(L"Config.inf"), Optional(StartsWith(" 1 \r\n 1 \r\n")));
    EXPECT_EQ(M().strHoraDespertar, L"07:05:00");
    EXPECT_EQ(M().strHora15min, L"6:50:00");
    ASSERT_FALSE(fakes.shell.Balloons().empty());
    EXPECT_EQ(fakes.shell.Balloons().back()->Info(), win32::ToAnsi(kHiddenBalloon));
    EXPECT_FALSE(IsWindowVisible(f.hwnd()));

    // The night passes quietly up to the pre-alert.
    std::size_t balloons = Balloons();
    OneSecondOfTicks(23, 59, 59, 30);
    OneSecondOfTicks(6, 49, 59);
    EXPECT_EQ(Balloons(), balloons);

    // The first tick of 06:50:00 shows the 15-minute balloon, once.
    OneSecondOfTicks(6, 50, 0);
    const auto preAlerts = fakes.shell.Balloons();
    ASSERT_EQ(preAlerts.size(), balloons + 1);
    EXPECT_EQ(preAlerts.back()->Info(), "Faltam 15 minutos para despertar.");
    EXPECT_EQ(preAlerts.back()->InfoTitle(), "Aviso");
    EXPECT_EQ(preAlerts.back()->InfoFlags(), 1u);
    balloons = Balloons();
    OneSecondOfTicks(6, 50, 1);
    OneSecondOfTicks(7, 4, 59);
    EXPECT_EQ(Balloons(), balloons);
    EXPECT_TRUE(fakes.sound.calls.empty());

    // The first tick of 07:05:00 starts the sound from the program's folder, looping, once.
    OneSecondOfTicks(7, 5, 0);
    const std::string path = win32::ToAnsi(fakes.folder.Path() + L"\\galo.wav");
    EXPECT_EQ(fakes.sound.calls, std::vector<SoundCall>(1, {path, 0, 9}));
    EXPECT_EQ(Background().strArquivoSom(), fakes.folder.Path() + L"\\galo.wav");
    // The visual alert was left ticked: its balloon comes along.
    EXPECT_EQ(Balloons(), balloons + 1);
    EXPECT_EQ(fakes.shell.Balloons().back()->Info(), "TRRRIIIMMM!!! Despertando...");
    OneSecondOfTicks(7, 5, 1);
    EXPECT_EQ(fakes.sound.calls.size(), 1u);
    EXPECT_TRUE(M().blnLigado) << "ringing does not disarm";
    EXPECT_TRUE(fakes.shutdown.calls.empty());

    // A double-click on the icon brings the window back.
    Tray(WM_LBUTTONDOWN);
    Tray(WM_LBUTTONUP);
    Tray(WM_LBUTTONDBLCLK);
    Tray(WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(f.hwnd()));
    EXPECT_FALSE(IsIconic(f.hwnd()));
    EXPECT_EQ(f.lblStatus.Text(), kArmed);

    // A click on the status label disarms and silences the sound.
    Click(f.lblStatus);
    ASSERT_EQ(fakes.sound.calls.size(), 2u);
    EXPECT_EQ(fakes.sound.calls.back(), (SoundCall{std::nullopt, 0, 0x40}));
    EXPECT_FALSE(M().blnLigado);
    EXPECT_EQ(f.lblStatus.Text(), kDisarmed);
    EXPECT_EQ(fakes.messageBoxes.shown.size(), 1u) << "disarming says nothing";

    // All night the computer could wake 30 s before each target (three hours behind UTC);
    // it was kept awake from 60 s before each target until it fired, and while the sound rang.
    const std::vector<std::string> power = {"timer 2024-03-31 09:49:30",
                                            "state 80000003",
                                            "timer 2024-03-31 10:04:30",
                                            "state 80000000",
                                            "state 80000003",
                                            "timer 2024-04-01 09:49:30",
                                            "state 80000000",
                                            "cancel"};
    EXPECT_EQ(fakes.power.calls, power);
}

} // namespace
} // namespace acordina::testing
