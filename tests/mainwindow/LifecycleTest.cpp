// The main window's life on the real window: what loading sets up, hiding on minimise, the
// close confirmation and the end of the window.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

namespace acordina::testing {
namespace {

using ::testing::ElementsAreArray;

constexpr wchar_t kHiddenBalloon[] =
    L"O programa ACORDINA está oculto\r\ndê um clique simples ou um clique com o botão direto "
    L"do mouse para restaurá-lo ou fechá-lo.";
constexpr wchar_t kHiddenHint[] = L"Dê um clique simples ou um clique com o botão direto do mouse "
                                  L"para restaurar ou fechar o programa ACORDINA";

std::vector<std::wstring> Entries(const win32::ComboBox& list) {
    std::vector<std::wstring> entries;
    for (int i = 0; i < list.ListCount(); ++i) {
        entries.push_back(list.List(i));
    }
    return entries;
}

class LifecycleTest : public ProgramFixture {
protected:
    std::size_t Boxes() const { return fakes.messageBoxes.shown.size(); }
    std::size_t Balloons() const { return fakes.shell.Balloons().size(); }
    bool Visible() { return IsWindowVisible(Main().hwnd()) != FALSE; }
    void Close() {
        SendMessageW(Main().hwnd(), WM_CLOSE, 0, 0);
        Pump();
    }
    bool IconRemoved() const {
        for (const auto& call : fakes.shell.calls) {
            if (call.message == tray::NIM_DELETE_) {
                return true;
            }
        }
        return false;
    }
};

// --- load -----------------------------------------------------------------------------------

TEST_F(LifecycleTest, LoadTakesAwayOnlyTheMaximiseBoxShowsDisarmedAndTheLoadTime) {
    fakes.clock.Set(9, 3, 7);
    Start();
    auto& f = Main();
    const LONG style = GetWindowLongW(f.hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    const LONG kept = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
    EXPECT_EQ(style & kept, kept);

    EXPECT_EQ(f.lblStatus.Text(), L"\n        Desligado. Clique aqui para ligá-lo.");
    EXPECT_TRUE(f.picDesligado.Visible());
    EXPECT_FALSE(f.picLigado.Visible());
    EXPECT_FALSE(M().blnLigado);
    EXPECT_EQ(f.txtHora.Text(), L"09:03:07");
    fakes.clock.Set(23, 59, 59);
    TickMain();
    EXPECT_EQ(f.txtHora.Text(), L"23:59:59");
    EXPECT_TRUE(Visible());
    EXPECT_EQ(Boxes(), 0u);
}

TEST_F(LifecycleTest, TheSoundListHoldsTheWavFilesOfTheProgramFolderAfterTheHelpEntry) {
    const struct {
        const char* name;
        std::vector<std::wstring> files;
        std::vector<std::wstring> entries;
    } cases[] = {
        {"no WAV file", {L"leia-me.txt"}, {L"...Ajuda"}},
        {"three WAV files",
         {L"sino.wav", L"Bipes.wav", L"alarme.WAV", L"notas.txt", L"tocar.wave"},
         {L"...Ajuda", L"alarme.WAV", L"Bipes.wav", L"sino.wav"}},
        {"names starting with digits",
         {L"2galos.wav", L"10sinos.wav", L"_x.wav"},
         {L"...Ajuda", L"_x.wav", L"10sinos.wav", L"2galos.wav"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeServices fresh;
        for (const auto& file : c.files) {
            fresh.folder.Write(file, "RIFF");
        }
        Program program(fresh.services);
        program.Start();
        Pump();
        const auto& list = program.Main().cboSom;
        EXPECT_THAT(Entries(list), ElementsAreArray(c.entries));
        EXPECT_EQ(list.ListIndex(), -1);
        EXPECT_FALSE(list.Enabled());
        EXPECT_TRUE(fresh.messageBoxes.shown.empty());
    }
}

TEST_F(LifecycleTest, AFolderNamedLikeASoundIsNoSound) {
    fakes.folder.Write(L"galo.wav", "RIFF");
    CreateDirectoryW((fakes.folder.Path() + L"\\pasta.wav").c_str(), nullptr);
    Start();
    EXPECT_THAT(Entries(Main().cboSom), ElementsAreArray({L"...Ajuda", L"galo.wav"}));
}

TEST_F(LifecycleTest, TheSavedFileIsReadLastIntoTheFullSoundList) {
    for (const wchar_t* file : {L"c.wav", L"a.wav", L"b.wav"}) {
        fakes.folder.Write(file, "RIFF");
    }
    const std::string saved = " 1 \r\n 2 \r\n 1 \r\n 0 \r\nbom dia\r\n"
                              " 1 \r\nquinze\r\n 0 \r\ndez\r\n 0 \r\ncinco\r\n"
                              " 0 \r\ndois\r\n 1 \r\num\r\n";
    fakes.folder.Write(L"Config.inf", saved);
    Start();
    auto& f = Main();
    // Position 2 counts "...Ajuda" and a.wav before it.
    EXPECT_EQ(f.cboSom.ListIndex(), 2);
    EXPECT_EQ(f.cboSom.List(2), L"b.wav");
    EXPECT_TRUE(f.cboSom.Enabled()) << "the sound tick enabled the list";
    EXPECT_EQ(f.chkDesligar.Value(), 1);
    EXPECT_EQ(f.chkDespVisual.Value(), 0);
    EXPECT_FALSE(f.txt00min.Enabled());
    EXPECT_EQ(f.txt00min.Text(), L"bom dia");
    EXPECT_EQ(f.chk15min.Value(), 1);
    EXPECT_TRUE(f.txt15min.Enabled());
    EXPECT_EQ(f.txt01min.Text(), L"um");
    // Reading publishes nothing and writes nothing; the time is not restored.
    EXPECT_FALSE(M().blnDespSom);
    EXPECT_EQ(M().strSom, L"");
    EXPECT_EQ(f.txtHH.Text(), L"0");
    EXPECT_EQ(fakes.folder.Read(L"Config.inf"), std::optional<std::string>(saved));
    EXPECT_EQ(Boxes(), 0u);
}

TEST_F(LifecycleTest, ASavedHelpPositionShowsTheHelpDuringLoadOverAFullList) {
    fakes.folder.Write(L"galo.wav", "RIFF");
    fakes.folder.Write(L"Config.inf", " 1 \r\n 0 \r\n");
    std::vector<std::wstring> listAtHelp;
    fakes.messageBoxes.onShow = [&](const ShownBox&) { listAtHelp = Entries(Main().cboSom); };
    Start();
    ASSERT_EQ(Boxes(), 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].title, L"Ajuda");
    EXPECT_THAT(listAtHelp, ElementsAreArray({L"...Ajuda", L"galo.wav"}));
    EXPECT_EQ(Main().cboSom.ListIndex(), -1);
}

// --- minimise -------------------------------------------------------------------------------

TEST_F(LifecycleTest, MinimisingShowsTheHiddenBalloonThenHidesArmedOrNot) {
    Start();
    auto& f = Main();
    for (const bool armed : {false, true}) {
        SCOPED_TRACE(armed ? "armed" : "disarmed");
        if (armed) {
            Click(f.lblStatus);
            ASSERT_TRUE(M().blnLigado);
            f.Mostrar();
            Pump();
        }
        ASSERT_TRUE(Visible());
        const std::size_t balloons = Balloons();
        const std::size_t boxes = Boxes();
        std::vector<bool> visibleAtBalloon;
        fakes.shell.onNotify = [&](const ShellCall& call) {
            if ((call.Flags() & 0x10 /* NIF_INFO */) &&
                call.Info() == win32::ToAnsi(kHiddenBalloon)) {
                visibleAtBalloon.push_back(IsWindowVisible(f.hwnd()) != FALSE);
            }
        };
        ShowWindow(f.hwnd(), SW_MINIMIZE);
        Pump();
        fakes.shell.onNotify = nullptr;

        EXPECT_FALSE(Visible());
        EXPECT_EQ(visibleAtBalloon, std::vector<bool>{true}) << "balloon first, then hidden";
        const auto shown = fakes.shell.Balloons();
        ASSERT_EQ(shown.size(), balloons + 1);
        EXPECT_EQ(shown.back()->InfoTitle(), "Aviso");
        EXPECT_EQ(shown.back()->InfoFlags(), 1u);
        EXPECT_EQ(fakes.shell.calls.back().Tip(), win32::ToAnsi(kHiddenHint));
        EXPECT_EQ(M().blnLigado, armed);
        EXPECT_EQ(Boxes(), boxes);
    }
}

TEST_F(LifecycleTest, OtherSizeChangesNeitherHideNorAnnounce) {
    Start();
    auto& f = Main();
    const std::size_t calls = fakes.shell.calls.size();
    Click(f.lblConfig); // wider
    Click(f.lblConfig); // narrower
    ShowWindow(f.hwnd(), SW_MAXIMIZE);
    Pump();
    ShowWindow(f.hwnd(), SW_RESTORE);
    Pump();
    EXPECT_TRUE(Visible());
    EXPECT_EQ(fakes.shell.calls.size(), calls);
}

// --- close ----------------------------------------------------------------------------------

TEST_F(LifecycleTest, AnsweringNoToTheCloseQuestionKeepsEverything) {
    Start();
    auto& f = Main();
    for (const bool armed : {false, true}) {
        SCOPED_TRACE(armed ? "armed" : "disarmed");
        if (armed) {
            Click(f.lblStatus);
            f.Mostrar();
            Pump();
        }
        const std::size_t calls = fakes.shell.calls.size();
        const std::size_t boxes = Boxes();
        // The close box and the system menu's Close both ask.
        fakes.messageBoxes.answers = {7, 7};
        Close();
        SendMessageW(f.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        Pump();
        ASSERT_EQ(Boxes(), boxes + 2);
        for (std::size_t i = boxes; i < Boxes(); ++i) {
            const ShownBox& box = fakes.messageBoxes.shown[i];
            EXPECT_EQ(box.text, L"Confirme: ENCERRAR acordina?");
            EXPECT_EQ(box.title, L"Fechar");
            EXPECT_EQ(box.style, 36u);
            EXPECT_EQ(box.owner, f.hwnd());
        }
        EXPECT_TRUE(IsWindow(f.hwnd()));
        EXPECT_TRUE(Visible());
        EXPECT_EQ(M().blnLigado, armed);
        EXPECT_EQ(fakes.shell.calls.size(), calls) << "the tray icon stays as it is";
        EXPECT_EQ(fakes.process.exits, 0);
    }
}

TEST_F(LifecycleTest, AnsweringYesEndsAtOnceAndSavesNothing) {
    Start();
    auto& f = Main();
    Click(f.lblConfig);
    ClickCheck(f.chk05min);
    bool savedAtExit = true;
    std::size_t boxesAtExit = 0;
    fakes.process.onExit = [&] {
        savedAtExit = fakes.folder.Read(L"Config.inf").has_value();
        boxesAtExit = Boxes();
    };
    fakes.messageBoxes.answers = {6};
    Close();
    EXPECT_EQ(fakes.process.exits, 1);
    EXPECT_FALSE(savedAtExit);
    EXPECT_EQ(boxesAtExit, 1u);
    EXPECT_EQ(fakes.messageBoxes.shown[0].text, L"Confirme: ENCERRAR acordina?");
    // No icon is left behind in the notification area.
    EXPECT_TRUE(IconRemoved());
}

TEST_F(LifecycleTest, TheEndOfTheWindowRemovesTheTrayIcon) {
    Start();
    EXPECT_FALSE(IconRemoved());
    const std::size_t boxes = Boxes();
    program.reset();
    ASSERT_FALSE(fakes.shell.calls.empty());
    EXPECT_EQ(fakes.shell.calls.back().message, tray::NIM_DELETE_);
    EXPECT_EQ(fakes.messageBoxes.shown.size(), boxes);
    EXPECT_FALSE(fakes.folder.Read(L"Config.inf"));
}

} // namespace
} // namespace acordina::testing
