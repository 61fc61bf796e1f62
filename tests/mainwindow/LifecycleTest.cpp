// The main window's life on the real window: what loading sets up, hiding on minimise, the
// close confirmation and the end of the window.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <optional>
#include <string>
#include <vector>

namespace acordina::testing {
namespace {

class LifecycleTest : public ProgramFixture {
protected:
    bool Visible() { return IsWindowVisible(Main().hwnd()) != FALSE; }
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

    EXPECT_EQ(f.lblStatus.Text(), kDisarmed);
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeServices fresh;
        for (const auto& file : c.files) {
            fresh.folder.Write(file, "RIFF");
        }
        // A folder named like a sound is no sound.
        CreateDirectoryW((fresh.folder.Path() + L"\\pasta.wav").c_str(), nullptr);
        Program program(fresh.services);
        program.Start();
        Pump();
        const auto& list = program.Main().cboSom;
        std::vector<std::wstring> entries;
        for (int i = 0; i < list.ListCount(); ++i) {
            entries.push_back(list.List(i));
        }
        EXPECT_EQ(entries, c.entries);
        EXPECT_EQ(list.ListIndex(), -1);
        EXPECT_FALSE(list.Enabled());
        EXPECT_TRUE(fresh.messageBoxes.shown.empty());
    }
}

// --- minimise -------------------------------------------------------------------------------

// Minimising is in the background window's tests, with the balloon it shows.
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
            Restore();
        }
        const std::size_t calls = fakes.shell.calls.size();
        const std::size_t boxes = Boxes();
        // The close box and the system menu's Close both ask.
        fakes.messageBoxes.answers = {7, 7};
        SendMessageW(f.hwnd(), WM_CLOSE, 0, 0);
        SendMessageW(f.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        Pump();
        ASSERT_EQ(Boxes(), boxes + 2);
        for (std::size_t i = boxes; i < Boxes(); ++i) {
            EXPECT_EQ(fakes.messageBoxes.shown[i],
                      (ShownBox{f.hwnd(), L"Confirme: ENCERRAR acordina?", L"Fechar", 36}));
        }
        EXPECT_TRUE(Visible());
        EXPECT_EQ(M().blnLigado, armed);
        EXPECT_EQ(fakes.shell.calls.size(), calls) << "the tray icon stays as it is";
        EXPECT_EQ(fakes.process.exits, 0);
    }
}

TEST_F(LifecycleTest, AnsweringYesEndsAtOnceSavesNothingAndLeavesNoIcon) {
    Start();
    Click(Main().lblConfig);
    ClickCheck(Main().chk05min);
    bool savedAtExit = true;
    std::size_t boxesAtExit = 0;
    fakes.process.onExit = [&] {
        savedAtExit = fakes.folder.Read(L"Config.inf").has_value();
        boxesAtExit = Boxes();
    };
    fakes.messageBoxes.answers = {6};
    SendMessageW(Main().hwnd(), WM_CLOSE, 0, 0);
    Pump();
    EXPECT_EQ(fakes.process.exits, 1);
    EXPECT_FALSE(savedAtExit);
    EXPECT_EQ(boxesAtExit, 1u);
    EXPECT_TRUE(IconRemoved());
}

// The end of the Windows session asks the close question too, while armed and hidden. Windows
// gets the answer first; the program ends at WM_ENDSESSION, its icon taken away.
struct SessionEnd {
    const char* what;
    std::optional<LPARAM> query; // WM_QUERYENDSESSION's reason; none when the end is forced
    int answer;
    WPARAM ending; // whether the session ends, at WM_ENDSESSION
    bool asked;
    bool ends;
};
void PrintTo(const SessionEnd& c, std::ostream* out) {
    *out << c.what;
}
class SessionEndTest : public LifecycleTest, public ::testing::WithParamInterface<SessionEnd> {};

TEST_P(SessionEndTest, AsksUnlessForcedAndEndsOnlyAfterYes) {
    const SessionEnd& c = GetParam();
    Start();
    Click(Main().lblStatus);
    ASSERT_TRUE(M().blnLigado);
    const std::size_t boxes = Boxes();
    const std::size_t calls = fakes.shell.calls.size();
    bool iconGoneAtExit = false;
    fakes.process.onExit = [&] { iconGoneAtExit = IconRemoved(); };
    fakes.messageBoxes.answers = {c.answer};
    if (c.query) {
        EXPECT_EQ(SendMessageW(Main().hwnd(), WM_QUERYENDSESSION, 0, *c.query), c.ends);
        EXPECT_EQ(fakes.process.exits, 0) << "Windows gets the answer first";
    }
    SendMessageW(Main().hwnd(), WM_ENDSESSION, c.ending, c.query.value_or(0));
    Pump();
    ASSERT_EQ(Boxes(), boxes + (c.asked ? 1 : 0));
    if (c.asked) {
        EXPECT_EQ(fakes.messageBoxes.shown.back(),
                  (ShownBox{Main().hwnd(), L"Confirme: ENCERRAR acordina?", L"Fechar", 36}));
    }
    EXPECT_EQ(fakes.process.exits, c.ends ? 1 : 0);
    EXPECT_EQ(iconGoneAtExit, c.ends);
    if (!c.ends) {
        EXPECT_EQ(fakes.shell.calls.size(), calls);
        EXPECT_TRUE(M().blnLigado);
        EXPECT_FALSE(IsWindowVisible(Main().hwnd()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, SessionEndTest,
    ::testing::Values(SessionEnd{"No", ENDSESSION_LOGOFF, 7, FALSE, true, false},
                      SessionEnd{"Yes", 0, 6, TRUE, true, true},
                      SessionEnd{"Yes, another program refused", 0, 6, FALSE, true, true},
                      SessionEnd{"critical", ENDSESSION_CRITICAL, 7, TRUE, false, true},
                      SessionEnd{"forced", std::nullopt, 7, TRUE, false, true}));

TEST_F(LifecycleTest, TheEndOfTheWindowRemovesTheTrayIcon) {
    Start();
    EXPECT_FALSE(IconRemoved());
    program.reset();
    ASSERT_FALSE(fakes.shell.calls.empty());
    EXPECT_EQ(fakes.shell.calls.back().message, tray::NIM_DELETE_);
    EXPECT_EQ(Boxes(), 0u);
    EXPECT_FALSE(fakes.folder.Read(L"Config.inf"));
}

} // namespace
} // namespace acordina::testing
