#include "support/AllocationCounter.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

// The library's array and nothrow forms call these; under the sanitizers they keep their
// own allocator, so every replaced new is paired with a replaced delete.
static std::atomic<std::size_t> allocations{0};
static std::atomic<std::size_t> largestAllowed{SIZE_MAX};

std::size_t HeapAllocationCount() {
    return allocations.load();
}

void LimitAllocationSize(std::size_t bytes) {
    largestAllowed = bytes;
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    ++allocations;
    return size > largestAllowed ? nullptr : std::malloc(size == 0 ? 1 : size);
}
void* operator new(std::size_t size) {
    void* p = operator new(size, std::nothrow);
    return p != nullptr ? p : throw std::bad_alloc{};
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
