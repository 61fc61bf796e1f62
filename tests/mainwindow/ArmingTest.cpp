// Switching the alarm on and off on the real main window: the two refusals, everything a
// successful arming leaves behind and in which order, and disarming.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace acordina::testing {
namespace {

using ::testing::Contains;

// What the program looked like at one moment during an arming.
struct Snapshot {
    bool armed = false;
    std::wstring caption;
    bool lampOn = false;
    bool lampOff = false;
    bool windowVisible = false;
    std::wstring configCaption;
    int width = 0;
    bool fileWritten = false;
    std::size_t balloons = 0;
    bool operator==(const Snapshot&) const = default;
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
                Width(f.hwnd()),
                fakes.folder.Read(L"Config.inf").has_value(),
                Balloons()};
    }
    // Spinners from where they stand to the given time, one arrow click at a time.
    void SetTime(int hour, int minute) {
        Spin(Main().vsHH, SB_LINEDOWN, 23);
        Spin(Main().vsMM, SB_LINEDOWN, 59);
        Spin(Main().vsHH, SB_LINEUP, hour);
        Spin(Main().vsMM, SB_LINEUP, minute);
    }
    static void SetTick(const win32::CheckBox& box, bool ticked) {
        if ((box.Value() == 1) != ticked) {
            ClickCheck(box);
        }
    }
    static void Type(const win32::TextBox& box, const std::wstring& text) {
        SendMessageW(box.hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void OpenPanel() {
        if (Main().lblConfig.Text() == L"Configurações >>") {
            Click(Main().lblConfig);
        }
    }
};

// --- the refusals ---------------------------------------------------------------------------

TEST_F(ArmingTest, ARefusedArmingShowsItsBoxAndChangesNothingTheVisualAlertAloneArms) {
    const struct {
        const char* name;
        bool som, visual;
        const wchar_t* text;
        const wchar_t* title;
    } cases[] = {
        {"no way of waking", false, false,
         L"Escolha a forma de despertar: COM SOM e/ou COM ALERTA VISUAL.", L"Atenção!"},
        {"sound without a sound", true, false, L"Escolha um som para despertar.", L"Aviso"},
        {"sound without a sound, visual too", true, true, L"Escolha um som para despertar.",
         L"Aviso"},
    };
    auto& f = Main();
    OpenPanel();
    SetTime(7, 5);
    ClickCheck(f.chk15min);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetTick(f.chkDespSom, c.som);
        SetTick(f.chkDespVisual, c.visual);
        const Snapshot before = Now();
        ASSERT_FALSE(before.armed);
        ASSERT_EQ(before.configCaption, L"Recolher Configurações <<");
        // Both ways in: the label and the grey lamp.
        for (const win32::Control* clicked :
             {static_cast<const win32::Control*>(&f.lblStatus),
              static_cast<const win32::Control*>(&f.picDesligado)}) {
            const std::size_t boxes = Boxes();
            Click(*clicked);
            ASSERT_EQ(Boxes(), boxes + 1);
            EXPECT_EQ(fakes.messageBoxes.shown.back(), (ShownBox{f.hwnd(), c.text, c.title, 16}));
            EXPECT_TRUE(Now() == before) << "nothing changed, nothing saved";
            EXPECT_TRUE(M().strHoraDespertar.empty() && M().strHora15min.empty());
            EXPECT_FALSE(M().bln15min || M().blnDespVisual);
        }
    }
    // Only the visual alert, with no sound chosen: armed.
    SetTick(f.chkDespSom, false);
    Click(f.lblStatus);
    EXPECT_EQ(fakes.messageBoxes.shown.back().text, L"Programa ACORDIMA programado!");
    EXPECT_TRUE(M().blnLigado && M().blnDespVisual && !M().blnDespSom);
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
    const std::size_t balloons = Balloons();
    Click(f.lblStatus);
    fakes.messageBoxes.onShow = nullptr;

    // The confirmation, on a fully armed program that is still on screen.
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0],
              (ShownBox{f.hwnd(), L"Programa ACORDIMA programado!", L"Aviso!", 64}));
    ASSERT_EQ(atBox.size(), 1u);
    EXPECT_TRUE(atBox[0] == (Snapshot{true, kArmed, true, false, true, L"Configurações >>",
                                      4725 / 15, true, balloons}))
        << "the balloon comes after the box";

    // Then the balloon (shown while the window is still there: see the background's tests).
    const auto shown = fakes.shell.Balloons();
    ASSERT_EQ(shown.size(), balloons + 1);
    EXPECT_EQ(shown.back()->Info(), win32::ToAnsi(kHiddenBalloon));
    EXPECT_EQ(shown.back()->InfoTitle(), "Aviso");
    EXPECT_EQ(shown.back()->InfoFlags(), 1u);
    EXPECT_FALSE(IsWindowVisible(f.hwnd()));
    EXPECT_FALSE(IsIconic(f.hwnd())) << "hidden, not minimised";

    // The panel is collapsed and disabled, the file holds the choices.
    EXPECT_FALSE(f.fraConfig.Enabled());
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
        const wchar_t* before[5]; // 1, 2, 5, 10 and 15 minutes before
    } cases[] = {
        {7, 5, L"07:05:00", {L"7:4:00", L"7:3:00", L"7:0:00", L"6:55:00", L"6:50:00"}},
        {0, 0, L"00:00:00", {L"23:59:00", L"23:58:00", L"23:55:00", L"23:50:00", L"23:45:00"}},
        {0, 10, L"00:10:00", {L"0:9:00", L"0:8:00", L"0:5:00", L"0:0:00", L"23:55:00"}},
        {12, 0, L"12:00:00", {L"11:59:00", L"11:58:00", L"11:55:00", L"11:50:00", L"11:45:00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.hour << ":" << c.minute);
        Restore();
        SetTime(c.hour, c.minute);
        ASSERT_EQ(Main().txtHH.Text(), std::to_wstring(c.hour));
        ASSERT_EQ(Main().txtMM.Text(), std::to_wstring(c.minute));
        Click(Main().lblStatus);
        ASSERT_TRUE(M().blnLigado);
        EXPECT_EQ(M().strHoraDespertar, c.wake);
        const std::wstring stored[] = {M().strHora01min, M().strHora02min, M().strHora05min,
                                       M().strHora10min, M().strHora15min};
        EXPECT_THAT(stored, ::testing::ElementsAreArray(c.before));
        // No pre-alert is ticked: every time is stored, every flag is off.
        EXPECT_FALSE(M().bln01min || M().bln02min || M().bln05min || M().bln10min || M().bln15min);
        Restore();
        Click(Main().lblStatus); // disarms
        ASSERT_FALSE(M().blnLigado);
    }
}

// The shared settings follow the controls at each arming, except that an empty sound or an unused
// wake-up message keeps the last one and an unticked pre-alert keeps its last message.
TEST_F(ArmingTest, EachArmingPublishesAfreshButKeepsEmptySoundAndMessageAndUntickedMessages) {
    using F = mainwindow::frmAcordina;
    const struct PreAlert {
        int minutes;
        win32::CheckBox F::*check;
        win32::TextBox F::*message;
        bool Module1::*flag;
        std::wstring Module1::*text;
    } preAlerts[] = {
        {15, &F::chk15min, &F::txt15min, &Module1::bln15min, &Module1::strMsg15min},
        {10, &F::chk10min, &F::txt10min, &Module1::bln10min, &Module1::strMsg10min},
        {5, &F::chk05min, &F::txt05min, &Module1::bln05min, &Module1::strMsg05min},
        {2, &F::chk02min, &F::txt02min, &Module1::bln02min, &Module1::strMsg02min},
        {1, &F::chk01min, &F::txt01min, &Module1::bln01min, &Module1::strMsg01min},
    };
    const struct Arming {
        const char* name;
        int entry; // chosen in the sound list, 0 being the help entry
        bool som, desligar, visual;
        int preAlert;          // the one ticked
        const wchar_t* msg;    // the wake-up message typed
        const wchar_t* preMsg; // typed before each pre-alert's minutes, unless empty
        const wchar_t* publishedSom;
        const wchar_t* publishedMsg;
        const char* soundLine;
    } armings[] = {
        {"sound 1, shutdown", 1, true, true, true, 15, L"acorde", L"  antes", L"galo.wav",
         L"acorde", " 1 "},
        {"sound 2 only, empty message", 2, true, false, false, 5, L"", L"mais", L"sino.wav",
         L"acorde", " 2 "},
        {"help chosen, only the visual alert, empty message", 0, false, false, true, 1, L"",
         L"outro", L"sino.wav", L"TRRRIIIMMM!!! Despertando...", "-1 "},
        {"own message", 2, true, false, true, 2, L"bom dia", L"enfim", L"sino.wav", L"bom dia",
         " 2 "},
        {"as before", 2, true, false, true, 10, L"bom dia", L"dez", L"sino.wav", L"bom dia", " 2 "},
    };
    const auto typed = [](const Arming& a, const PreAlert& p) {
        return *a.preMsg ? a.preMsg + (L" " + std::to_wstring(p.minutes)) : std::wstring();
    };
    auto& f = Main();
    std::wstring published[5]; // each pre-alert's message as last copied
    for (const auto& a : armings) {
        SCOPED_TRACE(a.name);
        Restore();
        OpenPanel();
        Choose(f.cboSom, a.entry);
        SetTick(f.chkDespSom, a.som);
        SetTick(f.chkDesligar, a.desligar);
        SetTick(f.chkDespVisual, a.visual);
        Type(f.txt00min, a.msg);
        for (const auto& p : preAlerts) {
            SetTick(f.*p.check, p.minutes == a.preAlert);
            Type(f.*p.message, typed(a, p));
        }
        Click(f.lblStatus);
        ASSERT_TRUE(M().blnLigado);
        EXPECT_EQ(M().blnDespSom, a.som);
        EXPECT_EQ(M().blnDesligar, a.desligar);
        EXPECT_EQ(M().blnDespVisual, a.visual);
        EXPECT_EQ(M().strSom, a.publishedSom);
        EXPECT_EQ(M().strMsgDespertar, a.publishedMsg);
        for (std::size_t i = 0; i < std::size(preAlerts); ++i) {
            const PreAlert& p = preAlerts[i];
            if (p.minutes == a.preAlert) {
                published[i] = typed(a, p);
            }
            EXPECT_EQ(M().*p.flag, p.minutes == a.preAlert) << p.minutes;
            EXPECT_EQ(M().*p.text, published[i]) << p.minutes;
        }
        EXPECT_EQ(fakes.folder.Read(L"Config.inf").value_or("").substr(5, 3), a.soundLine);
        Restore();
        Click(f.lblStatus); // disarms
    }
}

TEST_F(ArmingTest, ATickedAlertsEmptiedOrBlankMessageIsGivenItsDesignedTextBack) {
    using F = mainwindow::frmAcordina;
    const struct {
        win32::CheckBox F::*check;
        win32::TextBox F::*box;
        std::wstring Module1::*message;
        const wchar_t* designed;
    } alerts[] = {
        {&F::chkDespVisual, &F::txt00min, &Module1::strMsgDespertar,
         L"TRRRIIIMMM!!! Despertando..."},
        {&F::chk15min, &F::txt15min, &Module1::strMsg15min, L"Faltam 15 minutos para despertar."},
        {&F::chk10min, &F::txt10min, &Module1::strMsg10min, L"Faltam 10 minutos para despertar."},
        {&F::chk05min, &F::txt05min, &Module1::strMsg05min, L"Faltam 5 minutos para despertar."},
        {&F::chk02min, &F::txt02min, &Module1::strMsg02min, L"Faltam 2 minutos para despertar."},
        {&F::chk01min, &F::txt01min, &Module1::strMsg01min, L"Falta 1 minuto para despertar."}};
    auto& f = Main();
    for (const wchar_t* emptied : {L"", L" \t  "}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(emptied)));
        Restore();
        OpenPanel();
        for (const auto& a : alerts) {
            SetTick(f.*a.check, true);
            Type(f.*a.box, emptied);
        }
        Click(f.lblStatus);
        ASSERT_TRUE(M().blnLigado);
        for (const auto& a : alerts) {
            EXPECT_EQ(M().*a.message, a.designed);
            EXPECT_EQ((f.*a.box).Text(), a.designed);
        }
        Restore();
        Click(f.lblStatus); // disarms
    }
    // An unticked alert's message is left as the user emptied it.
    OpenPanel();
    SetTick(f.chk15min, false);
    Type(f.txt15min, L"");
    Click(f.lblStatus);
    EXPECT_EQ(f.txt15min.Text(), L"");
}

// --- disarming ------------------------------------------------------------------------------

TEST_F(ArmingTest, DisarmingStopsTheSoundOnlyWhenSoundIsTickedNowAndChangesNothingElse) {
    const struct {
        const char* name;
        bool soundAtArming, soundAtDisarming;
        bool byLamp; // armed by the grey lamp, disarmed by the red one, instead of the label
        bool stops;
    } cases[] = {
        {"sound ticked throughout, lamps", true, true, true, true},
        {"sound unticked after arming", true, false, false, false},
        {"sound ticked after arming", false, true, false, true},
        {"never sound, lamps", false, false, true, false},
    };
    auto& f = Main();
    const auto published = [this] {
        return std::tuple(M().strHoraDespertar, M().strHora05min, M().blnDespSom, M().blnDespVisual,
                          M().strMsgDespertar);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Restore();
        OpenPanel();
        SetTick(f.chkDespSom, c.soundAtArming);
        if (c.soundAtArming) {
            Choose(f.cboSom, 1);
        }
        SetTime(7, 5);
        Click(c.byLamp ? static_cast<const win32::Control&>(f.picDesligado) : f.lblStatus);
        ASSERT_TRUE(M().blnLigado);
        ASSERT_EQ(f.lblStatus.Text(), kArmed);
        Restore();
        OpenPanel();
        SetTick(f.chkDespSom, c.soundAtDisarming);

        const auto armed = published();
        const std::string saved = fakes.folder.Read(L"Config.inf").value_or("");
        fakes.folder.Write(L"Config.inf", "kept");
        const std::size_t boxes = Boxes();
        const std::size_t shellCalls = fakes.shell.calls.size();
        fakes.sound.calls.clear();
        Snapshot expected = Now();
        expected.armed = expected.lampOn = false;
        expected.lampOff = true;
        expected.caption = kDisarmed;

        Click(c.byLamp ? static_cast<const win32::Control&>(f.picLigado) : f.lblStatus);

        EXPECT_TRUE(Now() == expected) << "disarmed; window and panel as they were";
        const std::vector<SoundCall> stop = {{std::nullopt, 0, 0x40}};
        EXPECT_EQ(fakes.sound.calls, c.stops ? stop : std::vector<SoundCall>());
        // Nothing else: no box, no file, no shell call, the published settings kept.
        EXPECT_EQ(Boxes(), boxes);
        EXPECT_EQ(fakes.folder.Read(L"Config.inf"), std::optional<std::string>("kept"));
        EXPECT_EQ(fakes.shell.calls.size(), shellCalls);
        EXPECT_EQ(published(), armed);
        // The (hidden) red lamp clicked once more disarms again and never arms.
        Click(f.picLigado);
        EXPECT_FALSE(M().blnLigado);
        EXPECT_EQ(Boxes(), boxes);
        fakes.folder.Write(L"Config.inf", saved);
    }
}

TEST_F(ArmingTest, WhileArmedTheControlsNoLongerCount) {
    auto& f = Main();
    SetTime(7, 5);
    Click(f.lblStatus);
    Restore();
    SetTime(8, 0);
    OpenPanel();
    ClickCheck(f.chkDespVisual);
    EXPECT_EQ(f.txtHH.Text(), L"8");
    EXPECT_EQ(M().strHoraDespertar, L"07:05:00");
    EXPECT_EQ(M().strHora15min, L"6:50:00");
    EXPECT_TRUE(M().blnLigado && M().blnDespVisual);
    const std::size_t balloons = Balloons();
    fakes.clock.Set(7, 5, 0);
    TickMain();
    EXPECT_EQ(Balloons(), balloons + 1);
}

// --- a settings file that cannot be written -------------------------------------------------

// The system's own text for an error, as FormatMessageW gives it.
std::wstring SystemText(DWORD error) {
    wchar_t text[512]{};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   text, 512, nullptr);
    const std::wstring s = text;
    return s.substr(0, s.find_last_not_of(L"\r\n ") + 1);
}

// A Config.inf held open without sharing by another program, or a folder in the way of the
// temporary: the old file stays byte for byte, the warning gives the system's reason, and the
// arming completes.
TEST_F(ArmingTest, ASettingsFileThatCannotBeReplacedIsReportedKeptAsItWasAndTheArmingCompletes) {
    const std::wstring path = fakes.folder.Path() + L"\\Config.inf";
    const std::string previous = " 0 \r\n-1 \r\n 0 \r\n 1 \r\nantes\r\n";
    // Windows refuses the replacement as a sharing violation, Wine as access denied.
    const std::wstring reasons[] = {SystemText(ERROR_SHARING_VIOLATION),
                                    SystemText(ERROR_ACCESS_DENIED)};
    for (const bool heldOpen : {true, false}) {
        SCOPED_TRACE(heldOpen ? "held open" : "a folder in the way");
        fakes.folder.Write(L"Config.inf", previous);
        win32::UniqueHandle held;
        if (heldOpen) {
            held = win32::OwnFile(
                CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
            ASSERT_TRUE(held);
        } else {
            ASSERT_TRUE(CreateDirectoryW((path + L".tmp").c_str(), nullptr));
        }
        Restore();
        if (M().blnLigado) {
            Click(Main().lblStatus);
        }
        const std::size_t boxes = Boxes();
        Click(Main().lblStatus);
        held.reset();

        ASSERT_EQ(Boxes(), boxes + 2);
        const ShownBox& warning = fakes.messageBoxes.shown[boxes];
        EXPECT_EQ(warning.owner, Main().hwnd());
        EXPECT_EQ(warning.title, L"Aviso");
        EXPECT_EQ(warning.style, 48u);
        const std::wstring head = L"Não foi possível gravar as escolhas em " + path + L".\n";
        const std::wstring tail =
            L"\nO despertador será ligado mesmo assim; o arquivo anterior não foi alterado.";
        ASSERT_TRUE(warning.text.starts_with(head) && warning.text.ends_with(tail));
        EXPECT_THAT(reasons, Contains(warning.text.substr(
                                 head.size(), warning.text.size() - head.size() - tail.size())));
        EXPECT_EQ(fakes.messageBoxes.shown[boxes + 1].text, L"Programa ACORDIMA programado!");
        EXPECT_TRUE(M().blnLigado && M().blnDespVisual);
        EXPECT_EQ(Main().lblStatus.Text(), kArmed);
        EXPECT_FALSE(IsWindowVisible(Main().hwnd()));
        EXPECT_EQ(fakes.folder.Read(L"Config.inf"), std::optional<std::string>(previous));
        EXPECT_EQ(GetFileAttributesW((path + L".tmp").c_str()),
                  heldOpen ? INVALID_FILE_ATTRIBUTES : FILE_ATTRIBUTE_DIRECTORY);
    }
}

} // namespace
} // namespace acordina::testing
