#pragma once
// The reader: waits for bytes and line events on the device and hands each completed read
// to the component as a notification. It ends when the close event is set, or by itself
// when the device fails, asking the owner to hang up first.

#include "serial/WorkerThread.h"

class CommNotificationQueue;

namespace platform {
class Event;
class SerialDevice;
}  // namespace platform

class ReadThread {
  public:
    // The device and event must outlive the thread; notifications go to notifyTarget.
    // Throws std::system_error (or std::bad_alloc) when no thread can be had.
    ReadThread(platform::SerialDevice& device, const platform::Event& closeEvent,
               CommNotificationQueue* notifyTarget);
    ReadThread(const ReadThread&) = delete;
    ReadThread& operator=(const ReadThread&) = delete;

    // Lets the thread, created parked with the object, run.
    void Start() { thread_.Start(); }
    void Wait() { thread_.Wait(); }

    // Bytes asked for by each read.
    static constexpr int kReadSize = 2048;

  private:
    void Execute();

    platform::SerialDevice& device_;
    const platform::Event& closeEvent_;
    CommNotificationQueue* notifyTarget_;
    WorkerThread thread_;  // last: it is waited for before the rest goes
};
