// The background window's balloons, sound and shutdown request, called directly on the real
// window with fake shell, sound and shutdown services and real files in a scratch folder.
#include "ProgramFixture.h"
#include "win32/SystemLibrary.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <utility>

namespace acordina::testing {
namespace {

using ::testing::Optional;

constexpr std::uint32_t kPlayFlags = 9; // SND_ASYNC | SND_LOOP
constexpr std::uint32_t kPurge = 0x40;

// A file made for one test and removed afterwards.
class Scratch {
public:
    explicit Scratch(std::wstring path) : path_(std::move(path)) {
        std::ofstream(std::filesystem::path(path_), std::ios::binary) << "RIFF";
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove(std::filesystem::path(path_), ignored);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    bool Made() const { return GetFileAttributesW(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }

private:
    std::wstring path_;
};

class AlertsTest : public ProgramFixture {
protected:
    void SetUp() override { Start(); }
    const SoundCall& LastSound() const { return fakes.sound.calls.back(); }
    std::wstring Folder() const { return fakes.folder.Path(); }
};

// --- Avisa ----------------------------------------------------------------

TEST_F(AlertsTest, AvisaShowsTheMessageOfItsNumberTitledAvisoWithTheInformationIcon) {
    const struct {
        std::uint8_t varOQue;
        std::wstring Module1::*message;
        const wchar_t* text;
    } cases[] = {
        {15, &Module1::strMsg15min, L"quinze"}, {10, &Module1::strMsg10min, L"dez"},
        {5, &Module1::strMsg05min, L"cinco"},   {2, &Module1::strMsg02min, L"dois"},
        {1, &Module1::strMsg01min, L"um"},      {0, &Module1::strMsgDespertar, L"Atenção!"}};
    for (const auto& c : cases) {
        M().*c.message = c.text;
    }
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
    // Any other number sends nothing.
    const std::size_t before = fakes.shell.calls.size();
    for (const int varOQue : {3, 4, 14, 16, 255}) {
        Background().Avisa(static_cast<std::uint8_t>(varOQue));
    }
    EXPECT_EQ(fakes.shell.calls.size(), before);
    // An empty message only clears the balloon.
    const std::size_t balloons = Balloons();
    M().strMsgDespertar.clear();
    Background().Avisa(0);
    EXPECT_EQ(fakes.shell.calls.size(), before + 2);
    EXPECT_EQ(Balloons(), balloons);
    EXPECT_TRUE(fakes.sound.calls.empty());
    EXPECT_TRUE(fakes.shutdown.calls.empty());
}

// --- Tocar ----------------------------------------------------------------

// The program folder is ...\acordina-test-N; "beside" is ...\acordina-test-Ngalo.wav.
TEST_F(AlertsTest, TocarPlaysTheFileInsideTheFolderNeverOneBesideIt) {
    const std::wstring inside = Folder() + L"\\galo.wav";
    const Scratch sound(inside);
    const Scratch beside(Folder() + L"galo.wav");
    ASSERT_TRUE(beside.Made());
    M().strSom = L"galo.wav";
    Background().Tocar();
    EXPECT_EQ(Background().strArquivoSom(), inside);
    ASSERT_EQ(fakes.sound.calls.size(), 1u);
    EXPECT_EQ(LastSound(), (SoundCall{win32::ToAnsi(inside), 0, kPlayFlags}));
}

TEST_F(AlertsTest, TocarStartsAFileOnceUntilStoppedOrAnotherFileIsAskedFor) {
    const auto play = [this](const wchar_t* name) {
        return SoundCall{win32::ToAnsi(Folder() + L"\\" + name), 0, kPlayFlags};
    };
    M().strSom = L"galo.wav";
    Background().Tocar();
    Background().Tocar();
    M().strSom = L"sino.wav";
    Background().Tocar();
    Background().Tocar();
    Background().Stop_();
    Background().Tocar();
    EXPECT_EQ(
        fakes.sound.calls,
        (std::vector<SoundCall>{
            play(L"galo.wav"), play(L"sino.wav"), {std::nullopt, 0, kPurge}, play(L"sino.wav")}));
}

TEST_F(AlertsTest, TocarWithNoSoundAsksForTheFolderAndABackslashAndSendsAnsiNames) {
    M().strSom.clear();
    Background().Tocar();
    EXPECT_EQ(Background().strArquivoSom(), Folder() + L"\\");
    EXPECT_THAT(LastSound().name, Optional(win32::ToAnsi(Folder() + L"\\")));
    M().strSom = L"canção.wav";
    Background().Tocar();
    EXPECT_EQ(Background().strArquivoSom(), Folder() + L"\\canção.wav");
    if (GetACP() == 1252) {
        EXPECT_TRUE(LastSound().name->ends_with("\\can\xE7\xE3o.wav"));
    }
}

// --- The sound primitives ---------------------------------------------------

TEST_F(AlertsTest, PlayWAVFileAlwaysLoopsAsynchronouslyAndStoppingPurgesWithNoName) {
    for (const bool async : {true, false}) {
        fakes.sound.accept = !async;
        EXPECT_EQ(Background().PlayWAVFile(L"C:\\sons\\galo.wav"), !async) << async;
        EXPECT_EQ(LastSound(), (SoundCall{"C:\\sons\\galo.wav", 0, kPlayFlags})) << async;
    }
    EXPECT_EQ(Background().strArquivoSom(), L"") << "only Tocar remembers what it started";
    // Tocar ignores a refused sound.
    fakes.sound.accept = false;
    Background().Tocar();
    const std::size_t shellCalls = fakes.shell.calls.size();
    EXPECT_FALSE(Background().StopPlayingWAV());
    Background().Stop_();
    ASSERT_EQ(fakes.sound.calls.size(), 5u);
    EXPECT_EQ(fakes.sound.calls[3], (SoundCall{std::nullopt, 0, kPurge}));
    EXPECT_EQ(fakes.sound.calls[4], (SoundCall{std::nullopt, 0, kPurge}));
    EXPECT_EQ(fakes.shell.calls.size(), shellCalls) << "stopping leaves the balloon alone";
    EXPECT_TRUE(fakes.messageBoxes.shown.empty());
}

TEST_F(AlertsTest, CanPlayWAVsCountsWaveDevicesOnly) {
    const struct {
        std::uint32_t waves, midis;
        bool expected;
    } cases[] = {{0, 1, false}, {1, 0, true}, {0xFFFFFFFF, 0, true}};
    for (const auto& c : cases) {
        fakes.sound.waveDevices = c.waves;
        fakes.sound.midiDevices = c.midis;
        EXPECT_EQ(Background().CanPlayWAVs(), c.expected) << c.waves << " " << c.midis;
    }
    EXPECT_TRUE(fakes.sound.calls.empty());
}

// The real services load winmm and shell32 only when first used: each function is found there.
TEST(SystemLibraryTest, FindsTheSoundAndTrayFunctionsInTheSystemFolderAndNothingElse) {
    const struct {
        const wchar_t* library;
        const char* function;
        bool found;
    } cases[] = {
        {L"winmm.dll", "PlaySoundA", true},        {L"winmm.dll", "waveOutGetNumDevs", true},
        {L"winmm.dll", "midiOutGetNumDevs", true}, {L"shell32.dll", "Shell_NotifyIconA", true},
        {L"winmm.dll", "NoSuchFunction", false},   {L"nosuch.dll", "PlaySoundA", false}};
    for (const auto& c : cases) {
        win32::SystemLibrary library(c.library);
        EXPECT_EQ(library.Function<void()>(c.function) != nullptr, c.found) << c.function;
    }
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
                              fakes.shutdown, fakes.keyboard,     root_,       fakes.process,
                              fakes.monitors, fakes.codePage,     fakes.power, fakes.timeZone};
};

TEST_F(AlertsAtDriveRootTest, AtTheRootTheSoundIsThePathOfTheRootAndTheNameWithOneBackslash) {
    const std::wstring root = root_.Path();
    const std::wstring name = L"acordina-raiz-" + std::to_wstring(GetCurrentProcessId()) + L".wav";
    M().strSom = name;
    for (const bool exists : {true, false}) {
        SCOPED_TRACE(exists);
        std::optional<Scratch> file;
        if (exists) {
            file.emplace(root + name);
            if (!file->Made()) {
                GTEST_SKIP() << "no file can be written at " << ::testing::PrintToString(root);
            }
        }
        Background().Tocar();
        EXPECT_EQ(Background().strArquivoSom(), root + name);
        EXPECT_THAT(fakes.sound.calls.back().name, Optional(win32::ToAnsi(root + name)));
    }
}

} // namespace
} // namespace acordina::testing
