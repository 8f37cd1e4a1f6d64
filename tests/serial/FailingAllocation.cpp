#include "tests/serial/FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {

// Per thread, so that other threads allocate as usual. -1: nothing armed.
thread_local int allocationsLeft = -1;
thread_local bool fired = false;

void* Allocate(std::size_t size) {
    if (allocationsLeft == 0) {
        allocationsLeft = -1;
        fired = true;
        throw std::bad_alloc();
    }
    if (allocationsLeft > 0) {
        --allocationsLeft;
    }
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

}  // namespace

ScopedAllocationFailure::ScopedAllocationFailure(int allocationsToLetThrough) {
    fired = false;
    allocationsLeft = allocationsToLetThrough;
}

ScopedAllocationFailure::~ScopedAllocationFailure() {
    allocationsLeft = -1;
}

bool ScopedAllocationFailure::Fired() const {
    return fired;
}

void* operator new(std::size_t size) {
    return Allocate(size);
}

void* operator new[](std::size_t size) {
    return Allocate(size);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete[](void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
