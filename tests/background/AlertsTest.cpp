// The background window's balloons, sound and shutdown request, called directly on the real
// window with fake shell, sound and shutdown services and real files in a scratch folder.
#include "ProgramFixture.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

namespace acordina::testing {
namespace {

using ::testing::Optional;

constexpr std::uint32_t kPlayFlags = 9; // SND_ASYNC | SND_LOOP
constexpr std::uint32_t kPurge = 0x40;

// A file or folder made for one test and removed afterwards, attributes and all.
class Scratch {
public:
    enum class Kind { File, Folder };
    Scratch(std::wstring path, Kind kind, DWORD attributes = 0) : path_(std::move(path)) {
        if (kind == Kind::Folder) {
            made_ = CreateDirectoryW(path_.c_str(), nullptr) != FALSE;
        } else {
            std::ofstream(std::filesystem::path(path_), std::ios::binary) << "RIFF";
            made_ = GetFileAttributesW(path_.c_str()) != INVALID_FILE_ATTRIBUTES;
        }
        if (made_ && attributes) {
            SetFileAttributesW(path_.c_str(), attributes);
        }
    }
    ~Scratch() {
        SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ignored;
        std::filesystem::remove(std::filesystem::path(path_), ignored);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    bool Made() const { return made_; }

private:
    std::wstring path_;
    bool made_ = false;
};

class AlertsTest : public ProgramFixture {
protected:
    void SetUp() override { Start(); }

    // What the last PlaySoundA got, as text, with its module and flags.
    const SoundCall& LastSound() const { return fakes.sound.calls.back(); }
    std::wstring Folder() const { return fakes.folder.Path(); }
};

// --- Avisa ----------------------------------------------------------------

TEST_F(AlertsTest, AvisaShowsTheMessageOfItsNumberTitledAvisoWithTheInformationIcon) {
    Module1& m = M();
    m.strMsg15min = L"quinze";
    m.strMsg10min = L"dez";
    m.strMsg05min = L"cinco";
    m.strMsg02min = L"dois";
    m.strMsg01min = L"um";
    m.strMsgDespertar = L"Atenção: acorde!";
    const struct {
        std::uint8_t varOQue;
        const wchar_t* text;
    } cases[] = {{15, L"quinze"}, {10, L"dez"}, {5, L"cinco"},
                 {2, L"dois"},    {1, L"um"},   {0, L"Atenção: acorde!"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.varOQue));
        const std::size_t before = fakes.shell.calls.size();
        Background().Avisa(c.varOQue);
        // The showing balloon is cleared first, then the new one is sent.
        ASSERT_EQ(fakes.shell.calls.size(), before + 2);
        const ShellCall& clear = fakes.shell.calls[before];
        const ShellCall& shown = fakes.shell.calls[before + 1];
        EXPECT_EQ(clear.message, tray::NIM_MODIFY_);
        EXPECT_EQ(clear.Info(), "");
        EXPECT_EQ(shown.message, tray::NIM_MODIFY_);
        EXPECT_EQ(shown.Info(), win32::ToAnsi(c.text));
        EXPECT_EQ(shown.InfoTitle(), "Aviso");
        EXPECT_EQ(shown.InfoFlags(), 1u);
    }
    if (GetACP() == 1252) {
        EXPECT_EQ(fakes.shell.calls.back().Info(), "Aten\xE7\xE3o: acorde!");
    }
    EXPECT_TRUE(fakes.sound.calls.empty());
    EXPECT_TRUE(fakes.shutdown.calls.empty());
}

TEST_F(AlertsTest, AvisaWithANumberOutsideTheTableSendsNothing) {
    M().strMsgDespertar = L"acorde";
    M().strMsg15min = L"quinze";
    const std::size_t before = fakes.shell.calls.size();
    for (const int varOQue : {3, 4, 14, 16, 20, 60, 255}) {
        Background().Avisa(static_cast<std::uint8_t>(varOQue));
    }
    EXPECT_EQ(fakes.shell.calls.size(), before);
}

TEST_F(AlertsTest, AvisaAgainShowsTheBalloonAgain) {
    M().strMsg02min = L"dois";
    const std::size_t balloons = fakes.shell.Balloons().size();
    Background().Avisa(2);
    Background().Avisa(2);
    const auto shown = fakes.shell.Balloons();
    ASSERT_EQ(shown.size(), balloons + 2);
    EXPECT_EQ(shown[balloons]->Info(), "dois");
    EXPECT_EQ(shown[balloons + 1]->Info(), "dois");
}

TEST_F(AlertsTest, AnEmptyMessageOnlyClearsTheBalloon) {
    M().strMsgDespertar.clear();
    const std::size_t before = fakes.shell.calls.size();
    const std::size_t balloons = fakes.shell.Balloons().size();
    Background().Avisa(0);
    ASSERT_EQ(fakes.shell.calls.size(), before + 2);
    for (std::size_t i = before; i < fakes.shell.calls.size(); ++i) {
        EXPECT_EQ(fakes.shell.calls[i].message, tray::NIM_MODIFY_);
        EXPECT_EQ(fakes.shell.calls[i].Info(), "");
    }
    EXPECT_EQ(fakes.shell.Balloons().size(), balloons);
}

// --- Tocar ----------------------------------------------------------------

TEST_F(AlertsTest, NothingIsPlayedOrRememberedBeforeTheFirstTocar) {
    EXPECT_EQ(Background().strArquivoSom(), L"");
    EXPECT_TRUE(fakes.sound.calls.empty());
}

// The program folder is ...\acordina-test-N; "beside" is ...\acordina-test-Ngalo.wav.
TEST_F(AlertsTest, TocarPrefersAPlainFileNamedAfterTheFolderElseTheFileInsideIt) {
    const std::wstring beside = Folder() + L"galo.wav";
    const std::wstring inside = Folder() + L"\\galo.wav";
    using K = Scratch::Kind;
    const struct {
        const char* name;
        bool insideExists;
        K besideKind;
        DWORD besideAttributes; // (DWORD)-1: nothing beside
        const std::wstring& expected;
    } cases[] = {
        {"only the file inside", true, K::File, DWORD(-1), inside},
        {"nothing at all", false, K::File, DWORD(-1), inside},
        {"a plain file beside", true, K::File, 0, beside},
        {"a plain file beside, none inside", false, K::File, 0, beside},
        {"a read-only file beside", true, K::File, FILE_ATTRIBUTE_READONLY, beside},
        {"an archived file beside", true, K::File, FILE_ATTRIBUTE_ARCHIVE, beside},
        {"a folder beside", true, K::Folder, 0, inside},
        {"a hidden file beside", true, K::File, FILE_ATTRIBUTE_HIDDEN, inside},
        {"a system file beside", true, K::File, FILE_ATTRIBUTE_SYSTEM, inside},
    };
    M().strSom = L"galo.wav";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<Scratch> in, by;
        if (c.insideExists) {
            in.emplace(inside, K::File);
            ASSERT_TRUE(in->Made());
        }
        if (c.besideAttributes != DWORD(-1)) {
            by.emplace(beside, c.besideKind, c.besideAttributes);
            ASSERT_TRUE(by->Made());
        }
        const std::size_t before = fakes.sound.calls.size();
        Background().Tocar();
        EXPECT_EQ(Background().strArquivoSom(), c.expected);
        ASSERT_EQ(fakes.sound.calls.size(), before + 1);
        EXPECT_THAT(LastSound().name, Optional(win32::ToAnsi(c.expected)));
        EXPECT_EQ(LastSound().module, 0u);
        EXPECT_EQ(LastSound().flags, kPlayFlags);
    }
}

TEST_F(AlertsTest, TocarWithNoSoundChosenAsksForTheFolderAndABackslash) {
    M().strSom.clear();
    Background().Tocar();
    EXPECT_EQ(Background().strArquivoSom(), Folder() + L"\\");
    EXPECT_THAT(LastSound().name, Optional(win32::ToAnsi(Folder() + L"\\")));
}

TEST_F(AlertsTest, TocarSendsTheNameInTheAnsiCodePage) {
    M().strSom = L"canção.wav";
    Background().Tocar();
    EXPECT_EQ(Background().strArquivoSom(), Folder() + L"\\canção.wav");
    if (GetACP() == 1252) {
        EXPECT_TRUE(LastSound().name->ends_with("\\can\xE7\xE3o.wav"));
    }
}

TEST_F(AlertsTest, TocarIgnoresARefusedSoundAndEachCallRestartsIt) {
    M().strSom = L"galo.wav";
    fakes.sound.accept = false;
    Background().Tocar();
    fakes.sound.accept = true;
    Background().Tocar();
    Background().Stop_();
    Background().Stop_();
    ASSERT_EQ(fakes.sound.calls.size(), 4u);
    EXPECT_EQ(fakes.sound.calls[0].flags, kPlayFlags);
    EXPECT_EQ(fakes.sound.calls[1].flags, kPlayFlags);
    EXPECT_EQ(fakes.sound.calls[0].name, fakes.sound.calls[1].name);
    EXPECT_EQ(fakes.sound.calls[2].flags, kPurge);
    EXPECT_EQ(fakes.sound.calls[3].flags, kPurge);
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
    EXPECT_EQ(Background().strArquivoSom(), Folder() + L"\\galo.wav");
}

// --- The sound primitives ---------------------------------------------------

TEST_F(AlertsTest, PlayWAVFileAlwaysLoopsAsynchronouslyAndReportsAcceptance) {
    const struct {
        bool blnAsync;
        bool accept;
    } cases[] = {{true, true}, {false, true}, {true, false}, {false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "async " << c.blnAsync << " accept " << c.accept);
        fakes.sound.accept = c.accept;
        EXPECT_EQ(Background().PlayWAVFile(L"C:\\sons\\galo.wav", c.blnAsync), c.accept);
        EXPECT_THAT(LastSound().name, Optional(std::string("C:\\sons\\galo.wav")));
        EXPECT_EQ(LastSound().module, 0u);
        EXPECT_EQ(LastSound().flags, kPlayFlags);
    }
    // PlayWAVFile alone does not change what Tocar last started.
    EXPECT_EQ(Background().strArquivoSom(), L"");
}

TEST_F(AlertsTest, StoppingPurgesWithNoNameAndReportsFalse) {
    fakes.sound.accept = true;
    EXPECT_FALSE(Background().StopPlayingWAV());
    Background().Stop_();
    ASSERT_EQ(fakes.sound.calls.size(), 2u);
    for (const auto& call : fakes.sound.calls) {
        EXPECT_EQ(call.name, std::nullopt);
        EXPECT_EQ(call.module, 0u);
        EXPECT_EQ(call.flags, kPurge);
    }
}

TEST_F(AlertsTest, StopLeavesTheBalloonAlone) {
    const std::size_t before = fakes.shell.calls.size();
    Background().Stop_();
    EXPECT_EQ(fakes.shell.calls.size(), before);
}

TEST_F(AlertsTest, CanPlayWAVsCountsWaveDevicesOnly) {
    const struct {
        std::uint32_t waves, midis;
        bool expected;
    } cases[] = {{0, 0, false}, {0, 1, false}, {1, 0, true},
                 {1, 1, true},  {3, 0, true},  {0xFFFFFFFF, 0, true}};
    for (const auto& c : cases) {
        fakes.sound.waveDevices = c.waves;
        fakes.sound.midiDevices = c.midis;
        EXPECT_EQ(Background().CanPlayWAVs(), c.expected) << c.waves << " " << c.midis;
    }
    EXPECT_TRUE(fakes.sound.calls.empty());
}

// --- DesligarWindows ----------------------------------------------------------

TEST_F(AlertsTest, EveryDesligarWindowsEnablesThePrivilegeAndAsksForAForcedShutdown) {
    Background().DesligarWindows();
    Background().DesligarWindows();
    ASSERT_EQ(fakes.shutdown.ExitRequests(), 2);
    int privilegeSteps = 0;
    for (const auto& call : fakes.shutdown.calls) {
        privilegeSteps += call.function == "AdjustTokenPrivileges";
        if (call.function == "ExitWindowsEx") {
            EXPECT_EQ(call.flags, 5u);
            EXPECT_EQ(call.reason, 0xFFFFFFFFu);
        }
    }
    EXPECT_EQ(privilegeSteps, 2);
    EXPECT_TRUE(fakes.sound.calls.empty());
}

// --- Tocar at the root of a drive ---------------------------------------------

// A drive root a test may write into. Where the system maps a spare letter onto a scratch folder
// (Windows), that letter's root; otherwise (Wine maps drives through its own links only) the root
// of the temporary folder's drive, which under Wine is a plain writable folder.
class DriveRoot final : public win32::ProgramFolder {
public:
    explicit DriveRoot(const std::wstring& scratch) {
        const DWORD used = GetLogicalDrives();
        wchar_t letter = L'Y';
        while (letter > L'H' && (used & (1u << (letter - L'A')))) {
            --letter;
        }
        device_ = {letter, L':'};
        if (DefineDosDeviceW(0, device_.c_str(), scratch.c_str())) {
            mapped_ = scratch;
            if (GetFileAttributesW((device_ + L"\\").c_str()) != INVALID_FILE_ATTRIBUTES) {
                root_ = device_ + L"\\";
            }
        }
        if (root_.empty()) {
            wchar_t volume[MAX_PATH]{};
            GetVolumePathNameW(scratch.c_str(), volume, MAX_PATH);
            root_ = volume;
        }
    }
    ~DriveRoot() override {
        if (!mapped_.empty()) {
            DefineDosDeviceW(DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, device_.c_str(),
                             mapped_.c_str());
        }
    }
    DriveRoot(const DriveRoot&) = delete;
    DriveRoot& operator=(const DriveRoot&) = delete;
    std::wstring Path() const override { return root_; }

private:
    std::wstring device_;
    std::wstring mapped_;
    std::wstring root_;
};

class AlertsAtDriveRootTest : public ProgramFixture {
protected:
    void SetUp() override {
        ASSERT_EQ(root_.Path().size(), 3u);
        ASSERT_EQ(root_.Path().substr(1), L":\\");
        program = std::make_unique<Program>(services_);
        program->Start();
        Pump();
    }
    // The program refers to services_ and root_ until it is gone.
    void TearDown() override {
        program.reset();
        Pump();
    }

    DriveRoot root_{fakes.folder.Path()};
    win32::Services services_{fakes.clock,    fakes.messageBoxes, fakes.shell, fakes.sound,
                              fakes.shutdown, fakes.keyboard,     root_,       fakes.process};
};

TEST_F(AlertsAtDriveRootTest, AtTheRootTheFirstPathFindsTheFileAndTheSecondDoublesTheBackslash) {
    const std::wstring root = root_.Path();
    const std::wstring name = L"acordina-raiz-" + std::to_wstring(GetCurrentProcessId()) + L".wav";
    const struct {
        bool exists;
        std::wstring expected;
    } cases[] = {{true, root + name}, {false, root + L"\\" + name}};
    M().strSom = name;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.exists);
        std::optional<Scratch> file;
        if (c.exists) {
            file.emplace(root + name, Scratch::Kind::File);
            if (!file->Made()) {
                GTEST_SKIP() << "no file can be written at " << ::testing::PrintToString(root);
            }
        }
        Background().Tocar();
        EXPECT_EQ(Background().strArquivoSom(), c.expected);
        EXPECT_THAT(fakes.sound.calls.back().name, Optional(win32::ToAnsi(c.expected)));
    }
}

} // namespace
} // namespace acordina::testing
