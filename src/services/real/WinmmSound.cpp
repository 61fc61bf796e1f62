#include "services/real/WinmmSound.h"

#include <mmsystem.h>

namespace acordina::win32 {

namespace {

// Some sound systems (Wine's among them) open the file through the ANSI code page, and an
// asynchronous request still reports success. A name the code page cannot hold goes by its
// short alias, which is ASCII, where the volume keeps one.
std::wstring OpenableName(const wchar_t* name) {
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, -1, nullptr, 0, nullptr, &lost);
    if (!lost) {
        return name;
    }
    std::wstring alias(MAX_PATH, L'\0');
    const DWORD n = GetShortPathNameW(name, alias.data(), static_cast<DWORD>(alias.size()));
    if (n == 0 || n >= alias.size()) {
        return name;
    }
    alias.resize(n);
    return alias;
}

} // namespace

bool WinmmSound::PlaySoundW(const wchar_t* name, std::uintptr_t module, std::uint32_t flags) {
    auto* play = winmm_.Function<decltype(::PlaySoundW)>("PlaySoundW");
    if (!play) {
        return false;
    }
    if (name && (flags & SND_RESOURCE) != SND_RESOURCE) {
        return play(OpenableName(name).c_str(), reinterpret_cast<HMODULE>(module), flags) != FALSE;
    }
    return play(name, reinterpret_cast<HMODULE>(module), flags) != FALSE;
}

// Without winmm there is no device at all.
std::uint32_t WinmmSound::waveOutGetNumDevs() {
    auto* count = winmm_.Function<decltype(::waveOutGetNumDevs)>("waveOutGetNumDevs");
    return count ? count() : 0;
}

} // namespace acordina::win32
