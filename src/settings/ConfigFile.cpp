#include "settings/ConfigFile.h"

#include "text/Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <new>
#include <system_error>
#include <utility>

namespace acordina::settings {
namespace {

namespace fs = std::filesystem;

// The runtime's messages come in the ANSI code page, which is Windows-1252 for
// this program's users; elsewhere they are plain ASCII.
std::wstring Reason(const std::error_code& error) {
    return text::FromWindows1252(error.message());
}

// The stream reports no cause of its own; the C library under it sets errno.
std::error_code LastStreamError() {
    const int code = errno;
    return {code != 0 ? code : EIO, std::generic_category()};
}

// Removes the temporary on every path that does not hand it over to the
// target; only a file this code created is ever removed.
class TemporaryFile {
public:
    explicit TemporaryFile(fs::path path) : path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (owned_) {
            std::error_code ignored;
            fs::remove(path_, ignored);
        }
    }

    const fs::path& Path() const { return path_; }
    void Own() { owned_ = true; }
    void Release() { owned_ = false; }

private:
    fs::path path_;
    bool owned_ = false;
};

std::error_code WriteWhole(TemporaryFile& file, std::string_view bytes) {
    errno = 0;
    std::ofstream out(file.Path(), std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
        return LastStreamError();
    }
    file.Own();
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        return LastStreamError();
    }
    out.close();
    if (!out) {
        return LastStreamError();
    }
    return {};
}

} // namespace

WriteResult WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    fs::path temporaryPath = path;
    temporaryPath += ".tmp";
    TemporaryFile temporary(std::move(temporaryPath));

    if (const std::error_code error = WriteWhole(temporary, bytes)) {
        return {false, Reason(error)};
    }
    std::error_code error;
    fs::rename(temporary.Path(), path, error);
    if (error) {
        return {false, Reason(error)};
    }
    temporary.Release();
    return {};
}

std::optional<std::string> ReadConfigBytes(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        return std::nullopt;
    }
    const std::uintmax_t size = fs::file_size(path, error);
    const std::size_t wanted =
        error ? kMaxConfigBytes
              : static_cast<std::size_t>(std::min<std::uintmax_t>(size, kMaxConfigBytes));

    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        return std::nullopt;
    }
    try {
        std::string bytes(wanted, '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(wanted));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        return bytes;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace acordina::settings
