#include "alarm/AlarmSound.h"

namespace acordina::alarm {

bool IsWholeWave(std::string_view head, std::uint64_t fileSize) {
    if (head.size() < 12 || !head.starts_with("RIFF") || head.substr(8, 4) != "WAVE") {
        return false;
    }
    bool format = false;
    // 64-bit offsets: a size read from the file cannot wrap them round into a loop.
    for (std::uint64_t at = 12; at + 8 <= head.size();) {
        const std::string_view chunk = head.substr(static_cast<std::size_t>(at), 8);
        std::uint64_t size = 0;
        for (std::size_t i = 8; i-- > 4;) {
            size = size << 8 | static_cast<unsigned char>(chunk[i]);
        }
        if (chunk.starts_with("data")) {
            return format && size > 0 && at + 8 + size <= fileSize;
        }
        format = format || (chunk.starts_with("fmt ") && size >= 16);
        // Chunks start on even offsets.
        at += 8 + size + (size & 1);
    }
    return format;
}

void AlarmSound::Ring(const std::wstring& path, const LocalTime& now) {
    // Starting the same sound again would only make it stutter.
    if (ringing_ && playing_ != Playing::Nothing && path == path_) {
        return;
    }
    if (path != path_) {
        path_ = path;
    }
    ringing_ = true;
    warned_ = false;
    Count(now);
    if (Present()) {
        Try(now);
    }
}

void AlarmSound::Tick(const LocalTime& now) {
    if (!ringing_) {
        return;
    }
    const bool newSecond = Count(now);
    if (!Present()) {
        return;
    }
    // Any other second, the clock set back included, is the next try's; an output that came
    // back after a second without any is there at once.
    if (playing_ == Playing::Nothing) {
        if (!(now == lastTry_)) {
            Try(now);
        }
        return;
    }
    // An accepted start tells nothing of the output it will reach: a loop that found none, or
    // lost it, has ended and is begun again; one that plays goes on undisturbed.
    if (newSecond) {
        output_.Revive(path_, playing_ == Playing::Reserve);
    }
    Listen(now);
}

void AlarmSound::DefaultChanged(const LocalTime& now) {
    if (!ringing_) {
        return;
    }
    Count(now);
    // A sound started this second already plays on the output that is there now.
    if (Present() && !(playing_ != Playing::Nothing && now == lastTry_)) {
        Try(now);
    }
}

void AlarmSound::Stop() {
    output_.Silence();
    ringing_ = false;
    playing_ = Playing::Nothing;
}

bool AlarmSound::Count(const LocalTime& now) {
    if (now == second_) {
        return false;
    }
    second_ = now;
    ++seconds_;
    return true;
}

bool AlarmSound::Present() {
    if (output_.Outputs() != 0) {
        return true;
    }
    // A loop dies with its output.
    playing_ = Playing::Nothing;
    WarnOnce(false);
    return false;
}

void AlarmSound::Listen(const LocalTime& now) {
    const std::optional<float> peak = output_.Peak();
    if (!peak) {
        return;
    }
    if (*peak > 0.0f) {
        meterMoves_ = true;
        loudAt_ = seconds_;
    } else if (meterMoves_ && seconds_ - loudAt_ > kQuietSeconds) {
        Try(now);
    }
}

void AlarmSound::Try(const LocalTime& now) {
    lastTry_ = now;
    loudAt_ = seconds_;
    // The header first: a file that is no WAV would make the system play its own short
    // chime, or nothing, and still count as accepted.
    if (output_.IsWave(path_) && output_.Loop(path_)) {
        playing_ = Playing::Chosen;
        return;
    }
    playing_ = output_.LoopReserve() ? Playing::Reserve : Playing::Nothing;
    WarnOnce(playing_ == Playing::Reserve);
}

void AlarmSound::WarnOnce(bool reservePlaying) {
    if (!warned_) {
        warned_ = true;
        output_.Warn(reservePlaying);
    }
}

} // namespace acordina::alarm
