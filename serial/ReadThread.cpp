#include "serial/ReadThread.h"

#include "platform/SerialDevice.h"
#include "platform/ThreadPriority.h"
#include "serial/CommNotification.h"

ReadThread::ReadThread(platform::SerialDevice& device, const platform::Event& closeEvent,
                       CommNotificationQueue* notifyTarget)
    : device_(device),
      closeEvent_(closeEvent),
      notifyTarget_(notifyTarget),
      thread_([this] { Execute(); }) {}

void ReadThread::Execute() {
    // Incoming bytes must not wait behind the GUI thread's work.
    platform::RaiseCurrentThreadPriority(2);

    char buffer[kReadSize];
    bool postFailed = false;
    const auto onLineEvents = [this, &postFailed](const platform::LineEvents& events) {
        if (events.errorBits != 0 &&
            !PostNotification(notifyTarget_, CommNotification::Kind::LineError, events.errorBits)) {
            postFailed = true;
        }
        if (events.modemBits != 0 &&
            !PostNotification(notifyTarget_, CommNotification::Kind::ModemChange,
                              events.modemBits)) {
            postFailed = true;
        }
    };

    for (;;) {
        const platform::ReadResult result =
            device_.Read(buffer, sizeof buffer, closeEvent_, onLineEvents);
        if (postFailed) {
            PostNotification(notifyTarget_, CommNotification::Kind::HangupRequest);
            break;
        }
        if (result.status == platform::IoStatus::Done) {
            // A read that times out empty (only with total time-outs set) is simply renewed.
            if (result.count > 0 && !PostReceivedData(notifyTarget_, buffer,
                                                      static_cast<std::uint16_t>(result.count))) {
                PostNotification(notifyTarget_, CommNotification::Kind::HangupRequest);
                break;
            }
            continue;
        }
        // A close request and a descriptor already taken away end the reader quietly;
        // anything else means the link is lost and the owner should hang up.
        if (result.status != platform::IoStatus::Stopped &&
            result.status != platform::IoStatus::InvalidHandle) {
            PostNotification(notifyTarget_, CommNotification::Kind::HangupRequest);
        }
        break;
    }
    device_.PurgeReceive();
}
