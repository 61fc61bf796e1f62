#pragma once
// The alarm sound on Windows: the chosen file or the reserve sound this executable carries,
// played by PlaySoundW; the device count; and what arming checks so that a silent morning is
// told in advance.

#include "alarm/AlarmSound.h"
#include "alarm/ArmingWarning.h"
#include "services/Services.h"

#include <functional>
#include <string>

namespace acordina::background {

class Sound final : private alarm::SoundOutput {
public:
    // `warn` shows one warning text to the user.
    Sound(win32::Services& services, std::function<void(const std::wstring&)> warn);

    void Ring(const std::wstring& path, const alarm::LocalTime& now) { logic_.Ring(path, now); }
    void Tick(const alarm::LocalTime& now) { logic_.Tick(now); }
    void DefaultChanged(const alarm::LocalTime& now) { logic_.DefaultChanged(now); }
    void Stop() { logic_.Stop(); }
    bool Ringing() const { return logic_.Ringing(); }
    alarm::Playing Plays() const { return logic_.Plays(); }
    const std::wstring& Path() const { return logic_.Path(); }

    // Asynchronous and looping: the alarm rings until it is switched off.
    bool PlayWAVFile(const std::wstring& path);
    bool StopPlayingWAV();
    bool CanPlayWAVs();
    // Whether the file at `path` will be heard: it is a WAV file, and then whether the output
    // is muted or at volume 0.
    void CheckAtArming(const std::wstring& path, alarm::ArmingFacts& facts);
    // The text of an arming warning about the chosen file or the output.
    static std::wstring ArmingText(alarm::ArmingWarning warning, const std::wstring& path);

    // The resource that holds the reserve sound.
    static constexpr wchar_t kReserve[] = L"RESERVA";

private:
    bool IsWave(const std::wstring& path) override;
    bool Loop(const std::wstring& path) override { return PlayWAVFile(path); }
    bool LoopReserve() override;
    bool Revive(const std::wstring& path, bool reserve) override;
    void Silence() override { StopPlayingWAV(); }
    void Warn(bool reservePlaying) override;
    std::uint32_t Outputs() override { return services_.sound.waveOutGetNumDevs(); }
    std::optional<float> Peak() override { return services_.audio.Peak(); }

    // `path` or, when none, the reserve sound, looping.
    bool Play(const wchar_t* path, std::uint32_t flags);

    win32::Services& services_;
    std::function<void(const std::wstring&)> warn_;
    alarm::AlarmSound logic_{*this};
};

} // namespace acordina::background
