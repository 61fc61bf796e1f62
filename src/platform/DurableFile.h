#pragma once
// Small whole files on disk through the Windows file API: a write that a power cut cannot
// leave half done, a read with an upper bound, and failures told in the user's language.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace acordina::win32 {

struct WriteResult {
    bool ok = true;
    std::wstring reason; // the system's reason when !ok
};

// Writes path + ".tmp" beside the target, flushes it to the disk and moves it over the target
// with write-through: afterwards there is either the old file or the new one, whole. On
// failure the old file stays as it was and no temporary of ours is left.
WriteResult WriteDurably(const std::wstring& path, std::string_view bytes);

// At most the first `limit` bytes of the file; nullopt when there is no file there (a folder
// counts as none) or it cannot be read.
std::optional<std::string> ReadBounded(const std::wstring& path, std::size_t limit);

// The system's description of an error code, in the user's language, without a line end.
std::wstring SystemReason(DWORD error);

} // namespace acordina::win32
