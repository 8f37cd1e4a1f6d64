#include "sim/ErrorQueue.h"

#include "sim/ScpiErrors.h"

namespace sim {

void ErrorQueue::push(int code, std::string message) {
    if (entries_.size() >= kCapacity) {
        entries_.back() = {kQueueOverflow.code, kQueueOverflow.message};
        return;
    }
    entries_.push_back({code, std::move(message)});
}

ScpiError ErrorQueue::pop() {
    if (entries_.empty()) {
        return {kNoError.code, kNoError.message};
    }
    ScpiError front = std::move(entries_.front());
    entries_.pop_front();
    return front;
}

}  // namespace sim
