#pragma once
// Millisecond tick count and blocking sleep. Every tick read and every blocking sleep of
// the program goes through here, so tests can swap in a virtual clock that advances
// instantly and records each sleep.

#include <cstdint>
#include <mutex>
#include <vector>

namespace platform {

// The source of time behind GetTickCount and Sleep.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::uint32_t tickMs() = 0;
    virtual void sleepMs(std::uint32_t ms) = 0;
};

// Milliseconds since an arbitrary start, wrapping at 2^32.
std::uint32_t GetTickCount();
// Blocks the calling thread for ms milliseconds.
void Sleep(std::uint32_t ms);

// A clock that never waits: Sleep advances its time at once and is recorded.
class VirtualClock : public Clock {
  public:
    explicit VirtualClock(std::uint32_t startMs = 0) : now_(startMs) {}
    std::uint32_t tickMs() override;
    void sleepMs(std::uint32_t ms) override;

    void advance(std::uint32_t ms);
    std::vector<std::uint32_t> sleeps() const;  // every sleep, in order
    std::uint32_t totalSleptMs() const;
    void clearSleeps();

  private:
    mutable std::mutex mutex_;
    std::uint32_t now_;
    std::vector<std::uint32_t> sleeps_;
};

// Replaces the clock for the lifetime of this object (tests only); not nestable.
class ScopedClockOverride {
  public:
    explicit ScopedClockOverride(Clock& clock);
    ~ScopedClockOverride();
    ScopedClockOverride(const ScopedClockOverride&) = delete;
    ScopedClockOverride& operator=(const ScopedClockOverride&) = delete;
};

}  // namespace platform
