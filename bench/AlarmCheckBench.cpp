// The alarm check runs 20 times a second all night: what one tick costs,
// and that it never touches the heap.

#include "AllocationCounter.h"
#include "alarm/AlarmCheck.h"
#include "alarm/ArmingTimes.h"

#include <benchmark/benchmark.h>

namespace acordina::alarm {
namespace {

class CountingActions final : public AlarmActions {
public:
    long long calls = 0;
    void Avisa(std::uint8_t) override { ++calls; }
    void Tocar() override { ++calls; }
    void DesligarWindows() override { ++calls; }
    void AvisaNaoTocou(TimeOfDay) override { ++calls; }
};

// Armed for 07:05 with every pre-alert and every wake-up action on.
Module1 ArmedWithEverything() {
    Module1 m;
    m.blnLigado = true;
    m.blnDespSom = m.blnDespVisual = m.blnDesligar = true;
    m.strHoraDespertar = HoraDespertar(7, 5);
    for (const PreAlerta& p : kPreAlertas) {
        m.*p.flag = true;
        m.*p.time = HoraPreAlerta(7, 5, p.minutes);
        m.*p.message = L"antes";
    }
    return m;
}

// Each iteration is one second's first tick: the engine fires what that second reached and
// tells whether a target is near, as the background window asks on every tick.
void RunTicks(benchmark::State& state, TimeOfDay now) {
    const Module1 m = ArmedWithEverything();
    const LocalTime at{2024, 3, 30, now};
    AlarmEngine engine;
    CountingActions actions;
    long long allocations = 0;
    for (auto _ : state) {
        engine.Armar(at);
        const long long before = HeapAllocations();
        engine.Verificar(m, at, actions);
        benchmark::DoNotOptimize(engine.Proximo(m, at));
        allocations += HeapAllocations() - before;
    }
    benchmark::DoNotOptimize(actions.calls);
    state.counters["allocs_per_tick"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
    state.counters["calls_per_tick"] =
        benchmark::Counter(static_cast<double>(actions.calls), benchmark::Counter::kAvgIterations);
}

// The common case all night: armed, nothing due.
void BM_TickNothingDue(benchmark::State& state) {
    RunTicks(state, {3, 0, 0});
}
BENCHMARK(BM_TickNothingDue);

void BM_TickWakeUpDue(benchmark::State& state) {
    RunTicks(state, {7, 5, 0});
}
BENCHMARK(BM_TickWakeUpDue);

} // namespace
} // namespace acordina::alarm
