// libFuzzer entry: the first byte picks the size of the sound list, the rest
// is the file. Any broken invariant aborts so the fuzzer keeps the input.

#include "../ConfigInvariants.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    using namespace acordina::settings;
    const SoundList sounds = samples::Sounds(data[0] % (samples::kSoundEntries.size() + 1));
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    if (BrokenInvariant(ParseConfig(bytes, sounds, kCp1252), sounds)) {
        std::abort();
    }
    return 0;
}
