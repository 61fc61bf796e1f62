// ParseConfig over a large seeded set of random and mangled inputs; only the
// invariants that hold for any bytes are checked.

#include "ConfigInvariants.h"
#include "ConfigSamples.h"
#include "settings/ConfigFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>

namespace acordina::settings {
namespace {

#if defined(_WIN32)
constexpr int kInputs = 20'000; // every Wine second counts
#elif !defined(__OPTIMIZE__)
constexpr int kInputs = 50'000; // unoptimised (sanitizer) builds are ~20 times slower
#else
constexpr int kInputs = 200'000;
#endif

class InputMaker {
public:
    explicit InputMaker(std::uint32_t seed) : random_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    char Byte() {
        // Mostly the characters the reader cares about, so mutations hit its
        // decisions rather than only its text lines.
        static constexpr std::string_view kInteresting = " \t\r\n-+0123456789";
        const std::uint32_t r = random_();
        if ((r & 1) != 0) {
            return kInteresting[(r >> 1) % kInteresting.size()];
        }
        return static_cast<char>(r >> 8);
    }

    // A file the program could have written: the sound line and the name agree.
    ConfigValues ValidValues(const SoundList& sounds) {
        ConfigValues values = samples::ExampleValues();
        for (std::size_t i = 0; i < kLineCount; ++i) {
            switch (kLines[i]) {
            case LineKind::CheckBox:
                values[i] = Below(2);
                break;
            case LineKind::SoundIndex: {
                // Never the help entry, which stands first.
                const int chosen = Below(static_cast<int>(sounds.entries.size()) + 1) - 1;
                values[i] = chosen == 0 ? -1 : chosen;
                values[kLineCount - 1] =
                    chosen > 0 ? sounds.entries[static_cast<std::size_t>(chosen)] : L"";
                break;
            }
            case LineKind::Text:
                values[i] = RandomText();
                break;
            case LineKind::SoundName:
                break;
            }
        }
        return values;
    }

    std::string Make(const SoundList& sounds) {
        std::string bytes = FormatConfig(ValidValues(sounds), kCp1252);
        switch (Below(8)) {
        case 0: // random short data
            return RandomBytes(static_cast<std::size_t>(Below(64)));
        case 1: // binary data
            return RandomBytes(static_cast<std::size_t>(Below(1024)));
        case 2: // byte flips
            for (int n = Below(8) + 1; n > 0; --n) {
                bytes[static_cast<std::size_t>(Below(static_cast<int>(bytes.size())))] = Byte();
            }
            return bytes;
        case 3: // truncation
            return bytes.substr(0, At(bytes));
        case 4: // inserted line ends
            for (int n = Below(4) + 1; n > 0; --n) {
                static constexpr std::string_view kEnds[] = {"\r", "\n", "\r\n", "\n\r"};
                bytes.insert(At(bytes), kEnds[Below(4)]);
            }
            return bytes;
        case 5: // a huge line, now and then
            if (Below(64) == 0) {
                static constexpr char kFill[] = {'0', '9', ' ', '\t', 'x', '\xE7'};
                bytes.insert(At(bytes), static_cast<std::size_t>(Below(100'000)), kFill[Below(6)]);
            }
            return bytes;
        case 6: // a valid file with a mangled tail
            bytes += RandomBytes(static_cast<std::size_t>(Below(32)));
            return bytes;
        default: { // spliced from two files
            const std::string other = FormatConfig(ValidValues(sounds), kCp1252);
            return bytes.substr(0, At(bytes)) + other.substr(At(other));
        }
        }
    }

private:
    // A place to cut or insert: 0 .. size.
    std::size_t At(const std::string& bytes) {
        return static_cast<std::size_t>(Below(static_cast<int>(bytes.size()) + 1));
    }

    std::string RandomBytes(std::size_t size) {
        std::string bytes(size, '\0');
        for (char& b : bytes) {
            b = Byte();
        }
        return bytes;
    }

    std::wstring RandomText() {
        static constexpr std::wstring_view kChars = L"aZ 9-ção€\t";
        std::wstring text(static_cast<std::size_t>(Below(12)), L' ');
        for (wchar_t& c : text) {
            c = kChars[static_cast<std::size_t>(Below(static_cast<int>(kChars.size())))];
        }
        return text;
    }

    std::mt19937 random_;
};

TEST(ParseConfigRobustness, HoldsItsInvariantsForRandomAndMangledInput) {
    InputMaker maker(20240517);
    std::size_t complete = 0;
    for (int n = 0; n < kInputs; ++n) {
        const SoundList sounds = samples::Sounds(static_cast<std::size_t>(maker.Below(5)));
        const std::string input = maker.Make(sounds);
        const auto values = ParseConfig(input, sounds, kCp1252);
        const auto broken = BrokenInvariant(values, sounds);
        ASSERT_FALSE(broken) << *broken << " for " << ::testing::PrintToString(input);
        complete += values.size() == kLineCount ? 1 : 0;
    }
    // The mix must reach deep into the file as well as fail early.
    EXPECT_GT(complete, static_cast<std::size_t>(kInputs / 20));
    EXPECT_LT(complete, static_cast<std::size_t>(kInputs / 2));
}

TEST(ParseConfigRobustness, ReadsEveryUnmangledFileWhole) {
    InputMaker maker(7);
    for (int n = 0; n < kInputs / 10; ++n) {
        const SoundList sounds = samples::Sounds(static_cast<std::size_t>(maker.Below(5)));
        const ConfigValues values = maker.ValidValues(sounds);
        ASSERT_EQ(ParseConfig(FormatConfig(values, kCp1252), sounds, kCp1252),
                  samples::Prefix(values, kLineCount));
    }
}

} // namespace
} // namespace acordina::settings
