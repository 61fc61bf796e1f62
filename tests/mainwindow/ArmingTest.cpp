// Switching the alarm on and off on the real main window: the two refusals, everything a
// successful arming leaves behind and in which order, and disarming.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <string>
#include <vector>

namespace acordina::testing {
namespace {

using ::testing::HasSubstr;

constexpr wchar_t kArmed[] = L"\n        Ligado. Clique aqui para desligá-lo.";
constexpr wchar_t kDisarmed[] = L"\n        Desligado. Clique aqui para ligá-lo.";
constexpr wchar_t kHiddenBalloon[] =
    L"O programa ACORDINA está oculto\r\ndê um clique simples ou um clique com o botão direto "
    L"do mouse para restaurá-lo ou fechá-lo.";

// A file held open by the test, closed at the latest when the test ends.
class HeldFile {
public:
    explicit HeldFile(const std::wstring& path)
        : handle_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() { Close(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Open() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Close() {
        if (Open()) {
            CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

private:
    HANDLE handle_;
};

int WindowWidth(HWND hwnd) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return rc.right - rc.left;
}

// What the program looked like at one moment during an arming.
struct Snapshot {
    bool armed = false;
    std::wstring caption;
    bool lampOn = false;
    bool lampOff = false;
    bool windowVisible = false;
    std::wstring configCaption;
    bool fileWritten = false;
    std::size_t balloons = 0;
};

class ArmingTest : public ProgramFixture {
protected:
    void SetUp() override {
        fakes.folder.Write(L"galo.wav", "RIFF");
        fakes.folder.Write(L"sino.wav", "RIFF");
        Start();
    }

    Snapshot Now() {
        auto& f = Main();
        return {M().blnLigado,
                f.lblStatus.Text(),
                f.picLigado.Visible(),
                f.picDesligado.Visible(),
                IsWindowVisible(f.hwnd()) != FALSE,
                f.lblConfig.Text(),
                fakes.folder.Read(L"Config.inf").has_value(),
                fakes.shell.Balloons().size()};
    }

    // Spinners from where they stand to the given time, one arrow click at a time.
    void SetTime(int hour, int minute) {
        auto& f = Main();
        Spin(f.vsHH, SB_LINEDOWN, 23);
        Spin(f.vsMM, SB_LINEDOWN, 59);
        Spin(f.vsHH, SB_LINEUP, hour);
        Spin(f.vsMM, SB_LINEUP, minute);
    }
    void SetTick(const win32::CheckBox& box, bool ticked) {
        if ((box.Value() == 1) != ticked) {
            ClickCheck(box);
        }
    }
    static void Type(const win32::TextBox& box, const wchar_t* text) {
        SendMessageW(box.hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    }
    void OpenPanel() {
        if (Main().lblConfig.Text() == L"Configurações >>") {
            Click(Main().lblConfig);
        }
    }
    // Back on screen, as from the tray.
    void Restore() {
        Main().Mostrar();
        Pump();
    }
    std::size_t Boxes() const { return fakes.messageBoxes.shown.size(); }
};

// --- the refusals ---------------------------------------------------------------------------

TEST_F(ArmingTest, ARefusedArmingShowsItsBoxAndChangesNothing) {
    const struct {
        const char* name;
        bool som;
        bool visual;
        int sound; // entry chosen in the list, -1 none
        const wchar_t* text;
        const wchar_t* title;
    } cases[] = {
        {"no way of waking", false, false, -1,
         L"Escolha a forma de despertar: COM SOM e/ou COM ALERTA VISUAL.", L"Atenção!"},
        {"no way of waking, a sound chosen", false, false, 1,
         L"Escolha a forma de despertar: COM SOM e/ou COM ALERTA VISUAL.", L"Atenção!"},
        {"sound without a sound", true, false, -1, L"Escolha um som para despertar.", L"Aviso"},
        {"sound without a sound, visual too", true, true, -1, L"Escolha um som para despertar.",
         L"Aviso"},
    };
    auto& f = Main();
    OpenPanel();
    SetTime(7, 5);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetTick(f.chkDespSom, c.som);
        SetTick(f.chkDespVisual, c.visual);
        Choose(f.cboSom, c.sound);
        ClickCheck(f.chk15min);
        const Snapshot before = Now();
        const int width = WindowWidth(f.hwnd());
        // Both ways in: the label and the grey lamp.
        for (const win32::Control* clicked :
             std::initializer_list<const win32::Control*>{&f.lblStatus, &f.picDesligado}) {
            const std::size_t boxes = Boxes();
            Click(*clicked);
            ASSERT_EQ(Boxes(), boxes + 1) << "one box, the first test wins";
            const ShownBox& box = fakes.messageBoxes.shown.back();
            EXPECT_EQ(box.text, c.text);
            EXPECT_EQ(box.title, c.title);
            EXPECT_EQ(box.style, 16u);
            EXPECT_EQ(box.owner, f.hwnd());

            const Snapshot after = Now();
            EXPECT_FALSE(after.armed);
            EXPECT_EQ(after.caption, kDisarmed);
            EXPECT_TRUE(after.lampOff);
            EXPECT_FALSE(after.lampOn);
            EXPECT_TRUE(after.windowVisible);
            EXPECT_EQ(after.configCaption, L"Recolher Configurações <<") << "panel left open";
            EXPECT_EQ(WindowWidth(f.hwnd()), width);
            EXPECT_FALSE(after.fileWritten);
            EXPECT_EQ(after.balloons, before.balloons);
            EXPECT_EQ(M().strHoraDespertar, L"");
            EXPECT_EQ(M().strHora15min, L"");
            EXPECT_FALSE(M().bln15min);
            EXPECT_FALSE(M().blnDespVisual);
        }
    }
}

TEST_F(ArmingTest, TheHelpEntryLeavesNoSoundSoSoundArmingIsRefused) {
    auto& f = Main();
    OpenPanel();
    ClickCheck(f.chkDespSom);
    Choose(f.cboSom, 0); // "...Ajuda"
    ASSERT_EQ(f.cboSom.ListIndex(), -1);
    Click(f.lblStatus);
    EXPECT_EQ(fakes.messageBoxes.shown.back().text, L"Escolha um som para despertar.");
    EXPECT_FALSE(M().blnLigado);
}

TEST_F(ArmingTest, OnlyTheVisualAlertNeedsNoSound) {
    auto& f = Main();
    ASSERT_EQ(f.chkDespSom.Value(), 0);
    ASSERT_EQ(f.chkDespVisual.Value(), 1);
    ASSERT_EQ(f.cboSom.ListIndex(), -1);
    Click(f.lblStatus);
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, L"Programa ACORDIMA programado!");
    EXPECT_TRUE(M().blnLigado);
    EXPECT_TRUE(M().blnDespVisual);
    EXPECT_FALSE(M().blnDespSom);
    EXPECT_EQ(M().strSom, L"");
}

// --- a successful arming --------------------------------------------------------------------

TEST_F(ArmingTest, ArmingCollapsesSavesShowsArmedConfirmsThenHidesBehindTheBalloon) {
    auto& f = Main();
    OpenPanel();
    SetTime(7, 5);
    ClickCheck(f.chkDespSom);
    Choose(f.cboSom, 2); // sino.wav
    ClickCheck(f.chk10min);

    std::vector<Snapshot> atBox;
    fakes.messageBoxes.onShow = [&](const ShownBox&) { atBox.push_back(Now()); };
    std::vector<bool> visibleAtHiddenBalloon;
    fakes.shell.onNotify = [&](const ShellCall& call) {
        if ((call.Flags() & 0x10 /* NIF_INFO */) && call.Info() == win32::ToAnsi(kHiddenBalloon)) {
            visibleAtHiddenBalloon.push_back(IsWindowVisible(f.hwnd()) != FALSE);
        }
    };
    const std::size_t balloons = fakes.shell.Balloons().size();
    Click(f.lblStatus);
    fakes.messageBoxes.onShow = nullptr;
    fakes.shell.onNotify = nullptr;

    // The confirmation, on a fully armed program that is still on screen.
    ASSERT_EQ(Boxes(), 1u);
    const ShownBox& box = fakes.messageBoxes.shown[0];
    EXPECT_EQ(box.text, L"Programa ACORDIMA programado!");
    EXPECT_EQ(box.title, L"Aviso!");
    EXPECT_EQ(box.style, 64u);
    ASSERT_EQ(atBox.size(), 1u);
    EXPECT_TRUE(atBox[0].armed);
    EXPECT_EQ(atBox[0].caption, kArmed);
    EXPECT_TRUE(atBox[0].lampOn);
    EXPECT_FALSE(atBox[0].lampOff);
    EXPECT_EQ(atBox[0].configCaption, L"Configurações >>");
    EXPECT_TRUE(atBox[0].fileWritten);
    EXPECT_TRUE(atBox[0].windowVisible);
    EXPECT_EQ(atBox[0].balloons, balloons) << "the balloon comes after the box";

    // Then the balloon, still before the window goes.
    const auto shown = fakes.shell.Balloons();
    ASSERT_EQ(shown.size(), balloons + 1);
    EXPECT_EQ(shown.back()->Info(), win32::ToAnsi(kHiddenBalloon));
    EXPECT_EQ(shown.back()->InfoTitle(), "Aviso");
    EXPECT_EQ(shown.back()->InfoFlags(), 1u);
    EXPECT_EQ(visibleAtHiddenBalloon, std::vector<bool>{true});
    EXPECT_FALSE(IsWindowVisible(f.hwnd()));
    EXPECT_FALSE(IsIconic(f.hwnd())) << "hidden, not minimised";

    // The panel is collapsed and disabled, the file holds the choices.
    EXPECT_EQ(WindowWidth(f.hwnd()), 4725 / 15);
    EXPECT_FALSE(f.fraConfig.Enabled());
    const std::string saved = fakes.folder.Read(L"Config.inf").value_or("");
    EXPECT_EQ(saved.substr(0, 20), " 1 \r\n 2 \r\n 0 \r\n 1 \r\n");
    EXPECT_EQ(M().strHoraDespertar, L"07:05:00");
    EXPECT_EQ(M().strSom, L"sino.wav");
    EXPECT_TRUE(M().blnDespSom);
    EXPECT_TRUE(M().bln10min);
    EXPECT_EQ(M().strMsg10min, L"Faltam 10 minutos para despertar.");
    EXPECT_EQ(fakes.process.exits, 0);
    EXPECT_TRUE(fakes.sound.calls.empty());
}

TEST_F(ArmingTest, TheWakeUpTimeAndAllFivePreAlertTimesFollowTheSpinners) {
    const struct {
        int hour, minute;
        const wchar_t* wake;
        const wchar_t* at01;
        const wchar_t* at02;
        const wchar_t* at05;
        const wchar_t* at10;
        const wchar_t* at15;
    } cases[] = {
        {7, 5, L"07:05:00", L"7:4:00", L"7:3:00", L"7:0:00", L"6:55:00", L"6:50:00"},
        {0, 0, L"00:00:00", L"23:59:00", L"23:58:00", L"23:55:00", L"23:50:00", L"23:45:00"},
        {0, 10, L"00:10:00", L"0:9:00", L"0:8:00", L"0:5:00", L"0:0:00", L"23:55:00"},
        {12, 0, L"12:00:00", L"11:59:00", L"11:58:00", L"11:55:00", L"11:50:00", L"11:45:00"},
        {23, 59, L"23:59:00", L"23:58:00", L"23:57:00", L"23:54:00", L"23:49:00", L"23:44:00"},
        {1, 14, L"01:14:00", L"1:13:00", L"1:12:00", L"1:9:00", L"1:4:00", L"0:59:00"},
    };
    auto& f = Main();
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.hour << ":" << c.minute);
        Restore();
        SetTime(c.hour, c.minute);
        ASSERT_EQ(f.txtHH.Text(), std::to_wstring(c.hour));
        ASSERT_EQ(f.txtMM.Text(), std::to_wstring(c.minute));
        Click(f.lblStatus);
        ASSERT_TRUE(M().blnLigado);
        EXPECT_EQ(M().strHoraDespertar, c.wake);
        EXPECT_EQ(M().strHora01min, c.at01);
        EXPECT_EQ(M().strHora02min, c.at02);
        EXPECT_EQ(M().strHora05min, c.at05);
        EXPECT_EQ(M().strHora10min, c.at10);
        EXPECT_EQ(M().strHora15min, c.at15);
        // No pre-alert is ticked: every time is stored, every flag is off.
        EXPECT_FALSE(M().bln01min || M().bln02min || M().bln05min || M().bln10min || M().bln15min);
        Restore();
        Click(f.lblStatus); // disarms
        ASSERT_FALSE(M().blnLigado);
    }
}

TEST_F(ArmingTest, EachTickedPreAlertSetsItsOwnFlagAndMessageOnly) {
    struct Row {
        int minutes;
        win32::CheckBox mainwindow::frmAcordina::*check;
        win32::TextBox mainwindow::frmAcordina::*message;
        bool Module1::*flag;
        std::wstring Module1::*text;
    };
    using F = mainwindow::frmAcordina;
    const Row rows[] = {
        {15, &F::chk15min, &F::txt15min, &Module1::bln15min, &Module1::strMsg15min},
        {10, &F::chk10min, &F::txt10min, &Module1::bln10min, &Module1::strMsg10min},
        {5, &F::chk05min, &F::txt05min, &Module1::bln05min, &Module1::strMsg05min},
        {2, &F::chk02min, &F::txt02min, &Module1::bln02min, &Module1::strMsg02min},
        {1, &F::chk01min, &F::txt01min, &Module1::bln01min, &Module1::strMsg01min},
    };
    auto& f = Main();
    OpenPanel();
    for (const Row& row : rows) {
        Type(f.*row.message, (L"aviso de " + std::to_wstring(row.minutes)).c_str());
    }
    for (const Row& ticked : rows) {
        SCOPED_TRACE(ticked.minutes);
        Restore();
        OpenPanel();
        for (const Row& row : rows) {
            SetTick(f.*row.check, &row == &ticked);
        }
        Click(f.lblStatus);
        ASSERT_TRUE(M().blnLigado);
        for (const Row& row : rows) {
            EXPECT_EQ(M().*row.flag, &row == &ticked) << row.minutes;
        }
        EXPECT_EQ(M().*ticked.text, L"aviso de " + std::to_wstring(ticked.minutes));
        Restore();
        Click(f.lblStatus);
    }
    // Every message was copied once, by its own arming, and kept since.
    for (const Row& row : rows) {
        EXPECT_EQ(M().*row.text, L"aviso de " + std::to_wstring(row.minutes));
    }
}

TEST_F(ArmingTest, AllTickedCopiesTheMessagesAsTheyStandNow) {
    auto& f = Main();
    OpenPanel();
    for (const win32::CheckBox* box :
         {&f.chk15min, &f.chk10min, &f.chk05min, &f.chk02min, &f.chk01min}) {
        ClickCheck(*box);
    }
    Type(f.txt05min, L"  cinco, com espaços  ");
    Type(f.txt01min, L"");
    Click(f.lblStatus);
    EXPECT_TRUE(M().bln15min && M().bln10min && M().bln05min && M().bln02min && M().bln01min);
    EXPECT_EQ(M().strMsg15min, L"Faltam 15 minutos para despertar.");
    EXPECT_EQ(M().strMsg10min, L"Faltam 10 minutos para despertar.");
    EXPECT_EQ(M().strMsg05min, L"  cinco, com espaços  ");
    EXPECT_EQ(M().strMsg02min, L"Faltam 2 minutos para despertar.");
    EXPECT_EQ(M().strMsg01min, L"") << "a ticked empty message is copied as it is";
}

TEST_F(ArmingTest, ArmingAgainAfterUntickingClearsTheFlagsAndKeepsTheOldMessages) {
    auto& f = Main();
    OpenPanel();
    ClickCheck(f.chkDespSom);
    Choose(f.cboSom, 1); // galo.wav
    ClickCheck(f.chkDesligar);
    ClickCheck(f.chk10min);
    Type(f.txt10min, L"dez");
    Type(f.txt00min, L"acorde");
    Click(f.lblStatus);
    ASSERT_TRUE(M().blnDespSom && M().blnDesligar && M().blnDespVisual && M().bln10min);
    ASSERT_EQ(M().strMsg10min, L"dez");

    Restore();
    Click(f.lblStatus); // disarms: nothing else changes
    EXPECT_TRUE(M().blnDespSom && M().blnDesligar && M().blnDespVisual && M().bln10min);
    EXPECT_EQ(M().strHoraDespertar, L"00:00:00");

    OpenPanel();
    ClickCheck(f.chkDespSom);
    ClickCheck(f.chkDesligar);
    ClickCheck(f.chk10min);
    Type(f.txt10min, L"outra");
    Type(f.txt00min, L"");
    SetTime(6, 30);
    Click(f.lblStatus);
    ASSERT_TRUE(M().blnLigado);
    EXPECT_FALSE(M().blnDespSom);
    EXPECT_FALSE(M().blnDesligar);
    EXPECT_TRUE(M().blnDespVisual);
    EXPECT_FALSE(M().bln10min);
    EXPECT_EQ(M().strMsg10min, L"dez");
    EXPECT_EQ(M().strMsgDespertar, L"acorde") << "an empty message keeps the last one";
    EXPECT_EQ(M().strSom, L"galo.wav");
    EXPECT_EQ(M().strHoraDespertar, L"06:30:00");
    EXPECT_EQ(M().strHora10min, L"6:20:00");

    // And the other way round: sound only.
    Restore();
    Click(f.lblStatus);
    OpenPanel();
    ClickCheck(f.chkDespSom);
    ClickCheck(f.chkDespVisual);
    Click(f.lblStatus);
    ASSERT_TRUE(M().blnLigado);
    EXPECT_TRUE(M().blnDespSom);
    EXPECT_FALSE(M().blnDespVisual);
}

// --- disarming ------------------------------------------------------------------------------

TEST_F(ArmingTest, DisarmingStopsTheSoundOnlyWhenSoundIsTickedNow) {
    const struct {
        const char* name;
        bool soundAtArming;
        bool soundAtDisarming;
        bool byLamp; // the red lamp instead of the label
        bool stops;
    } cases[] = {
        {"sound ticked throughout", true, true, false, true},
        {"sound ticked, red lamp", true, true, true, true},
        {"sound unticked after arming", true, false, false, false},
        {"sound ticked after arming", false, true, false, true},
        {"never sound", false, false, true, false},
    };
    auto& f = Main();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Restore();
        OpenPanel();
        SetTick(f.chkDespSom, c.soundAtArming);
        if (c.soundAtArming) {
            Choose(f.cboSom, 1);
        }
        SetTime(7, 5);
        Click(f.lblStatus);
        ASSERT_TRUE(M().blnLigado);
        Restore();
        OpenPanel();
        SetTick(f.chkDespSom, c.soundAtDisarming);

        const Module1 armed = M();
        const std::string saved = fakes.folder.Read(L"Config.inf").value_or("");
        fakes.folder.Write(L"Config.inf", "kept");
        const std::size_t boxes = Boxes();
        const std::size_t shellCalls = fakes.shell.calls.size();
        fakes.sound.calls.clear();
        const int width = WindowWidth(f.hwnd());
        const std::wstring configCaption = f.lblConfig.Text();
        const bool visible = IsWindowVisible(f.hwnd()) != FALSE;

        Click(c.byLamp ? static_cast<const win32::Control&>(f.picLigado) : f.lblStatus);

        EXPECT_FALSE(M().blnLigado);
        EXPECT_EQ(f.lblStatus.Text(), kDisarmed);
        EXPECT_TRUE(f.picDesligado.Visible());
        EXPECT_FALSE(f.picLigado.Visible());
        if (c.stops) {
            ASSERT_EQ(fakes.sound.calls.size(), 1u);
            EXPECT_EQ(fakes.sound.calls[0].name, std::nullopt);
            EXPECT_EQ(fakes.sound.calls[0].module, 0u);
            EXPECT_EQ(fakes.sound.calls[0].flags, 0x40u);
        } else {
            EXPECT_TRUE(fakes.sound.calls.empty());
        }
        // Nothing else: no box, no file, no balloon, window and panel as they were.
        EXPECT_EQ(Boxes(), boxes);
        EXPECT_EQ(fakes.folder.Read(L"Config.inf"), std::optional<std::string>("kept"));
        EXPECT_EQ(fakes.shell.calls.size(), shellCalls);
        EXPECT_EQ(WindowWidth(f.hwnd()), width);
        EXPECT_EQ(f.lblConfig.Text(), configCaption);
        EXPECT_EQ(IsWindowVisible(f.hwnd()) != FALSE, visible);
        EXPECT_EQ(M().strHoraDespertar, armed.strHoraDespertar);
        EXPECT_EQ(M().strHora05min, armed.strHora05min);
        EXPECT_EQ(M().blnDespSom, armed.blnDespSom);
        EXPECT_EQ(M().blnDespVisual, armed.blnDespVisual);
        EXPECT_EQ(M().strMsgDespertar, armed.strMsgDespertar);
        fakes.folder.Write(L"Config.inf", saved);
    }
}

TEST_F(ArmingTest, TheGreyLampArmsAndTheRedLampOnlyDisarms) {
    auto& f = Main();
    Click(f.picDesligado);
    EXPECT_TRUE(M().blnLigado);
    EXPECT_EQ(f.lblStatus.Text(), kArmed);
    Restore();
    Click(f.picLigado);
    EXPECT_FALSE(M().blnLigado);
    // A second click on the (hidden) red lamp disarms again and never arms.
    Click(f.picLigado);
    EXPECT_FALSE(M().blnLigado);
    EXPECT_EQ(Boxes(), 1u);
}

TEST_F(ArmingTest, WhileArmedTheTimersFireButTheControlsNoLongerCount) {
    auto& f = Main();
    SetTime(7, 5);
    Click(f.lblStatus);
    Restore();
    SetTime(8, 0);
    OpenPanel();
    ClickCheck(f.chkDespVisual);
    EXPECT_EQ(M().strHoraDespertar, L"07:05:00");
    EXPECT_TRUE(M().blnDespVisual);
    const std::size_t balloons = fakes.shell.Balloons().size();
    fakes.clock.Set(7, 5, 0);
    TickMain();
    EXPECT_EQ(fakes.shell.Balloons().size(), balloons + 1);
}

// --- a settings file that cannot be written -------------------------------------------------

TEST_F(ArmingTest, ASettingsFileInUseIsReportedKeptAsItWasAndTheArmingCompletes) {
    const std::wstring path = fakes.folder.Path() + L"\\Config.inf";
    const std::string previous = " 0 \r\n-1 \r\n 0 \r\n 1 \r\nantes\r\n";
    fakes.folder.Write(L"Config.inf", previous);
    // Held open without sharing: it can be neither replaced nor deleted meanwhile.
    HeldFile held(path);
    ASSERT_TRUE(held.Open());

    std::error_code expected;
    {
        const std::filesystem::path probe = fakes.folder.Path() + std::wstring(L"\\probe.tmp");
        fakes.folder.Write(L"probe.tmp", "x");
        std::filesystem::rename(probe, path, expected);
        std::filesystem::remove(probe);
    }
    ASSERT_TRUE(expected) << "this system lets a file in use be replaced";

    auto& f = Main();
    Snapshot atConfirmation;
    fakes.messageBoxes.onShow = [&](const ShownBox& box) {
        if (box.style == 64) {
            atConfirmation = Now();
        }
    };
    Click(f.lblStatus);
    fakes.messageBoxes.onShow = nullptr;
    held.Close();

    ASSERT_EQ(Boxes(), 2u);
    const ShownBox& warning = fakes.messageBoxes.shown[0];
    EXPECT_EQ(warning.style, 48u);
    EXPECT_EQ(warning.owner, f.hwnd());
    EXPECT_THAT(warning.text, HasSubstr(path));
    const std::string reason = expected.message();
    EXPECT_THAT(warning.text, HasSubstr(std::wstring(reason.begin(), reason.end())));
    EXPECT_THAT(warning.text, HasSubstr(L"gravar"));
    EXPECT_EQ(fakes.messageBoxes.shown[1].text, L"Programa ACORDIMA programado!");

    EXPECT_TRUE(atConfirmation.armed);
    EXPECT_EQ(atConfirmation.caption, kArmed);
    EXPECT_TRUE(M().blnLigado);
    EXPECT_TRUE(M().blnDespVisual);
    EXPECT_EQ(M().strHoraDespertar, L"00:00:00");
    EXPECT_FALSE(IsWindowVisible(f.hwnd()));
    EXPECT_EQ(fakes.folder.Read(L"Config.inf"), std::optional<std::string>(previous));
    EXPECT_FALSE(fakes.folder.Read(L"Config.inf.tmp"));
}

} // namespace
} // namespace acordina::testing
