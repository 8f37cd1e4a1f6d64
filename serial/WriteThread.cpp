#include "serial/WriteThread.h"

#include "platform/SerialDevice.h"
#include "platform/ThreadPriority.h"
#include "serial/CommNotification.h"

WriteThread::WriteThread(platform::SerialDevice& device, const platform::Event& closeEvent,
                         CommNotificationQueue* notifyTarget, std::unique_ptr<WriteQueue> queue,
                         std::atomic<bool>& sendQueueEmpty)
    : device_(device),
      closeEvent_(closeEvent),
      notifyTarget_(notifyTarget),
      queue_(std::move(queue)),
      sendQueueEmpty_(sendQueueEmpty),
      thread_([this] { Execute(); }) {}

bool WriteThread::Queue(WriteItem item) {
    return queue_->Post(std::move(item));
}

void WriteThread::Execute() {
    platform::RaiseCurrentThreadPriority(1);

    bool notify = true;
    for (;;) {
        WriteItem item;
        if (!queue_->TryTake(item)) {
            if (notify &&
                !PostNotification(notifyTarget_, CommNotification::Kind::SendQueueEmpty)) {
                PostNotification(notifyTarget_, CommNotification::Kind::HangupRequest);
                break;
            }
            notify = false;
            const int woken = platform::WaitForEither(closeEvent_, queue_->WakeEvent());
            if (woken == 0) {
                break;
            }
            if (woken < 0) {
                PostNotification(notifyTarget_, CommNotification::Kind::HangupRequest);
                break;
            }
            continue;
        }
        if (closeEvent_.IsSet()) {
            break;
        }
        const platform::IoStatus status = device_.Write(item.buffer.get(), item.count, closeEvent_);
        if (status != platform::IoStatus::Done) {
            if (status != platform::IoStatus::Stopped &&
                status != platform::IoStatus::InvalidHandle) {
                PostNotification(notifyTarget_, CommNotification::Kind::HangupRequest);
            }
            break;
        }
        notify = true;
    }
    device_.PurgeTransmit();
    // Bytes not yet handed to the driver are discarded with the queue.
    queue_->CloseAndDiscard();
    sendQueueEmpty_.store(true);
}
