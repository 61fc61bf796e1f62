// Three simulated nights of the engine and the alarm sound: both timers every 100 ms, frozen spells
// of 0.1 to 120 s, the clock set back and forward, a daylight-saving change, arming, disarming and
// sound starts failing at random; every check weighed against what a wall clock shows.
// ACORDINA_SOAK_NIGHTS and ACORDINA_SOAK_SEED make longer or other runs.
#include "AllocationCounter.h"
#include "ArmedAlarm.h"
#include "alarm/AlarmSound.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace acordina::alarm {
namespace {

constexpr std::int64_t kDay = 86400;

std::int64_t EnvOr(const char* name, std::int64_t fallback) {
    const char* v = std::getenv(name);
    return v ? std::atoll(v) : fallback;
}

LocalTime At(std::int64_t local) {
    const std::chrono::year_month_day d{std::chrono::sys_days{std::chrono::days{local / kDay}}};
    const int s = static_cast<int>(local % kDay), m = int(unsigned(d.month()));
    return {int(d.year()), m, int(unsigned(d.day())), {s / 3600, s / 60 % 60, s % 60}};
}

// Plays as told; fails every start while the output is gone, and some at random.
struct FlakyOutput final : SoundOutput {
    explicit FlakyOutput(std::mt19937_64& r) : rng(r) {}
    // The chosen file fails when no WAV or not started; a firing's first failure is warned of.
    bool IsWave(const std::wstring&) override { return fileGood || !(firstFailed = true); }
    bool Loop(const std::wstring&) override { return Start() || !(firstFailed = true); }
    bool LoopReserve() override { return Start(); }
    bool Revive(const std::wstring&, bool) override { return false; }
    void Silence() override { playing = false; }
    void Warn(bool) override { ++warnings; }
    // A refused start stands for a missing output here.
    std::uint32_t Outputs() override { return 1; }
    std::optional<float> Peak() override { return std::nullopt; }
    bool Start() {
        ++tries;
        triedAt = now;
        playing = !gone && chance(rng) < 0.8;
        return playing;
    }
    std::mt19937_64& rng;
    std::uniform_real_distribution<double> chance{0.0, 1.0};
    bool fileGood = true, gone = false, playing = false, firstFailed = false;
    std::int64_t now = 0, triedAt = -1;
    int tries = 0, warnings = 0;
};

// Counts what the engine calls: each pre-alert by its minutes (0: the wake-up's balloon).
struct Counts {
    std::array<int, 16> avisa{};
    int tocar = 0, naoTocou = 0;
};
struct Counted final : AlarmActions, Counts {
    Counted(FlakyOutput& o, AlarmSound& s) : output(o), sound(s) {}
    void Avisa(std::uint8_t n) override { ++avisa[n]; }
    void Tocar() override {
        ++tocar;
        output.warnings = 0;
        output.firstFailed = false;
        sound.Ring(path, At(output.now));
    }
    void DesligarWindows() override {}
    void AvisaNaoTocou(TimeOfDay) override { ++naoTocou; }
    FlakyOutput& output;
    AlarmSound& sound;
    std::wstring path = L"C:\\Acordina\\galo-que-canta-alto.wav";
};

TEST(Soak, ThreeNightsOfTicksGapsClockChangesAndFailingSoundsKeepEveryPromise) {
    const auto seed = static_cast<std::uint64_t>(EnvOr("ACORDINA_SOAK_SEED", 20261207));
    const std::int64_t nights = EnvOr("ACORDINA_SOAK_NIGHTS", 3);
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    FlakyOutput output{rng};
    AlarmSound sound(output);
    Counted actions{output, sound};
    sound.Ring(actions.path, At(0)); // the path's storage, once
    sound.Stop();
    AlarmEngine engine;
    Module1 m = ArmedFor(7, 5, Off);

    std::int64_t trueMs = 0, offset = 19 * 3600, shown = offset - 1, ticks = 0;
    const std::int64_t end = nights * kDay * 1000;
    bool dstDone = false, shouldRing = false;
    // The second of the day of the wake-up, then of each pre-alert, as armed.
    std::array<std::int64_t, 1 + kPreAlertas.size()> targets{};
#define SOAK_CHECK(condition)                                                                      \
    ASSERT_TRUE(condition) << "seed " << seed << ", at " << trueMs << " ms: " #condition
    const auto started = std::chrono::steady_clock::now();
    while (trueMs < end) {
        // A frozen spell now and then, otherwise the next tick.
        trueMs += chance(rng) < 1e-4 ? 100 + static_cast<std::int64_t>(chance(rng) * 119900) : 100;
        if (chance(rng) < 2e-6) { // the clock set back or forward by up to two hours
            offset += static_cast<std::int64_t>((chance(rng) - 0.5) * 4 * 3600);
        } else if (!dstDone && trueMs > kDay * 1000 + 3 * 3600'000) {
            offset += 3600;
            dstDone = true;
        }
        const std::int64_t now = trueMs / 1000 + offset;
        if (chance(rng) < (shouldRing ? 2e-3 : 3e-5)) { // armed or disarmed, by a click
            if (m.blnLigado) {
                m.blnLigado = shouldRing = false;
                sound.Stop();
            } else {
                // For a time within the next three hours, so that most armings fire.
                std::uniform_int_distribution<int> ahead(0, 3 * 60), on(0, 255);
                const int at = static_cast<int>(now / 60 % 1440) + ahead(rng);
                m = ArmedFor(at / 60 % 24, at % 60, static_cast<unsigned>(on(rng) | S));
                targets[0] = at % 1440 * 60;
                for (std::size_t i = 0; i < kPreAlertas.size(); ++i) {
                    targets[i + 1] = (targets[0] - kPreAlertas[i].minutes * 60 + kDay) % kDay;
                }
                output.fileGood = chance(rng) < 0.7;
                engine.Armar(At(now));
                shown = now - 1;
            }
        }
        output.gone = chance(rng) < 1e-5 ? !output.gone : output.gone;
        output.now = now;
        // A wall clock's targets reached since the last reading (set back: from where it stands).
        const std::int64_t from = now < shown ? now - 1 : shown;
        const auto reached = [&](std::int64_t at) {
            return from < now && ((at - from - 1) % kDay + kDay) % kDay < now - from;
        };
        const bool shortStall = now - from <= 60; // a stall of a minute at most rings late
        const Counts before = actions;
        const long long allocations = HeapAllocations();
        for (int timer = 0; timer < 2; ++timer) {
            engine.Verificar(m, At(now), actions);
            sound.Tick(At(now));
        }
        SOAK_CHECK(HeapAllocations() == allocations);
        ++ticks;
        shown = now;

        const bool due = m.blnLigado && reached(targets[0]);
        const bool rings = due && (shortStall || now % kDay == targets[0]);
        SOAK_CHECK(actions.tocar - before.tocar == (rings ? 1 : 0));
        SOAK_CHECK(actions.avisa[0] - before.avisa[0] == (rings && m.blnDespVisual ? 1 : 0));
        SOAK_CHECK(actions.naoTocou - before.naoTocou == (due && !rings ? 1 : 0));
        for (std::size_t i = 0; i < kPreAlertas.size(); ++i) {
            const PreAlerta& p = kPreAlertas[i];
            const int fired = actions.avisa[p.minutes] - before.avisa[p.minutes];
            SOAK_CHECK(fired <= 1);
            SOAK_CHECK(fired == 1 ||
                       !(m.blnLigado && m.*p.flag && reached(targets[i + 1]) && shortStall));
        }
        shouldRing = shouldRing || rings;
        // Ringing: playing, or tried this second; disarmed: silent. A failed chosen sound: one
        // warning.
        SOAK_CHECK(output.playing == (sound.Plays() != Playing::Nothing));
        SOAK_CHECK(sound.Ringing() == shouldRing);
        SOAK_CHECK(!shouldRing || output.playing || output.triedAt == now);
        SOAK_CHECK(shouldRing || !output.playing);
        SOAK_CHECK(output.warnings == (output.firstFailed ? 1 : 0));
    }
#undef SOAK_CHECK
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("soak: seed %llu, %lld nights, %lld ticks in %.2f s: %.0f ticks/s; %d firings, "
                "%d not rung, %d sound starts\n",
                static_cast<unsigned long long>(seed), static_cast<long long>(nights),
                static_cast<long long>(ticks), seconds, static_cast<double>(ticks) / seconds,
                actions.tocar, actions.naoTocou, output.tries);
}

} // namespace
} // namespace acordina::alarm
