// The alarm sound on the real windows with a fake sound system: the reserve sound, the retries,
// the warnings at arming and at the wake-up, and the devices followed while running.
#include "ProgramFixture.h"

#include <filesystem>
#include <string>
#include <vector>

namespace acordina::testing {
namespace {

using Sounds = std::vector<SoundCall>;
const std::wstring kReserveWarning =
    L"O som escolhido (NAME) não pôde tocar: o Acordina toca o seu som de reserva.";
const std::wstring kNothingWarning =
    L"O som do alarme não pôde tocar. O Acordina continua tentando.";

class SoundTest : public ProgramFixture {
protected:
    void SetUp() override {
        fakes.folder.Write(L"galo.wav", kWave);
        fakes.clock.Set(7, 5, 0);
        Start();
        ASSERT_TRUE(KillTimer(Main().hwnd(), mainwindow::frmAcordina::kTimer1));
        ASSERT_TRUE(KillTimer(Background().hwnd(), background::frmAcordina_::kTimer1));
    }
    std::wstring In(const std::wstring& name) const { return fakes.folder.Path() + L"\\" + name; }
    Sounds Played() { return std::exchange(fakes.sound.calls, {}); }
    static std::string Warning(std::wstring text, const std::wstring& name = L"") {
        if (const auto at = text.find(L"NAME"); at != std::wstring::npos) {
            text.replace(at, 4, name);
        }
        return "Aviso|2|" + win32::ToAnsi(text);
    }
    // Both timers' ticks through each second of the clock from `first` to `last`.
    void Seconds(int first, int last) {
        for (int s = first; s <= last; ++s) {
            fakes.clock.Set(7, 5, s);
            TickInTurn(20);
        }
    }
};

TEST_F(SoundTest, AFileThatCannotPlayLoopsTheReserveSoundWithOneWarning) {
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
        EXPECT_EQ(LastBalloon(), Warning(kReserveWarning, name));
        EXPECT_EQ(Background().sound().Plays(), alarm::Playing::Reserve);
        // The reserve loops: no retry, no second warning, not even for the same file again.
        Seconds(1, 3);
        Background().Tocar();
        EXPECT_EQ(Played(), Sounds{});
        EXPECT_EQ(Balloons(), balloons + 1);
    }
}

// Every call refused: no output at all. Tried once a second, whichever timer ticks.
TEST_F(SoundTest, WithNoOutputTheSoundIsTriedEachSecondUntilItPlaysAndDisarmingEndsTheRetries) {
    fakes.sound.accepts = [](const SoundCall&) { return false; };
    M().strSom = L"galo.wav";
    Background().Tocar();
    const Sounds aTry{Play(In(L"galo.wav")), Reserve()};
    EXPECT_EQ(Played(), aTry);
    EXPECT_EQ(LastBalloon(), Warning(kNothingWarning));
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
    Played();
    fakes.sound.accepts = [](const SoundCall&) { return false; };
    Background().Tocar();
    Background().Tocar(); // the next wake-up: tried at once, warned again
    EXPECT_EQ(Played(), (Sounds{aTry[0], aTry[1], aTry[0], aTry[1]}));
    EXPECT_EQ(Balloons(), balloons + 2);
    Main().chkDespSom.SetValue(0);
    Background().AlarmeDesarmado();
    EXPECT_EQ(Played(), Sounds{kPurge});
    Seconds(6, 8);
    EXPECT_EQ(Played(), Sounds{});
}

TEST_F(SoundTest, ArmingWarnsOfAnUnreadableFileOrASilentOutputInsteadOfTheHiddenBalloon) {
    const std::string hidden = "Aviso|1|" + win32::ToAnsi(kHiddenBalloon);
    // Sound ticked, the chosen file there, the output silent (none: not known), the balloon.
    const std::tuple<bool, bool, std::optional<bool>, std::string> rows[] = {
        {true, true, false, hidden},
        {true, true, std::nullopt, hidden},
        {false, false, true, hidden},
        {true, true, true,
         Warning(L"O som do Windows está mudo ou sem volume: o alarme não será ouvido.")},
        {true, false, true,
         Warning(L"O som escolhido (galo.wav) não pôde ser lido: na hora, o Acordina tocará o seu "
                 L"som de reserva.")},
    };
    for (const auto& [sound, fileThere, silent, balloon] : rows) {
        SCOPED_TRACE(balloon);
        fakes.audio.silent = silent;
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

TEST_F(SoundTest, SoundDevicesComingAndGoingEnableTheSoundOptionItsTickAndTheAlarmStay) {
    OpenPanel();
    SetTick(Main().chkDespSom, true);
    // The event (DBT_DEVNODES_CHANGED or another), the wave outputs, the option enabled.
    const std::tuple<WPARAM, std::uint32_t, bool> rows[] = {
        {0x0007, 0, false}, {0x8000, 1, false}, {0x0007, 1, true}, {0x0007, 2, true}};
    for (const auto& [event, devices, enabled] : rows) {
        fakes.sound.waveDevices = devices;
        SendMessageW(Background().hwnd(), WM_DEVICECHANGE, event, 0);
        EXPECT_EQ(IsWindowEnabled(Main().chkDespSom.hwnd()) != FALSE, enabled);
        EXPECT_EQ(Main().chkDespSom.Value(), 1);
    }
    Choose(Main().cboSom, 1);
    Click(Main().lblStatus);
    fakes.sound.waveDevices = 0;
    SendMessageW(Background().hwnd(), WM_DEVICECHANGE, 0x0007, 0);
    EXPECT_TRUE(M().blnLigado && M().blnDespSom);
    EXPECT_EQ(Played(), Sounds{});
}

// Windows-1252 has no Cyrillic: the name goes to PlaySoundW as it is, and to Config.inf in UTF-8.
TEST_F(SoundTest, ANameOutsideTheCodePagePlaysAndIsChosenAgainAfterTheFolderChanged) {
    const std::wstring name = L"Будильник.wav";
    fakes.folder.Write(name, kWave);
    Start();
    OpenPanel();
    SetTick(Main().chkDespSom, true);
    Choose(Main().cboSom, static_cast<int>(SendMessageW(Main().cboSom.hwnd(), CB_FINDSTRINGEXACT,
                                                        WPARAM(-1), LPARAM(name.c_str()))));
    Click(Main().lblStatus);
    const std::string utf8 =
        "\xD0\x91\xD1\x83\xD0\xB4\xD0\xB8\xD0\xBB\xD1\x8C\xD0\xBD\xD0\xB8\xD0\xBA.wav";
    EXPECT_TRUE(fakes.folder.Read(L"Config.inf")->ends_with("\r\n" + utf8 + "\r\n"));
    Background().Tocar();
    EXPECT_EQ(Played(), Sounds{Play(In(name))});
    EXPECT_EQ(LastBalloon(), "Aviso|1|" + win32::ToAnsi(kHiddenBalloon)) << "no warning";

    fakes.folder.Write(L"Alarme.wav", kWave);
    fakes.folder.Write(L"Ave.wav", kWave);
    Start();
    EXPECT_EQ(Main().cboSom.Text(), name);
}

} // namespace
} // namespace acordina::testing
