#pragma once
// What a worker tells the component, and the one first-in first-out queue per component
// that carries it to the GUI thread. The queue is ours, guarded by our own mutex, and the
// GUI thread is woken through an event descriptor it watches, so nothing crosses between
// the threads through the toolkit's own locking.

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

#include "platform/Event.h"

struct CommNotification {
    enum class Kind {
        DataReceived = 1,
        LineError = 2,
        HangupRequest = 3,
        ModemChange = 4,
        SendQueueEmpty = 5,
    };

    Kind kind = Kind::HangupRequest;
    std::uint32_t bits = 0;          // line-error or modem-event bits, else 0
    std::unique_ptr<char[]> buffer;  // received bytes and one zero byte after them
    std::uint16_t length = 0;
};

class CommNotificationQueue {
  public:
    CommNotificationQueue() : wake_(platform::Event::Create()) {}

    // Readable while notifications may be waiting (-1 when no descriptor could be had, and
    // then nothing can be posted). The GUI thread watches it, calls ClearWake() and then
    // takes until the queue is empty.
    int WakeDescriptor() const { return wake_ ? wake_->Descriptor() : -1; }
    void ClearWake();
    // Wakes the GUI thread again although the queue may not have turned non-empty: for a
    // round of taking that ends before the queue is empty.
    void Wake();

    // From any thread; false when the notification could not be queued.
    bool Post(std::unique_ptr<CommNotification> notification);
    // The oldest notification, or null when none is waiting.
    std::unique_ptr<CommNotification> Take();

  private:
    std::unique_ptr<platform::Event> wake_;
    std::mutex mutex_;
    std::deque<std::unique_ptr<CommNotification>> queue_;
};

// Queues a notification of a kind without data; false when it could not be queued.
bool PostNotification(CommNotificationQueue* queue, CommNotification::Kind kind,
                      std::uint32_t bits = 0);
// Copies length bytes into a zero-terminated hand-off buffer and queues it.
bool PostReceivedData(CommNotificationQueue* queue, const char* data, std::uint16_t length);
