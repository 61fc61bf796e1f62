#include "settings/ConfigFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

namespace acordina::settings {
namespace {

namespace fs = std::filesystem;

// Each test works in a folder of its own, removed afterwards.
class ConfigFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / ("acordina-settings-" + std::string(info->name()) +
                                               "-" + std::to_string(std::random_device()()));
        ASSERT_TRUE(fs::create_directory(folder_));
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    fs::path Target() const { return folder_ / "Config.inf"; }

    std::set<fs::path> Names() const {
        std::set<fs::path> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.insert(entry.path().filename());
        }
        return names;
    }

    static void Put(const fs::path& file, std::string_view bytes) {
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good()) << file;
    }

    static std::string Get(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder_;
};

// Bytes a text-mode stream would change: CR LF, lone LF, Ctrl-Z, NUL.
constexpr std::string_view kRawBytes("a\r\nb\nc\x1A"
                                     "d\0e\r",
                                     12);

TEST_F(ConfigFile, WriteCreatesOrReplacesTheWholeFileAndLeavesNoTemporary) {
    // A temporary left behind by an earlier crash is simply overwritten.
    Put(folder_ / "Config.inf.tmp", "stale stale stale");
    const WriteResult result = WriteFileAtomically(Target(), kRawBytes);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.reason.empty());
    EXPECT_EQ(Get(Target()), kRawBytes);
    EXPECT_EQ(Names(), std::set<fs::path>{"Config.inf"});

    Put(Target(), std::string(5000, 'o'));
    ASSERT_TRUE(WriteFileAtomically(Target(), "new").ok);
    EXPECT_EQ(Get(Target()), "new");
    ASSERT_TRUE(WriteFileAtomically(Target(), "").ok);
    EXPECT_EQ(fs::file_size(Target()), 0u);
    EXPECT_EQ(Names(), std::set<fs::path>{"Config.inf"});
}

TEST_F(ConfigFile, WriteWorksInAFolderWithAccents) {
    const fs::path accented = folder_ / fs::path(u8"Configurações");
    fs::create_directory(accented);
    ASSERT_TRUE(WriteFileAtomically(accented / "Config.inf", kRawBytes).ok);
    EXPECT_EQ(ReadConfigBytes(accented / "Config.inf"), std::string(kRawBytes));
}

TEST_F(ConfigFile, FailedWriteLeavesEverythingAsItWas) {
    const fs::path missing = folder_ / "missing";
    const struct {
        const char* what;
        fs::path target;
        fs::path blocker;  // a folder made before the write
        fs::path previous; // a file made before the write
    } cases[] = {
        {"target is a folder", Target(), Target(), {}},
        {"folder does not exist", missing / "Config.inf", {}, {}},
        {"temporary cannot be made", Target(), folder_ / "Config.inf.tmp", Target()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder_);
        fs::create_directory(folder_);
        if (!c.blocker.empty()) {
            fs::create_directory(c.blocker);
            Put(c.blocker / "inside", "keep me");
        }
        if (!c.previous.empty()) {
            Put(c.previous, " 1 \r\nold\r\n");
        }
        const std::set<fs::path> before = Names();

        const WriteResult result = WriteFileAtomically(c.target, "new bytes");

        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.reason.empty());
        EXPECT_EQ(Names(), before);
        if (!c.blocker.empty()) {
            EXPECT_EQ(Get(c.blocker / "inside"), "keep me");
        }
        if (!c.previous.empty()) {
            EXPECT_EQ(Get(c.previous), " 1 \r\nold\r\n");
        }
        EXPECT_FALSE(fs::exists(missing));
    }
}

TEST_F(ConfigFile, ReadReturnsTheBytesUnchangedAndFindsNoFileWhereThereIsNone) {
    EXPECT_EQ(ReadConfigBytes(Target()), std::nullopt);
    EXPECT_EQ(ReadConfigBytes(folder_ / "missing" / "Config.inf"), std::nullopt);
    Put(Target(), "");
    EXPECT_EQ(ReadConfigBytes(Target()), std::string());
    Put(Target(), kRawBytes);
    EXPECT_EQ(ReadConfigBytes(Target()), std::string(kRawBytes));
    fs::remove(Target());
    fs::create_directory(Target());
    EXPECT_EQ(ReadConfigBytes(Target()), std::nullopt);
}

TEST_F(ConfigFile, ReadStopsAtTheBound) {
    std::string big(kMaxConfigBytes + 4096, 'x');
    for (std::size_t i = 0; i < big.size(); i += 997) {
        big[i] = static_cast<char>('0' + i % 10); // so a shifted prefix would show
    }
    for (const std::size_t size :
         {kMaxConfigBytes - 1, kMaxConfigBytes, kMaxConfigBytes + 1, big.size()}) {
        Put(Target(), std::string_view(big).substr(0, size));
        const auto bytes = ReadConfigBytes(Target());
        ASSERT_TRUE(bytes.has_value()) << size;
        EXPECT_EQ(*bytes, big.substr(0, std::min(size, kMaxConfigBytes))) << size;
    }
}

} // namespace
} // namespace acordina::settings
