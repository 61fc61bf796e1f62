#pragma once
// Recording stand-ins for the shell, the target window and a listener. The
// shell and the listener write into one log so the order of shell calls and
// events can be checked together.

#include "tray/cTrayBalloon.h"

#include <cstdint>
#include <string>
#include <vector>

namespace acordina::tray::testing {

using Log = std::vector<std::string>;

struct ShellCall {
    std::uint32_t message;
    NotifyRecordBytes record;
};

class RecordingShell : public TrayShell {
public:
    explicit RecordingShell(Log& log) : log_(log) {}

    bool NotifyIcon(std::uint32_t message, const NotifyRecordBytes& record) override {
        static const char* const names[] = {"ADD", "MODIFY", "DELETE"};
        log_.push_back(message < 3 ? names[message] : "message " + std::to_string(message));
        calls.push_back({message, record});
        return notifyResult;
    }

    std::int32_t SetForegroundWindow(std::uint32_t windowHandle) override {
        log_.push_back("SetForegroundWindow " + std::to_string(windowHandle));
        return foregroundResult;
    }

    float TwipsPerPixelX() const override { return twipsPerPixel; }

    std::vector<ShellCall> calls;
    bool notifyResult = true;
    std::int32_t foregroundResult = 1;
    float twipsPerPixel = 15.0f;

private:
    Log& log_;
};

struct FakeTarget : TrayTarget {
    FakeTarget(std::uint32_t window, std::uint32_t icon) : window(window), icon(icon) {}
    std::uint32_t WindowHandle() const override { return window; }
    std::uint32_t IconHandle() const override { return icon; }
    std::uint32_t window;
    std::uint32_t icon;
};

class RecordingListener : public TrayEvents {
public:
    explicit RecordingListener(Log& log) : log_(log) {}
    void TrayStart() override { log_.push_back("TrayStart"); }
    void TrayStop() override { log_.push_back("TrayStop"); }
    void BalloonStart() override { log_.push_back("BalloonStart"); }
    void BalloonStop() override { log_.push_back("BalloonStop"); }

private:
    Log& log_;
};

// Reading a record back, by the byte offsets of the 488-byte ANSI layout.
inline std::uint32_t U32At(const NotifyRecordBytes& r, std::size_t offset) {
    return r.at(offset) | r.at(offset + 1) << 8 | r.at(offset + 2) << 16 |
           static_cast<std::uint32_t>(r.at(offset + 3)) << 24;
}

inline std::string BytesAt(const NotifyRecordBytes& r, std::size_t offset, std::size_t size) {
    return {r.begin() + static_cast<std::ptrdiff_t>(offset),
            r.begin() + static_cast<std::ptrdiff_t>(offset + size)};
}

} // namespace acordina::tray::testing
