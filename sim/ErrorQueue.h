#pragma once
// The instrument's SCPI error queue: oldest first, bounded, with the standard overflow entry.

#include <deque>
#include <string>

namespace sim {

struct ScpiError {
    int code = 0;
    std::string message;
};

class ErrorQueue {
  public:
    static constexpr std::size_t kCapacity = 20;

    // A full queue keeps its oldest entries and turns its last into kQueueOverflow.
    void push(int code, std::string message);
    // The oldest entry, removed; kNoError when empty.
    ScpiError pop();
    void clear() { entries_.clear(); }
    std::size_t size() const { return entries_.size(); }

  private:
    std::deque<ScpiError> entries_;
};

}  // namespace sim
