// The alarm sound's starts, second by second, as its outputs go, come back or change and its
// meter reads; each second stands for the 20 ticks of both timers.
#include "alarm/AlarmSound.h"
#include "AllocationCounter.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace acordina::alarm {
namespace {

// Ring or Stop before a second's ticks, a default change (D) after them, the loop ended (E) before
// them; then the outputs and the meter through the second, and the calls in it.
struct Second {
    char event; // R, S, D, E or '.'
    std::uint32_t outputs;
    float peak; // below 0: no meter
    const char* calls;
};

using Meter = std::optional<float>;

// Calls as "loop", "reserve", "revive" (only one that started), "warn 0|1", "silence"; the
// outputs, meter and loop's end the test sets.
struct Output final : SoundOutput {
    bool IsWave(const std::wstring&) override { return wave; }
    bool Loop(const std::wstring&) override { return Log("loop "); }
    bool LoopReserve() override { return Log("reserve "); }
    bool Revive(const std::wstring&, bool reserve) override {
        revives += !ended;
        return ended && Log(reserve ? "revive reserve " : "revive ");
    }
    void Silence() override { Log("silence "); }
    void Warn(bool reserve) override { calls += reserve ? "warn 1 " : "warn 0 "; }
    std::uint32_t Outputs() override { return at->outputs; }
    std::optional<float> Peak() override { return at->peak < 0 ? std::nullopt : Meter(at->peak); }
    bool Log(const char* call) { return calls += call, true; }
    bool wave = true, ended = false;
    const Second* at = nullptr; // the second the test is in
    int revives = 0;            // that found the loop playing
    std::string calls;
};

// `s`, then `seconds` more like `each`.
std::vector<Second> Then(std::vector<Second> s, int seconds, Second each) {
    s.insert(s.end(), seconds, each);
    return s;
}

TEST(AlarmSound, StartsOnceAtEachReturnOrChangeOfOutputAndNeverAgainWhileHeard) {
    const Second heard{'.', 1, 0.5f, ""}, unmetered{'.', 1, -1, ""}, still{'.', 1, 0, ""};
    const Second gone{'.', 0, 0, ""}, back{'.', 1, -1, "loop "}, again{'.', 1, 0, "loop "};
    // clang-format off
    const std::tuple<const char*, bool, std::vector<Second>> cases[] = {
        {"heard, nothing changes", true, Then({{'R', 1, 0.5f, "loop "}}, 12, heard)},
        {"a meter that never moves", true, Then({{'R', 1, 0, "loop "}}, 12, still)},
        {"gone at the firing", true,
         {{'R', 0, -1, "warn 0 "}, gone, gone, back, unmetered, {'D', 0, -1, ""}, back}},
        {"the reserve, gone and back", false,
         {{'R', 1, -1, "reserve warn 1 "}, gone, gone, {'.', 1, -1, "reserve "}, unmetered,
          {'E', 1, -1, "revive reserve "}}},
        {"a loop that ended unnoticed", true,
         {{'R', 1, -1, "loop "}, unmetered, {'E', 1, -1, "revive "}, unmetered}},
        {"gone and back", true,
         {{'R', 1, -1, "loop "}, {'.', 0, -1, "warn 0 "}, gone, back, unmetered}},
        {"back, told twice", true,
         {{'R', 1, -1, "loop "}, {'.', 0, -1, "warn 0 "}, {'D', 1, -1, "loop "}, unmetered}},
        {"default changed", true,
         {{'R', 1, -1, "loop "}, {'D', 1, -1, "loop "}, {'D', 2, 0.5, "loop "}, heard}},
        // At most once each 5 s, counted again from a loud moment.
        {"meter silent", true,
         {{'R', 1, 0.5f, "loop "}, still, still, still, still, still, again, still, still, still,
          still, still, again, heard, still, still, still, still, still, again}},
        {"disarmed while gone", true,
         {{'R', 0, -1, "warn 0 "}, {'S', 0, -1, "silence "}, {'D', 1, -1, ""}, {'.', 1, -1, ""}}},
        {"disarmed while silent", true,
         Then({{'R', 1, 0.5f, "loop "}, {'S', 1, 0, "silence "}}, 7, {'D', 1, 0, ""})},
    };
    // clang-format on
    for (const auto& [name, wave, seconds] : cases) {
        SCOPED_TRACE(name);
        Output output;
        output.wave = wave;
        AlarmSound sound(output);
        for (int s = 0; s < static_cast<int>(seconds.size()); ++s) {
            const auto& [event, outputs, peak, calls] = seconds[s];
            const LocalTime now{2024, 3, 31, {7, 5, s}};
            output.at = &seconds[s];
            output.ended = event == 'E';
            output.revives = 0, output.calls.clear();
            event == 'R' ? sound.Ring(L"galo.wav", now) : event == 'S' ? sound.Stop() : void();
            const long long allocations = HeapAllocations();
            for (int tick = 0; tick < 20; ++tick) {
                sound.Tick(now);
            }
            EXPECT_EQ(HeapAllocations(), allocations);
            event == 'D' ? sound.DefaultChanged(now) : void();
            EXPECT_EQ(output.calls, calls) << "second " << s;
            EXPECT_LE(output.revives, 1) << "second " << s;
        }
    }
}

} // namespace
} // namespace acordina::alarm
