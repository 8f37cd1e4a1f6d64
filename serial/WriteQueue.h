#pragma once
// The writer's first-in first-out queue of hand-off buffers. Posting wakes the writer
// through an event it waits on together with the close event. The queue also keeps the
// "nothing left to send" flag exact: it is cleared by a post and set by a take that finds
// the queue empty, both under the queue's lock.

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

#include "platform/Event.h"

struct WriteItem {
    std::unique_ptr<char[]> buffer;  // count bytes and a zero byte
    std::uint16_t count = 0;
};

class WriteQueue {
  public:
    // Null when no wake event can be had.
    static std::unique_ptr<WriteQueue> Create(std::atomic<bool>& sendQueueEmpty);

    // False once the queue is closed; the item is then released.
    bool Post(WriteItem item);
    // Takes the oldest item; when there is none, sets the empty flag and returns false.
    bool TryTake(WriteItem& item);
    // Refuses further posts and releases every item still queued.
    void CloseAndDiscard();
    const platform::Event& WakeEvent() const { return *wake_; }

  private:
    WriteQueue(std::unique_ptr<platform::Event> wake, std::atomic<bool>& sendQueueEmpty);

    std::mutex mutex_;
    std::deque<WriteItem> items_;
    bool closed_ = false;
    std::unique_ptr<platform::Event> wake_;
    std::atomic<bool>& sendQueueEmpty_;
};
