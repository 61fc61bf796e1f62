#include "background/Sound.h"

#include "win32/DurableFile.h"
#include "win32/Window.h"

#include <mmsystem.h>

#include <string_view>

namespace acordina::background {
namespace {

// The name the user knows the file by.
std::wstring_view FileName(std::wstring_view path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

} // namespace

Sound::Sound(win32::Services& services, std::function<void(const std::wstring&)> warn)
    : services_(services), warn_(std::move(warn)) {}

bool Sound::PlayWAVFile(const std::wstring& path) {
    // No SND_FILENAME: a registered sound name still plays.
    return services_.sound.PlaySoundW(path.c_str(), 0, SND_ASYNC | SND_LOOP);
}

bool Sound::StopPlayingWAV() {
    services_.sound.PlaySoundW(nullptr, 0, SND_PURGE);
    return false;
}

bool Sound::CanPlayWAVs() {
    return services_.sound.waveOutGetNumDevs() != 0;
}

bool Sound::LoopReserve() {
    return services_.sound.PlaySoundW(
        kReserve, reinterpret_cast<std::uintptr_t>(win32::ThisModule()),
        SND_RESOURCE | SND_ASYNC | SND_LOOP | SND_NODEFAULT);
}

bool Sound::IsWave(const std::wstring& path) {
    const auto head = win32::ReadBounded(path, 12);
    return head && head->size() == 12 && head->starts_with("RIFF") &&
           std::string_view(*head).substr(8) == "WAVE";
}

void Sound::Warn(bool reservePlaying) {
    warn_(reservePlaying ? L"O som escolhido (" + std::wstring(FileName(logic_.Path())) +
                               L") não pôde tocar: o Acordina toca o seu som de reserva."
                         : std::wstring(L"O som do alarme não pôde tocar. O Acordina continua "
                                        L"tentando."));
}

std::optional<std::wstring> Sound::CheckAtArming(const std::wstring& path,
                                                 const std::wstring& name) {
    if (!IsWave(path)) {
        return L"O som escolhido (" + name +
               L") não pôde ser lido: na hora, o Acordina tocará o seu som de reserva.";
    }
    if (services_.audio.Silent().value_or(false)) {
        return L"O som do Windows está mudo ou sem volume: o alarme não será ouvido.";
    }
    return std::nullopt;
}

} // namespace acordina::background
