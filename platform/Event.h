#pragma once
// A manual-reset event that poll() can wait on together with a device: once set it stays
// set until reset, and its descriptor reads as ready meanwhile.

#include <memory>

namespace platform {

class Event {
  public:
    // Returns null when the kernel cannot give one (descriptor limit reached).
    static std::unique_ptr<Event> Create();
    ~Event();
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    bool IsSet() const;
    int Descriptor() const { return fd_; }

  private:
    explicit Event(int fd) : fd_(fd) {}
    int fd_;
};

// Waits without limit until one of the two events is set. Returns 0 or 1 for the one that
// is set (the first when both are), or -1 when the wait itself failed.
int WaitForEither(const Event& first, const Event& second);

}  // namespace platform
