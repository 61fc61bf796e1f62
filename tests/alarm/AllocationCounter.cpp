#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

static std::atomic<long long> allocations{0};

long long acordina::alarm::HeapAllocations() {
    return allocations.load(std::memory_order_relaxed);
}

// The array forms forward to these; the sized delete too, or the sanitizer's frees malloc's.
void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
