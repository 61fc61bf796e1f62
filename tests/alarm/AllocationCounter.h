#pragma once
// Counts calls of the global operator new, which this program replaces.

namespace acordina::alarm {

long long HeapAllocations();

} // namespace acordina::alarm
