#pragma once
// Makes one chosen allocation of the calling thread fail with std::bad_alloc, to show what
// code does when memory runs out at each of its allocations in turn. The program that
// links FailingAllocation.cpp replaces the global operator new to do this.

class ScopedAllocationFailure {
  public:
    // The allocation after `allocationsToLetThrough` successful ones fails, once.
    explicit ScopedAllocationFailure(int allocationsToLetThrough);
    ~ScopedAllocationFailure();
    ScopedAllocationFailure(const ScopedAllocationFailure&) = delete;
    ScopedAllocationFailure& operator=(const ScopedAllocationFailure&) = delete;

    // True once the chosen allocation has failed.
    bool Fired() const;
};
