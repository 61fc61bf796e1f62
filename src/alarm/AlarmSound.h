#pragma once
// What the alarm sound does, apart from how it is played: the chosen file loops, or the
// program's own reserve sound when the file cannot; a sound that plays nowhere (no output at
// all) is tried again once a second until it plays; the first failure of a wake-up is told
// once; stopping ends the sound and the retries.

#include "alarm/AlarmCheck.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace acordina::alarm {

// How the sound is played; each start replaces what plays.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // The file is there and starts with a RIFF/WAVE header.
    virtual bool IsWave(const std::wstring& path) = 0;
    // Starts looping; false when the sound system refused it.
    virtual bool Loop(const std::wstring& path) = 0;
    virtual bool LoopReserve() = 0;
    virtual void Silence() = 0;
    // The first failure of a wake-up: the reserve sound plays instead, or nothing does.
    virtual void Warn(bool reservePlaying) = 0;
};

enum class Playing { Nothing, Chosen, Reserve };

// How much of a file IsWholeWave looks at.
inline constexpr std::size_t kWaveHeadBytes = 4096;

// The first bytes of a file of `fileSize` bytes are those of a RIFF/WAVE file whose format comes
// before its sound data and whose data is all there: a renamed text, an empty or a cut-off file
// is none. Data beyond the bytes looked at is taken on trust.
bool IsWholeWave(std::string_view head, std::uint64_t fileSize);

class AlarmSound {
public:
    explicit AlarmSound(SoundOutput& output) : output_(output) {}

    // A wake-up: `path` rings until Stop. What already loops for it goes on undisturbed.
    void Ring(const std::wstring& path, const LocalTime& now);
    // Every tick of either timer: while it should ring and nothing plays, one try a second.
    // Allocates nothing.
    void Tick(const LocalTime& now);
    void Stop();

    bool Ringing() const { return ringing_; }
    Playing Plays() const { return playing_; }
    const std::wstring& Path() const { return path_; }

private:
    void Try(const LocalTime& now);

    SoundOutput& output_;
    std::wstring path_;
    bool ringing_ = false;
    bool warned_ = false;
    Playing playing_ = Playing::Nothing;
    LocalTime lastTry_;
};

} // namespace acordina::alarm
