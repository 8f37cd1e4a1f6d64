#pragma once
// The writer: takes buffers from its queue and transmits each in full. It tells the
// component when its queue runs dry (once at start, then after each run of writes), and
// ends when the close event is set or the device fails.

#include <atomic>
#include <memory>

#include "serial/WorkerThread.h"
#include "serial/WriteQueue.h"

class CommNotificationQueue;

namespace platform {
class Event;
class SerialDevice;
}  // namespace platform

class WriteThread {
  public:
    // The device, event and flag must outlive the thread. Throws std::system_error (or
    // std::bad_alloc) when no thread can be had.
    WriteThread(platform::SerialDevice& device, const platform::Event& closeEvent,
                CommNotificationQueue* notifyTarget, std::unique_ptr<WriteQueue> queue,
                std::atomic<bool>& sendQueueEmpty);
    WriteThread(const WriteThread&) = delete;
    WriteThread& operator=(const WriteThread&) = delete;

    // Lets the thread, created parked with the object, run.
    void Start() { thread_.Start(); }
    void Wait() { thread_.Wait(); }
    // False once the writer has ended.
    bool Queue(WriteItem item);

  private:
    void Execute();

    platform::SerialDevice& device_;
    const platform::Event& closeEvent_;
    CommNotificationQueue* notifyTarget_;
    std::unique_ptr<WriteQueue> queue_;
    std::atomic<bool>& sendQueueEmpty_;
    WorkerThread thread_;  // last: it is waited for before the rest goes
};
