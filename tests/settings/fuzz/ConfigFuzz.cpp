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
    const int soundEntries = static_cast<int>(data[0]) - 2;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    if (acordina::settings::BrokenInvariant(
            acordina::settings::ParseConfig(bytes, soundEntries, acordina::settings::kCp1252),
            soundEntries)) {
        std::abort();
    }
    return 0;
}
