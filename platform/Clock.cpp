#include "platform/Clock.h"

#include <atomic>
#include <chrono>
#include <numeric>
#include <thread>

namespace platform {
namespace {

class SteadyClock : public Clock {
  public:
    std::uint32_t tickMs() override {
        const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count());
    }
    void sleepMs(std::uint32_t ms) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
};

SteadyClock steadyClock;
std::atomic<Clock*> activeClock{&steadyClock};

}  // namespace

std::uint32_t GetTickCount() {
    return activeClock.load()->tickMs();
}

void Sleep(std::uint32_t ms) {
    activeClock.load()->sleepMs(ms);
}

std::uint32_t VirtualClock::tickMs() {
    std::lock_guard lock(mutex_);
    return now_;
}

void VirtualClock::sleepMs(std::uint32_t ms) {
    std::lock_guard lock(mutex_);
    sleeps_.push_back(ms);
    now_ += ms;
}

void VirtualClock::advance(std::uint32_t ms) {
    std::lock_guard lock(mutex_);
    now_ += ms;
}

std::vector<std::uint32_t> VirtualClock::sleeps() const {
    std::lock_guard lock(mutex_);
    return sleeps_;
}

std::uint32_t VirtualClock::totalSleptMs() const {
    std::lock_guard lock(mutex_);
    return std::accumulate(sleeps_.begin(), sleeps_.end(), std::uint32_t{0});
}

void VirtualClock::clearSleeps() {
    std::lock_guard lock(mutex_);
    sleeps_.clear();
}

ScopedClockOverride::ScopedClockOverride(Clock& clock) {
    activeClock.store(&clock);
}

ScopedClockOverride::~ScopedClockOverride() {
    activeClock.store(&steadyClock);
}

}  // namespace platform
