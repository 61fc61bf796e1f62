#include "background/Sound.h"

#include "platform/DurableFile.h"
#include "ui/Window.h"

#include <mmsystem.h>

#include <array>
#include <string_view>
#include <utility>

namespace acordina::background {
namespace {

// The warnings, each the text before and after the chosen file's name (none for the last two).
enum Warning { kReservePlays, kNothingPlays, kUnreadable, kSilent };
constexpr std::array<std::pair<const wchar_t*, const wchar_t*>, 4> kWarnings = {{
    {L"O som escolhido (", L") não pôde tocar: o Acordina toca o seu som de reserva."},
    {L"O som do alarme não pôde tocar. O Acordina continua tentando.", nullptr},
    {L"O som escolhido (",
     L") não pôde ser lido: na hora, o Acordina tocará o seu som de reserva."},
    {L"O som do Windows está mudo ou sem volume: o alarme não será ouvido.", nullptr},
}};

// `path`: the chosen file, named by what follows its folder.
std::wstring Text(Warning warning, std::wstring_view path = {}) {
    const auto [before, after] = kWarnings[warning];
    if (!after) {
        return before;
    }
    return before + std::wstring(path.substr(path.find_last_of(L"\\/") + 1)) + after;
}

} // namespace

Sound::Sound(win32::Services& services, std::function<void(const std::wstring&)> warn)
    : services_(services), warn_(std::move(warn)) {}

bool Sound::Play(const wchar_t* path, std::uint32_t flags) {
    flags |= SND_ASYNC | SND_LOOP;
    // No SND_FILENAME: a registered sound name still plays.
    if (path) {
        return services_.sound.PlaySoundW(path, 0, flags);
    }
    return services_.sound.PlaySoundW(kReserve,
                                      reinterpret_cast<std::uintptr_t>(win32::ThisModule()),
                                      flags | SND_RESOURCE | SND_NODEFAULT);
}

bool Sound::PlayWAVFile(const std::wstring& path) {
    return Play(path.c_str(), 0);
}

bool Sound::StopPlayingWAV() {
    services_.sound.PlaySoundW(nullptr, 0, SND_PURGE);
    return false;
}

bool Sound::CanPlayWAVs() {
    return services_.sound.waveOutGetNumDevs() != 0;
}

bool Sound::LoopReserve() {
    return Play(nullptr, 0);
}

// SND_NOSTOP yields to a sound of this program that still plays.
bool Sound::Revive(const std::wstring& path, bool reserve) {
    return Play(reserve ? nullptr : path.c_str(), SND_NOSTOP);
}

bool Sound::IsWave(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA about{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &about)) {
        return false;
    }
    const auto head = win32::ReadBounded(path, alarm::kWaveHeadBytes);
    return head &&
           alarm::IsWholeWave(*head, std::uint64_t{about.nFileSizeHigh} << 32 | about.nFileSizeLow);
}

void Sound::Warn(bool reservePlaying) {
    warn_(Text(reservePlaying ? kReservePlays : kNothingPlays, logic_.Path()));
}

// Only read: the user's volume is the user's to change.
void Sound::CheckAtArming(const std::wstring& path, alarm::ArmingFacts& facts) {
    facts.soundReadable = IsWave(path);
    if (facts.soundReadable) {
        facts.outputSilent = services_.audio.Silent();
    }
}

std::wstring Sound::ArmingText(alarm::ArmingWarning warning, const std::wstring& path) {
    return Text(warning == alarm::ArmingWarning::UnreadableSound ? kUnreadable : kSilent, path);
}

} // namespace acordina::background
