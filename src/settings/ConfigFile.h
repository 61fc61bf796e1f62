#pragma once
// Reading and writing Config.inf on disk. Writing never leaves a truncated
// file behind: the new content goes to a file beside it that then replaces it.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace acordina::settings {

// The most ReadConfigBytes reads. Six edit boxes of at most 32767 characters
// and nine short integer lines stay below 200 KiB; 1 MiB leaves room and still
// keeps a gigantic file from exhausting memory.
inline constexpr std::size_t kMaxConfigBytes = std::size_t{1} << 20;

struct WriteResult {
    bool ok = true;
    std::wstring reason; // the system's reason when !ok
};

// Writes path + ".tmp" beside the target, then renames it over the target.
// On failure the old file stays as it was and no temporary is left.
WriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The file's bytes, at most the first kMaxConfigBytes of them; nullopt when
// there is no regular file there or it cannot be opened. Never throws.
std::optional<std::string> ReadConfigBytes(const std::filesystem::path& path);

} // namespace acordina::settings
