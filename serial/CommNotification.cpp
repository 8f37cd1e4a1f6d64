#include "serial/CommNotification.h"

#include <cstring>
#include <new>

bool CommNotificationQueue::Post(std::unique_ptr<CommNotification> notification) {
    if (!wake_) {
        return false;
    }
    bool wasEmpty = false;
    {
        std::lock_guard lock(mutex_);
        wasEmpty = queue_.empty();
        queue_.push_back(std::move(notification));
    }
    // One wake-up per turn to non-empty: the GUI side takes until the queue is empty, and a
    // notification queued after that finds it empty again and wakes it anew.
    if (wasEmpty) {
        wake_->Set();
    }
    return true;
}

void CommNotificationQueue::ClearWake() {
    if (wake_) {
        wake_->Reset();
    }
}

void CommNotificationQueue::Wake() {
    if (wake_) {
        wake_->Set();
    }
}

std::unique_ptr<CommNotification> CommNotificationQueue::Take() {
    std::lock_guard lock(mutex_);
    if (queue_.empty()) {
        return nullptr;
    }
    std::unique_ptr<CommNotification> front = std::move(queue_.front());
    queue_.pop_front();
    return front;
}

bool PostNotification(CommNotificationQueue* queue, CommNotification::Kind kind,
                      std::uint32_t bits) {
    try {
        auto notification = std::make_unique<CommNotification>();
        notification->kind = kind;
        notification->bits = bits;
        return queue->Post(std::move(notification));
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool PostReceivedData(CommNotificationQueue* queue, const char* data, std::uint16_t length) {
    try {
        auto notification = std::make_unique<CommNotification>();
        notification->kind = CommNotification::Kind::DataReceived;
        // Value-initialised, so the byte after the data is zero.
        notification->buffer = std::make_unique<char[]>(std::size_t{length} + 1);
        std::memcpy(notification->buffer.get(), data, length);
        notification->length = length;
        return queue->Post(std::move(notification));
    } catch (const std::bad_alloc&) {
        return false;
    }
}
