#include "serial/WriteQueue.h"

std::unique_ptr<WriteQueue> WriteQueue::Create(std::atomic<bool>& sendQueueEmpty) {
    auto wake = platform::Event::Create();
    if (!wake) {
        return nullptr;
    }
    return std::unique_ptr<WriteQueue>(new WriteQueue(std::move(wake), sendQueueEmpty));
}

WriteQueue::WriteQueue(std::unique_ptr<platform::Event> wake, std::atomic<bool>& sendQueueEmpty)
    : wake_(std::move(wake)), sendQueueEmpty_(sendQueueEmpty) {}

bool WriteQueue::Post(WriteItem item) {
    std::lock_guard lock(mutex_);
    if (closed_) {
        return false;
    }
    items_.push_back(std::move(item));
    sendQueueEmpty_.store(false);
    wake_->Set();
    return true;
}

bool WriteQueue::TryTake(WriteItem& item) {
    std::lock_guard lock(mutex_);
    if (items_.empty()) {
        // Reset under the lock: a post after this sets it again, so no wake-up is lost.
        wake_->Reset();
        sendQueueEmpty_.store(true);
        return false;
    }
    item = std::move(items_.front());
    items_.pop_front();
    return true;
}

void WriteQueue::CloseAndDiscard() {
    std::deque<WriteItem> discarded;
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        discarded.swap(items_);
        sendQueueEmpty_.store(true);
    }
}
