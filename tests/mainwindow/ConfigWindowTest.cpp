// Config.inf on the real window: restored into the controls at start, written
// and published at arming.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <string>

namespace acordina::testing {
namespace {

using Panel = std::array<std::wstring, 15>;

// The panel's design values, in the file's line order.
// clang-format off
const Panel kDesign = {
    L"0", L"-1", L"0", L"1", L"TRRRIIIMMM!!! Despertando...",
    L"0", L"Faltam 15 minutos para despertar.",
    L"0", L"Faltam 10 minutos para despertar.",
    L"0", L"Faltam 5 minutos para despertar.",
    L"0", L"Faltam 2 minutos para despertar.",
    L"0", L"Falta 1 minuto para despertar.",
};
// clang-format on

// Sound with its third entry, visual alert, pre-alerts at 15 and 5 minutes.
constexpr char kWorkedExample[] = " 1 \r\n"
                                  " 2 \r\n"
                                  " 0 \r\n"
                                  " 1 \r\n"
                                  "TRRRIIIMMM!!! Despertando...\r\n"
                                  " 1 \r\n"
                                  "Faltam 15 minutos para despertar.\r\n"
                                  " 0 \r\n"
                                  "Faltam 10 minutos para despertar.\r\n"
                                  " 1 \r\n"
                                  "Faltam 5 minutos para despertar.\r\n"
                                  " 0 \r\n"
                                  "Faltam 2 minutos para despertar.\r\n"
                                  " 0 \r\n"
                                  "Falta 1 minuto para despertar.\r\n";

// Every setting away from its design value; accents in Windows-1252, blanks kept.
constexpr char kEverythingChanged[] = " 1 \r\n"
                                      " 3 \r\n"
                                      " 1 \r\n"
                                      " 0 \r\n"
                                      "Acorde j\xE1, s\xE3o horas!\r\n"
                                      " 1 \r\n"
                                      "  Quinze minutos  \r\n"
                                      " 1 \r\n"
                                      "Dez: aten\xE7\xE3o\r\n"
                                      " 1 \r\n"
                                      "Cinco \x80\r\n"
                                      " 1 \r\n"
                                      "\xC9 daqui a dois\r\n"
                                      " 1 \r\n"
                                      "\r\n";

// clang-format off
const Panel kEverythingChangedPanel = {
    L"1", L"3", L"1", L"0", L"Acorde já, são horas!",
    L"1", L"  Quinze minutos  ",
    L"1", L"Dez: atenção",
    L"1", L"Cinco €",
    L"1", L"É daqui a dois",
    L"1", L"",
};
// clang-format on

// The controls' values in the file's line order.
Panel ReadPanel(const mainwindow::frmAcordina& f) {
    auto tick = [](const win32::CheckBox& c) { return std::to_wstring(c.Value()); };
    // clang-format off
    return {tick(f.chkDespSom), std::to_wstring(f.cboSom.ListIndex()), tick(f.chkDesligar),
            tick(f.chkDespVisual), f.txt00min.Text(),
            tick(f.chk15min), f.txt15min.Text(),
            tick(f.chk10min), f.txt10min.Text(),
            tick(f.chk05min), f.txt05min.Text(),
            tick(f.chk02min), f.txt02min.Text(),
            tick(f.chk01min), f.txt01min.Text()};
    // clang-format on
}

// Each paired control is enabled with the window colour exactly when its box is checked.
void ExpectPairsAgree(mainwindow::frmAcordina& f) {
    const std::pair<const win32::CheckBox*, const win32::Control*> pairs[] = {
        {&f.chkDespSom, &f.cboSom}, {&f.chkDespVisual, &f.txt00min}, {&f.chk15min, &f.txt15min},
        {&f.chk10min, &f.txt10min}, {&f.chk05min, &f.txt05min},      {&f.chk02min, &f.txt02min},
        {&f.chk01min, &f.txt01min},
    };
    for (const auto& [check, paired] : pairs) {
        const bool on = check->Value() == 1;
        EXPECT_EQ(paired->Enabled(), on) << paired->Name();
        EXPECT_EQ(paired->BackColor(), on ? win32::kSysWindow : win32::kSysButtonFace)
            << paired->Name();
        EXPECT_EQ(SendMessageW(check->hwnd(), BM_GETCHECK, 0, 0), on ? BST_CHECKED : BST_UNCHECKED)
            << check->Name();
    }
}

void ExpectNothingPublished(const Module1& m) {
    EXPECT_FALSE(m.blnDespSom);
    EXPECT_FALSE(m.blnDesligar);
    EXPECT_FALSE(m.blnDespVisual);
    EXPECT_EQ(m.strSom, L"");
    EXPECT_EQ(m.strMsgDespertar, L"");
    EXPECT_FALSE(m.blnLigado);
}

class ConfigWindowTest : public ProgramFixture {
protected:
    // The sound list then reads "...Ajuda", "a.wav", "b.wav", "c.wav".
    void AddThreeSounds() {
        fakes.folder.Write(L"c.wav", "RIFF");
        fakes.folder.Write(L"a.wav", "RIFF");
        fakes.folder.Write(L"b.wav", "RIFF");
    }
    void SaveConfig(const std::string& bytes) { fakes.folder.Write(L"Config.inf", bytes); }
    std::string Saved() { return fakes.folder.Read(L"Config.inf").value_or("(no file)"); }
    void Arm() { Click(Main().lblStatus); }
};

// --- Reading at start --------------------------------------------------------

TEST_F(ConfigWindowTest, WithoutAFileTheDesignValuesStayAndNothingIsSaid) {
    AddThreeSounds();
    Start();
    EXPECT_EQ(ReadPanel(Main()), kDesign);
    ExpectPairsAgree(Main());
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    EXPECT_FALSE(fakes.folder.Read(L"Config.inf")) << "reading creates no file";
}

TEST_F(ConfigWindowTest, ASavedFileRestoresEveryTickTheSoundAndAllSixMessagesButNotTheTime) {
    AddThreeSounds();
    SaveConfig(kEverythingChanged);
    Start();
    auto& f = Main();
    EXPECT_EQ(ReadPanel(f), kEverythingChangedPanel);
    EXPECT_EQ(f.cboSom.Text(), L"c.wav");
    ExpectPairsAgree(f);
    EXPECT_EQ(f.txtHH.Text(), L"0");
    EXPECT_EQ(f.txtMM.Text(), L"0");
    EXPECT_EQ(f.vsHH.Value(), 0);
    EXPECT_EQ(f.vsMM.Value(), 0);
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    ExpectNothingPublished(M());
}

TEST_F(ConfigWindowTest, ArmingRightAfterARestoreWritesTheSameBytesBack) {
    AddThreeSounds();
    SaveConfig(kEverythingChanged);
    Start();
    Arm();
    ASSERT_TRUE(M().blnLigado);
    EXPECT_EQ(Saved(), kEverythingChanged);
}

TEST_F(ConfigWindowTest, AStoredIndexOnTheHelpEntryShowsHelpAtStartAndLeavesNoSelection) {
    AddThreeSounds();
    std::string file = kWorkedExample;
    file.replace(file.find(" 2 "), 3, " 0 ");
    SaveConfig(file);
    Start();
    auto& f = Main();
    EXPECT_EQ(f.cboSom.ListIndex(), -1);
    EXPECT_EQ(f.cboSom.Text(), L"");
    EXPECT_EQ(SendMessageW(f.cboSom.hwnd(), CB_GETCURSEL, 0, 0), CB_ERR);
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text,
              L"Para configurar novos sons, escolha qualquer arquivo WAV e coloque na pasta de "
              L"instalação deste sistema (" +
                  fakes.folder.Path() + L")");
    EXPECT_EQ(fakes.messageBoxes.shown[0].title, L"Ajuda");
    EXPECT_EQ(fakes.messageBoxes.shown[0].style, 64u);
    // Reading goes on after the help.
    EXPECT_EQ(f.chk15min.Value(), 1);
    EXPECT_EQ(f.chk05min.Value(), 1);
    EXPECT_TRUE(f.cboSom.Enabled());
}

TEST_F(ConfigWindowTest, AStoredIndexSelectsWhateverEntryStandsThereNow) {
    // Written when the list held other files: index 2 is now the second file.
    fakes.folder.Write(L"zeta.wav", "RIFF");
    fakes.folder.Write(L"Alfa.wav", "RIFF");
    SaveConfig(kWorkedExample);
    Start();
    EXPECT_EQ(Main().cboSom.ListIndex(), 2);
    EXPECT_EQ(Main().cboSom.Text(), L"zeta.wav");
}

struct FaultCase {
    const char* name;
    std::string bytes;
    std::size_t applied; // leading lines of kEverythingChangedPanel that take effect
};

void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.name;
}

std::string FirstLines(std::size_t n) {
    std::string bytes;
    std::string_view rest = kEverythingChanged;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t end = rest.find("\r\n") + 2;
        bytes += rest.substr(0, end);
        rest.remove_prefix(end);
    }
    return bytes;
}

// Lines n+1 to 15 of kEverythingChanged.
std::string LinesAfter(std::size_t n) {
    return FirstLines(15).substr(FirstLines(n).size());
}

const FaultCase kFaults[] = {
    {"an empty file", "", 0},
    {"truncated after line 6", FirstLines(6), 6},
    {"cut inside line 12", FirstLines(11) + " ", 11},
    {"no number on line 1", "sim\r\n" + LinesAfter(1), 0},
    {"a check box value of 2 on line 3", FirstLines(2) + " 2 \r\n" + LinesAfter(3), 2},
    {"a sound index past the list on line 2", " 1 \r\n 4 \r\n" + LinesAfter(2), 1},
    {"a sound index below -1 on line 2", " 1 \r\n-2 \r\n" + LinesAfter(2), 1},
    {"a blank line where a tick belongs", FirstLines(5) + "\r\n" + LinesAfter(6), 5},
    {"more than fifteen lines", FirstLines(15) + "lixo\r\n 7 \r\n", 15},
};

class ConfigFaultTest : public ConfigWindowTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ConfigFaultTest, EarlierLinesStayAppliedAndTheRestKeepsItsDesignValue) {
    const FaultCase& c = GetParam();
    SCOPED_TRACE(c.name);
    AddThreeSounds();
    SaveConfig(c.bytes);
    Start();
    Panel expected = kDesign;
    std::copy_n(kEverythingChangedPanel.begin(), c.applied, expected.begin());
    EXPECT_EQ(ReadPanel(Main()), expected);
    ExpectPairsAgree(Main());
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    ExpectNothingPublished(M());
}

INSTANTIATE_TEST_SUITE_P(Faults, ConfigFaultTest, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// --- Writing at arming ---------------------------------------------------------

TEST_F(ConfigWindowTest, ArmingWritesTheWorkedExampleAndPublishesTheWakeChoices) {
    AddThreeSounds();
    Start();
    auto& f = Main();
    Click(f.lblConfig);
    ClickCheck(f.chkDespSom);
    Choose(f.cboSom, 2);
    ClickCheck(f.chk15min);
    ClickCheck(f.chk05min);
    Arm();
    ASSERT_TRUE(M().blnLigado);
    EXPECT_EQ(Saved(), kWorkedExample);
    EXPECT_FALSE(fakes.folder.Read(L"Config.inf.tmp"));
    EXPECT_TRUE(M().blnDespSom);
    EXPECT_EQ(M().strSom, L"b.wav");
    EXPECT_FALSE(M().blnDesligar);
    EXPECT_TRUE(M().blnDespVisual);
    EXPECT_EQ(M().strMsgDespertar, L"TRRRIIIMMM!!! Despertando...");
    EXPECT_EQ(f.lblConfig.Text(), L"Configurações >>") << "saved after the panel is collapsed";
}

TEST_F(ConfigWindowTest, ADefaultArmingWritesNoSelectionAsMinusOne) {
    Start();
    Arm();
    ASSERT_TRUE(M().blnLigado);
    const std::string saved = Saved();
    EXPECT_EQ(saved.substr(0, 10), " 0 \r\n-1 \r\n");
    EXPECT_EQ(saved, " 0 \r\n-1 \r\n 0 \r\n 1 \r\nTRRRIIIMMM!!! Despertando...\r\n"
                     " 0 \r\nFaltam 15 minutos para despertar.\r\n"
                     " 0 \r\nFaltam 10 minutos para despertar.\r\n"
                     " 0 \r\nFaltam 5 minutos para despertar.\r\n"
                     " 0 \r\nFaltam 2 minutos para despertar.\r\n"
                     " 0 \r\nFalta 1 minuto para despertar.\r\n");
    EXPECT_EQ(M().strSom, L"");
}

TEST_F(ConfigWindowTest, EachArmingPublishesAfreshButKeepsAnEmptySoundOrMessage) {
    AddThreeSounds();
    Start();
    auto& f = Main();
    struct Arming {
        const char* name;
        std::function<void()> change;
        bool despSom;
        const wchar_t* som;
        bool desligar;
        bool despVisual;
        const wchar_t* msg;
        const char* line2;
        const char* line5;
    };
    const Arming armings[] = {
        {"sound b, shutdown, own message",
         [&] {
             ClickCheck(f.chkDespSom);
             Choose(f.cboSom, 2);
             ClickCheck(f.chkDesligar);
             f.txt00min.SetText(L"Primeiro");
         },
         true, L"b.wav", true, true, L"Primeiro", " 2 ", "Primeiro"},
        {"no sound chosen, no shutdown, empty message",
         [&] {
             Choose(f.cboSom, 0);
             ClickCheck(f.chkDespSom);
             ClickCheck(f.chkDesligar);
             f.txt00min.SetText(L"");
         },
         false, L"b.wav", false, true, L"Primeiro", "-1 ", ""},
        {"sound c, no visual alert",
         [&] {
             ClickCheck(f.chkDespSom);
             Choose(f.cboSom, 3);
             ClickCheck(f.chkDespVisual);
         },
         true, L"c.wav", false, false, L"Primeiro", " 3 ", ""},
    };
    for (const auto& a : armings) {
        SCOPED_TRACE(a.name);
        a.change();
        Arm();
        ASSERT_TRUE(M().blnLigado);
        EXPECT_EQ(M().blnDespSom, a.despSom);
        EXPECT_EQ(M().strSom, a.som);
        EXPECT_EQ(M().blnDesligar, a.desligar);
        EXPECT_EQ(M().blnDespVisual, a.despVisual);
        EXPECT_EQ(M().strMsgDespertar, a.msg);
        const std::string saved = Saved();
        EXPECT_EQ(saved.substr(5, 5), std::string(a.line2) + "\r\n");
        EXPECT_EQ(saved.substr(20, std::string(a.line5).size() + 2), std::string(a.line5) + "\r\n");
        Arm(); // disarms
        ASSERT_FALSE(M().blnLigado);
    }
}

TEST_F(ConfigWindowTest, AnEmptyMessageAtTheFirstArmingLeavesTheSharedMessageEmpty) {
    Start();
    Main().txt00min.SetText(L"");
    Arm();
    ASSERT_TRUE(M().blnLigado);
    EXPECT_EQ(M().strMsgDespertar, L"");
    EXPECT_EQ(Saved().substr(15), " 1 \r\n\r\n 0 \r\nFaltam 15 minutos para despertar.\r\n"
                                  " 0 \r\nFaltam 10 minutos para despertar.\r\n"
                                  " 0 \r\nFaltam 5 minutos para despertar.\r\n"
                                  " 0 \r\nFaltam 2 minutos para despertar.\r\n"
                                  " 0 \r\nFalta 1 minuto para despertar.\r\n");
}

TEST_F(ConfigWindowTest, MessagesAreWrittenInWindows1252WithTheirBlanks) {
    Start();
    auto& f = Main();
    ClickCheck(f.chk01min);
    f.txt00min.SetText(L"  Acorde já! São 7h, €5  ");
    f.txt01min.SetText(L"Só 1 minuto \u263A");
    Arm();
    ASSERT_TRUE(M().blnLigado);
    const std::string saved = Saved();
    EXPECT_THAT(saved, ::testing::HasSubstr("\r\n  Acorde j\xE1! S\xE3o 7h, \x80"
                                            "5  \r\n"));
    EXPECT_THAT(saved, ::testing::EndsWith("\r\n 1 \r\nS\xF3 1 minuto ?\r\n"));
    EXPECT_EQ(M().strMsgDespertar, L"  Acorde já! São 7h, €5  ");
}

TEST_F(ConfigWindowTest, AFileThatCannotBeWrittenIsReportedAndTheArmingCompletes) {
    // A folder in the file's place: nothing can replace it.
    std::filesystem::create_directory(std::filesystem::path(fakes.folder.Path()) / L"Config.inf");
    Start();
    Arm();
    EXPECT_TRUE(M().blnLigado);
    EXPECT_TRUE(M().blnDespVisual);
    EXPECT_EQ(M().strMsgDespertar, L"TRRRIIIMMM!!! Despertando...");
    ASSERT_EQ(fakes.messageBoxes.shown.size(), 2u);
    EXPECT_THAT(fakes.messageBoxes.shown[0].text, ::testing::HasSubstr(L"Config.inf"));
    EXPECT_EQ(fakes.messageBoxes.shown[0].style, 48u);
    EXPECT_EQ(fakes.messageBoxes.shown[1].text, L"Programa ACORDIMA programado!");
    EXPECT_FALSE(fakes.folder.Read(L"Config.inf.tmp"));
}

} // namespace
} // namespace acordina::testing
