// The alarm check runs 20 times a second all night: what a tick costs; it never uses the heap.

#include "AllocationCounter.h"
#include "ArmedAlarm.h"

#include <benchmark/benchmark.h>

namespace acordina::alarm {
namespace {

// Each iteration is one second's first tick, armed for 07:05 with everything on: the engine fires
// what that second reached and tells whether a target is near, as asked on every tick.
void RunTicks(benchmark::State& state, int hour) {
    const Module1 m = ArmedFor(7, 5, All);
    const LocalTime at{2024, 3, 30, {hour, 5, 0}};
    AlarmEngine engine;
    RecordingActions actions;
    const long long before = HeapAllocations();
    for (auto _ : state) {
        actions.calls.clear();
        engine.Armar(at);
        engine.Verificar(m, at, actions);
        benchmark::DoNotOptimize(engine.Proximo(m, at));
    }
    state.counters["allocs_per_tick"] = benchmark::Counter(
        static_cast<double>(HeapAllocations() - before), benchmark::Counter::kAvgIterations);
}
// The common case all night, armed with nothing due, and the wake-up's second.
BENCHMARK_CAPTURE(RunTicks, NothingDue, 3);
BENCHMARK_CAPTURE(RunTicks, WakeUpDue, 7);

} // namespace
} // namespace acordina::alarm
