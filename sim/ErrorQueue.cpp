#include "sim/ErrorQueue.h"

namespace sim {

void ErrorQueue::push(int code, std::string message) {
    if (entries_.size() >= kCapacity) {
        entries_.back() = {-350, "Queue overflow"};
        return;
    }
    entries_.push_back({code, std::move(message)});
}

ScpiError ErrorQueue::pop() {
    if (entries_.empty()) {
        return {0, "No error"};
    }
    ScpiError front = std::move(entries_.front());
    entries_.pop_front();
    return front;
}

}  // namespace sim
