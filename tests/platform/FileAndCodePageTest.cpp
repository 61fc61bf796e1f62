// Config.inf on the real file system and in other code pages, the system libraries, the folder.
#include "ConfigSamples.h"
#include "FakeServices.h"
#include "platform/DurableFile.h"
#include "platform/Paths.h"
#include "platform/SystemLibrary.h"
#include "services/real/ExecutableFolder.h"
#include "services/real/WindowsCodePage.h"

#include <gtest/gtest.h>

#include <tuple>

namespace acordina::win32 {
namespace {

using namespace settings;

// The whole file replaced, no temporary left; a failure changes nothing and says why; reads bound.
TEST(DurableFile, ReplacesTheWholeFileOrNothingAndReadsUpToTheBound) {
    testing::TempProgramFolder folder;
    const std::wstring target = folder.Path() + L"\\Config.inf";
    // Bytes a text-mode stream would change: CR LF, lone LF, Ctrl-Z, NUL.
    const std::string raw("a\r\nb\nc\032d\0e\r", 12);
    EXPECT_EQ(ReadBounded(target, 100), std::nullopt) << "the first start";
    folder.Write(L"Config.inf.tmp", "stale"); // left by an earlier power cut
    folder.Write(L"Config.inf", std::string(5000, 'o'));
    for (const std::string& bytes : {raw, std::string("new"), std::string()}) {
        EXPECT_EQ(WriteDurably(target, bytes).reason, L"");
        EXPECT_EQ(ReadBounded(target, 100), bytes);
        EXPECT_EQ(folder.Read(L"Config.inf.tmp"), std::nullopt);
    }
    const std::string big = 'a' + std::string(kMaxConfigBytes - 1, 'x') + 'z';
    folder.Write(L"Config.inf", big);
    EXPECT_EQ(ReadBounded(target, big.size() - 1), big.substr(0, big.size() - 1));
    EXPECT_EQ(ReadBounded(target, big.size()), big);

    // A folder where the file or its temporary should be, and none at all: each write fails.
    DeleteFileW(target.c_str());
    CreateDirectoryW(target.c_str(), nullptr);
    folder.Write(L"Config.inf\\inside", "keep me");
    CreateDirectoryW((folder.Path() + L"\\b").c_str(), nullptr);
    CreateDirectoryW((folder.Path() + L"\\b\\Config.inf.tmp").c_str(), nullptr);
    folder.Write(L"b\\Config.inf", "old");
    const std::pair<std::wstring, std::optional<std::string>> cases[] = {
        {target, std::nullopt},
        {folder.Path() + L"\\b\\Config.inf", "old"},
        {folder.Path() + L"\\missing\\Config.inf", std::nullopt}};
    for (const auto& [path, before] : cases) {
        const WriteResult result = WriteDurably(path, "new bytes");
        EXPECT_FALSE(result.ok || result.reason.empty() || result.reason.ends_with(L"\n"));
        EXPECT_EQ(folder.Read(L"Config.inf.tmp"), std::nullopt);
        EXPECT_EQ(folder.Read(L"Config.inf\\inside"), "keep me");
        EXPECT_EQ(ReadBounded(path, 100), before);
    }
}

TEST(WindowsCodePage, WhatTheCodePageLacksBecomesQuestionMarksAndTheFileUtf8) {
    // The code page, a message and its bytes in that code page.
    const std::tuple<unsigned, std::wstring_view, std::string_view> cases[] = {
        {1251, L"Подъём! Пора вставать. Olá Δ 中",
         "\xCF\xEE\xE4\xFA\xB8\xEC! \xCF\xEE\xF0\xE0 \xE2\xF1\xF2\xE0\xE2\xE0\xF2\xFC. Ol? ? ?"},
        {1250, L"Vstávej, už je čas! Łódź Привет €",
         "Vst\xE1vej, u\x9E je \xE8\x61s! \xA3\xF3\x64\x9F ?????? \x80"},
        {1252, L"Acorde já! Ünï € ½", "Acorde j\xE1! \xDCn\xEF \x80 \xBD"}};
    for (const auto& [number, text, bytes] : cases) {
        const WindowsCodePage codePage(number);
        EXPECT_EQ(codePage.Encode(text), bytes) << number;
        ConfigValues values = samples::ExampleValues();
        values[4] = std::wstring(text);
        const std::string file = FormatConfig(values, codePage);
        EXPECT_EQ(file.starts_with("\xEF\xBB\xBF"), bytes.find('?') != bytes.npos) << number;
        const auto read = ParseConfig(file, samples::Sounds(), codePage);
        EXPECT_EQ(read.at(4), std::optional<LineValue>(std::wstring(text))) << number;
    }
}

TEST(SystemLibraryTest, FindsTheSoundAndTrayFunctionsAndNothingElse) {
    const std::tuple<const wchar_t*, const char*, bool> rows[] = {
        {L"winmm.dll", "PlaySoundW", true},
        {L"winmm.dll", "waveOutGetNumDevs", true},
        {L"shell32.dll", "Shell_NotifyIconA", true},
        {L"winmm.dll", "NoSuchFunction", false},
        {L"nosuch.dll", "PlaySoundW", false}};
    for (const auto& [library, function, found] : rows) {
        EXPECT_EQ(SystemLibrary(library).Function<void()>(function) != nullptr, found) << function;
    }
}

TEST(ProgramFolder, FilesAreJoinedToTheFolderWithOneBackslash) {
    EXPECT_EQ(FolderOfFile(L"C:\\Prog\\Acordina.exe") + L"|" + FolderOfFile(L"C:\\Acordina.exe"),
              L"C:\\Prog|C:\\");
    EXPECT_EQ(InFolder(L"C:\\Prog", L"galo.wav") + L"|" + InFolder(L"C:\\", L"galo.wav"),
              L"C:\\Prog\\galo.wav|C:\\galo.wav");
}

} // namespace
} // namespace acordina::win32
