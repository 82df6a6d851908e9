#include "support/AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

// Every non-aligned form is replaced so that memory always goes back to the allocator
// that handed it out, which the sanitizers check.
namespace {
std::atomic<std::size_t> allocations{0};
} // namespace

std::size_t HeapAllocationCount() {
    return allocations.load();
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new(std::size_t size) {
    void* p = operator new(size, std::nothrow);
    return p != nullptr ? p : throw std::bad_alloc{};
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return operator new(size, std::nothrow);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
