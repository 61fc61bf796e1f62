#include "platform/DurableFile.h"

#include "platform/Handles.h"

#include <algorithm>
#include <iterator>

namespace acordina::win32 {
namespace {

WriteResult Failed(DWORD error) {
    return {false, SystemReason(error)};
}

// Writes and flushes the whole file; 0 or the error. A file this made and could not fill is
// removed again.
DWORD WriteAndFlush(const std::wstring& path, std::string_view bytes) {
    UniqueHandle out = OwnFile(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out) {
        return GetLastError();
    }
    DWORD error = 0;
    DWORD written = 0;
    if (!WriteFile(out.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        error = GetLastError();
    } else if (written != bytes.size()) {
        error = ERROR_WRITE_FAULT;
    } else if (!FlushFileBuffers(out.get())) {
        error = GetLastError();
    }
    out.reset();
    if (error != 0) {
        // The write's own error is the one to report; a leftover temporary is overwritten next
        // time.
        DeleteFileW(path.c_str());
    }
    return error;
}

} // namespace

WriteResult WriteDurably(const std::wstring& path, std::string_view bytes) {
    const std::wstring temporary = path + L".tmp";
    if (const DWORD error = WriteAndFlush(temporary, bytes)) {
        return Failed(error);
    }
    if (!MoveFileExW(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str()); // as above: the move's error is the one that counts
        return Failed(error);
    }
    return {};
}

std::optional<std::string> ReadBounded(const std::wstring& path, std::size_t limit) {
    const UniqueHandle in = OwnFile(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!in) {
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    const std::size_t wanted =
        GetFileSizeEx(in.get(), &size)
            ? static_cast<std::size_t>(std::min<ULONGLONG>(size.QuadPart, limit))
            : limit;
    std::string bytes(wanted, '\0');
    std::size_t got = 0;
    while (got < wanted) {
        DWORD read = 0;
        if (!ReadFile(in.get(), bytes.data() + got, static_cast<DWORD>(wanted - got), &read,
                      nullptr)) {
            return std::nullopt;
        }
        if (read == 0) {
            break;
        }
        got += read;
    }
    bytes.resize(got);
    return bytes;
}

std::wstring SystemReason(DWORD error) {
    wchar_t text[512];
    // Language 0: the user's language, as far as the system has its texts.
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             error, 0, text, static_cast<DWORD>(std::size(text)), nullptr);
    while (n > 0 && (text[n - 1] == L'\r' || text[n - 1] == L'\n' || text[n - 1] == L' ')) {
        --n;
    }
    if (n == 0) {
        return L"Erro " + std::to_wstring(error) + L" do sistema.";
    }
    return {text, n};
}

} // namespace acordina::win32
