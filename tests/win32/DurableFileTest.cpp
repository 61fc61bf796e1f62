// Config.inf's file access on the real file system: whole replacement, failures that leave
// everything as it was, and the bounded read.
#include "win32/DurableFile.h"
#include "FakeServices.h"
#include "settings/ConfigFormat.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace acordina::win32 {
namespace {

// Bytes a text-mode stream would change: CR LF, lone LF, Ctrl-Z, NUL.
constexpr std::string_view kRawBytes("a\r\nb\nc\x1A"
                                     "d\0e\r",
                                     12);

class DurableFileTest : public ::testing::Test {
protected:
    std::wstring Target() const { return folder.Path() + L"\\Config.inf"; }
    std::set<std::wstring> Names() const {
        std::set<std::wstring> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            names.insert(entry.path().filename().wstring());
        }
        return names;
    }
    testing::TempProgramFolder folder;
};

TEST_F(DurableFileTest, WriteReplacesTheWholeFileAndLeavesNoTemporary) {
    // A temporary left behind by an earlier power cut is simply overwritten.
    folder.Write(L"Config.inf.tmp", "stale stale stale");
    folder.Write(L"Config.inf", std::string(5000, 'o'));
    for (const std::string_view bytes : {kRawBytes, std::string_view("new"), std::string_view()}) {
        const WriteResult result = WriteDurably(Target(), bytes);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.reason, L"");
        EXPECT_EQ(folder.Read(L"Config.inf"), std::string(bytes));
        EXPECT_EQ(Names(), std::set<std::wstring>{L"Config.inf"});
    }
}

TEST_F(DurableFileTest, AFailedWriteLeavesTheFolderAsItWasAndGivesTheSystemsReason) {
    // A folder where the file should be, and a folder that does not exist.
    CreateDirectoryW(Target().c_str(), nullptr);
    folder.Write(L"Config.inf\\inside", "keep me");
    for (const std::wstring& target : {Target(), folder.Path() + L"\\missing\\Config.inf"}) {
        const WriteResult result = WriteDurably(target, "new bytes");
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.reason.empty());
        EXPECT_FALSE(result.reason.ends_with(L"\n"));
        EXPECT_EQ(Names(), std::set<std::wstring>{L"Config.inf"});
        EXPECT_EQ(folder.Read(L"Config.inf\\inside"), "keep me");
    }
}

TEST_F(DurableFileTest, ReadGivesTheBytesUpToTheBoundAndNothingWhereThereIsNoFile) {
    EXPECT_EQ(ReadBounded(Target(), 100), std::nullopt);
    EXPECT_EQ(ReadBounded(folder.Path() + L"\\missing\\Config.inf", 100), std::nullopt);
    folder.Write(L"Config.inf", "");
    EXPECT_EQ(ReadBounded(Target(), 100), "");
    folder.Write(L"Config.inf", std::string(kRawBytes));
    EXPECT_EQ(ReadBounded(Target(), 100), kRawBytes);

    constexpr std::size_t kBound = settings::kMaxConfigBytes;
    std::string big(kBound + 4096, 'x');
    for (std::size_t i = 0; i < big.size(); i += 997) {
        big[i] = static_cast<char>('0' + i % 10); // so a shifted prefix would show
    }
    for (const std::size_t size : {kBound - 1, kBound, kBound + 1, big.size()}) {
        folder.Write(L"Config.inf", big.substr(0, size));
        EXPECT_EQ(ReadBounded(Target(), kBound), big.substr(0, std::min(size, kBound))) << size;
    }
    DeleteFileW(Target().c_str());
    CreateDirectoryW(Target().c_str(), nullptr);
    EXPECT_EQ(ReadBounded(Target(), 100), std::nullopt) << "a folder is no file";
}

} // namespace
} // namespace acordina::win32
