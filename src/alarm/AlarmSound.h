#pragma once
// What the alarm sound does, apart from how it is played: the chosen file loops, or the
// program's own reserve sound when the file cannot; a sound that plays nowhere (no output at
// all, or one refused) is tried again once a second until it plays; an output that comes back,
// or another default output, gets the sound again at once; a sound the output's meter shows as
// silent for 5 s is started again; the first failure of a wake-up is told once; stopping ends
// the sound and the retries.

#include "alarm/AlarmCheck.h"

#include <cstdint>
#include <optional>
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
    // Starts the loop again only if it no longer plays (its output went away under it, or it
    // never reached one); true when it did.
    virtual bool Revive(const std::wstring& path, bool reserve) = 0;
    virtual void Silence() = 0;
    // The first failure of a wake-up: the reserve sound plays instead, or nothing does.
    virtual void Warn(bool reservePlaying) = 0;
    // The sound outputs there now.
    virtual std::uint32_t Outputs() = 0;
    // The default output's loudest sample of the moment, from 0 to 1; nullopt without a meter.
    virtual std::optional<float> Peak() = 0;
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
    // Every tick of either timer, and whenever devices come or go: while it should ring, the
    // outputs are counted; nothing playing is tried once a second, or at once when an output
    // came back; a playing sound is revived once a second if its loop ended, and started again
    // when the meter shows it silent. Allocates nothing.
    void Tick(const LocalTime& now);
    // The default output is another one: the sound follows it.
    void DefaultChanged(const LocalTime& now);
    void Stop();

    bool Ringing() const { return ringing_; }
    Playing Plays() const { return playing_; }
    const std::wstring& Path() const { return path_; }

    // A meter that has moved once and then reads 0 this many seconds is not being heard.
    static constexpr std::int64_t kQuietSeconds = 5;

private:
    // True for a reading in another second than the last.
    bool Count(const LocalTime& now);
    // False when there is no output: then nothing plays.
    bool Present();
    void Try(const LocalTime& now);
    void Listen(const LocalTime& now);
    void WarnOnce(bool reservePlaying);

    SoundOutput& output_;
    std::wstring path_;
    bool ringing_ = false;
    bool warned_ = false;
    // Once it reads above 0, the meter is believed: a meter that never moves tells nothing.
    bool meterMoves_ = false;
    Playing playing_ = Playing::Nothing;
    LocalTime lastTry_;
    // Seconds seen while ringing, counted by the clock's readings: a clock set back or forward
    // counts one.
    LocalTime second_;
    std::int64_t seconds_ = 0;
    std::int64_t loudAt_ = 0;
};

} // namespace acordina::alarm
