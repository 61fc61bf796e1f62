// Config.inf on the real window: restored into the controls at start, written
// and published at arming.
#include "ConfigSamples.h"
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace acordina::testing {
namespace {

using Panel = std::array<std::wstring, 15>;
using settings::samples::kExample15;
using settings::samples::kExampleBytes;

// The panel's design values, in the file's line order.
// clang-format off
const Panel kDesign = {
    L"0", L"-1", L"0", L"1", L"TRRRIIIMMM!!! Despertando...",
    L"0", L"Faltam 15 minutos para despertar.", L"0", L"Faltam 10 minutos para despertar.",
    L"0", L"Faltam 5 minutos para despertar.", L"0", L"Faltam 2 minutos para despertar.",
    L"0", L"Falta 1 minuto para despertar.",
};

// Every setting away from its design value; accents in Windows-1252, blanks kept.
const std::string kEverythingChanged = " 1 \r\n 3 \r\n 1 \r\n 0 \r\nAcorde j\xE1, s\xE3o horas!\r\n"
    " 1 \r\n  Quinze minutos  \r\n 1 \r\nDez: aten\xE7\xE3o\r\n 1 \r\nCinco \x80\r\n"
    " 1 \r\n\xC9 daqui a dois\r\n 1 \r\n\r\n";
const Panel kEverythingChangedPanel = {
    L"1", L"3", L"1", L"0", L"Acorde já, são horas!", L"1", L"  Quinze minutos  ",
    L"1", L"Dez: atenção", L"1", L"Cinco €", L"1", L"É daqui a dois", L"1", L"",
};

// The controls' values in the file's line order.
Panel ReadPanel(const mainwindow::frmAcordina& f) {
    auto tick = [](const win32::CheckBox& c) { return std::to_wstring(c.Value()); };
    return {tick(f.chkDespSom), std::to_wstring(f.cboSom.ListIndex()), tick(f.chkDesligar),
            tick(f.chkDespVisual), f.txt00min.Text(), tick(f.chk15min), f.txt15min.Text(),
            tick(f.chk10min), f.txt10min.Text(), tick(f.chk05min), f.txt05min.Text(),
            tick(f.chk02min), f.txt02min.Text(), tick(f.chk01min), f.txt01min.Text()};
}
// clang-format on

void ExpectNothingPublished(const Module1& m) {
    EXPECT_FALSE(m.blnDespSom || m.blnDesligar || m.blnDespVisual || m.blnLigado);
    EXPECT_EQ(m.strSom, L"");
    EXPECT_EQ(m.strMsgDespertar, L"");
}

class ConfigWindowTest : public ProgramFixture {
protected:
    // The sound list then reads "...Ajuda", "a.wav", "b.wav", "c.wav".
    void AddThreeSounds() {
        for (const wchar_t* name : {L"c.wav", L"a.wav", L"b.wav"}) {
            fakes.folder.Write(name, "RIFF");
        }
    }
    void SaveConfig(std::string_view bytes) {
        fakes.folder.Write(L"Config.inf", std::string(bytes));
    }
    std::string Saved() { return fakes.folder.Read(L"Config.inf").value_or("(no file)"); }
    void Arm() {
        Click(Main().lblStatus);
        ASSERT_TRUE(M().blnLigado);
    }
};

// --- Reading at start --------------------------------------------------------

TEST_F(ConfigWindowTest, WithoutAFileTheDesignValuesStayAndNothingIsSaid) {
    AddThreeSounds();
    Start();
    EXPECT_EQ(ReadPanel(Main()), kDesign);
    ExpectPairsAgree(Main());
    EXPECT_EQ(Boxes(), 0u);
    EXPECT_FALSE(fakes.folder.Read(L"Config.inf")) << "reading creates no file";
}

TEST_F(ConfigWindowTest, AFileBesideTheFolderWithTheFolderNameIsNotOurs) {
    AddThreeSounds();
    const std::filesystem::path beside = fakes.folder.Path() + L"Config.inf";
    std::ofstream(beside, std::ios::binary) << kEverythingChanged;
    Start();
    EXPECT_EQ(ReadPanel(Main()), kDesign);
    std::filesystem::remove(beside);
}

TEST_F(ConfigWindowTest, ASavedFileRestoresEveryTickTheSoundAndAllSixMessagesButNotTheTime) {
    AddThreeSounds();
    SaveConfig(kEverythingChanged);
    Start();
    auto& f = Main();
    EXPECT_EQ(ReadPanel(f), kEverythingChangedPanel);
    EXPECT_EQ(f.cboSom.Text(), L"c.wav") << "the index counts the full, sorted list";
    ExpectPairsAgree(f);
    EXPECT_EQ(f.txtHH.Text(), L"0");
    EXPECT_EQ(f.txtMM.Text(), L"0");
    EXPECT_EQ(f.vsHH.Value(), 0);
    EXPECT_EQ(f.vsMM.Value(), 0);
    EXPECT_EQ(Boxes(), 0u);
    ExpectNothingPublished(M());
    EXPECT_EQ(Saved(), kEverythingChanged) << "reading writes nothing";
    // Arming at once writes the same lines back, the sound's name after them, but a ticked
    // alert's emptied message gets its designed text again.
    Arm();
    EXPECT_EQ(Saved(), kEverythingChanged.substr(0, kEverythingChanged.size() - 2) +
                           "Falta 1 minuto para despertar.\r\nc.wav\r\n");
    EXPECT_EQ(f.txt01min.Text(), L"Falta 1 minuto para despertar.");
}

// A file from before the sound was named reads as it always did.
TEST_F(ConfigWindowTest, AStoredIndexOnTheHelpEntryShowsHelpOverTheFullListAndLeavesNoSelection) {
    AddThreeSounds();
    std::string file(kExample15);
    file.replace(file.find(" 2 "), 3, " 0 ");
    SaveConfig(file);
    int entriesAtHelp = 0;
    fakes.messageBoxes.onShow = [&](const ShownBox&) { entriesAtHelp = Main().cboSom.ListCount(); };
    Start();
    auto& f = Main();
    EXPECT_EQ(f.cboSom.ListIndex(), -1);
    EXPECT_EQ(f.cboSom.Text(), L"");
    EXPECT_EQ(SendMessageW(f.cboSom.hwnd(), CB_GETCURSEL, 0, 0), CB_ERR);
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0], (ShownBox{f.hwnd(), HelpText(), L"Ajuda", 64}));
    EXPECT_EQ(entriesAtHelp, 4);
    // Reading goes on after the help.
    EXPECT_EQ(f.chk15min.Value(), 1);
    EXPECT_EQ(f.chk05min.Value(), 1);
    EXPECT_TRUE(f.cboSom.Enabled());
}

TEST_F(ConfigWindowTest, TheFileIsReadAndWrittenInTheSystemsCodePage) {
    fakes.codePage = win32::WindowsCodePage(1251);
    AddThreeSounds();
    std::string file(kExampleBytes);
    const std::string_view message = "TRRRIIIMMM!!! Despertando...";
    file.replace(file.find(message), message.size(), "\xCF\xEE\xE4\xFA\xB8\xEC!");
    SaveConfig(file);
    Start();
    EXPECT_EQ(Main().txt00min.Text(), L"Подъём!");
    Arm();
    EXPECT_EQ(Saved(), file);
}

// The sound comes back by its name wherever the list now puts it; a position that lands on the
// help entry selects nothing and shows no help at start-up.
TEST_F(ConfigWindowTest, TheSoundIsRestoredByItsNameAndNeverAsTheHelpEntry) {
    AddThreeSounds();
    const auto file = [](std::string position, std::string name) {
        auto lines = settings::samples::ExampleLines();
        lines[1] = std::move(position);
        lines[15] = std::move(name);
        return settings::samples::Join(lines);
    };
    const struct {
        std::string file;
        std::wstring text;
    } cases[] = {
        {file(" 1 ", "b.wav"), L"b.wav"}, // written before "a.wav" came
        {file(" 0 ", "x.wav"), L""},      // "x.wav" is gone
    };
    for (const auto& c : cases) {
        SaveConfig(c.file);
        program = std::make_unique<Program>(fakes.services);
        program->Start();
        Pump();
        EXPECT_EQ(Main().cboSom.Text(), c.text);
        EXPECT_EQ(Main().chk15min.Value(), 1) << "reading goes on";
    }
    EXPECT_EQ(Boxes(), 0u);
}

std::string FirstLines(std::size_t n) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < n; ++i) {
        end = kEverythingChanged.find("\r\n", end) + 2;
    }
    return kEverythingChanged.substr(0, end);
}
// Lines n+1 to 15 of kEverythingChanged.
std::string LinesAfter(std::size_t n) {
    return kEverythingChanged.substr(FirstLines(n).size());
}

struct FaultCase {
    const char* name;
    std::string bytes;
    std::size_t applied; // leading lines of kEverythingChangedPanel that take effect
};
void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.name;
}

const FaultCase kFaults[] = {
    {"an empty file", "", 0},
    {"truncated after line 6", FirstLines(6), 6},
    {"no number on line 1", "sim\r\n" + LinesAfter(1), 0},
    {"a check box value of 2 on line 3", FirstLines(2) + " 2 \r\n" + LinesAfter(3), 2},
    {"a sound index past the list on line 2", " 1 \r\n 4 \r\n" + LinesAfter(2), 1},
    {"a 16th line naming no sound, and more", kEverythingChanged + "lixo\r\n 7 \r\n", 15},
};

class ConfigFaultTest : public ConfigWindowTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ConfigFaultTest, EarlierLinesStayAppliedAndTheRestKeepsItsDesignValue) {
    AddThreeSounds();
    SaveConfig(GetParam().bytes);
    Start();
    Panel expected = kDesign;
    std::copy_n(kEverythingChangedPanel.begin(), GetParam().applied, expected.begin());
    EXPECT_EQ(ReadPanel(Main()), expected);
    ExpectPairsAgree(Main());
    EXPECT_EQ(Boxes(), 0u);
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
    EXPECT_EQ(Saved(), kExampleBytes);
    EXPECT_FALSE(fakes.folder.Read(L"Config.inf.tmp"));
    EXPECT_TRUE(M().blnDespSom);
    EXPECT_EQ(M().strSom, L"b.wav");
    EXPECT_FALSE(M().blnDesligar);
    EXPECT_TRUE(M().blnDespVisual);
    EXPECT_EQ(M().strMsgDespertar, L"TRRRIIIMMM!!! Despertando...");
}

} // namespace
} // namespace acordina::testing
