#pragma once
// What a worker tells the component: carried as an event posted to the component, so that
// all notifications of one component share the GUI thread's first-in first-out queue.

#include <QEvent>

#include <cstdint>
#include <memory>

class QObject;

class CommNotification : public QEvent {
  public:
    enum class Kind {
        DataReceived = 1,
        LineError = 2,
        HangupRequest = 3,
        ModemChange = 4,
        SendQueueEmpty = 5,
    };

    // The event type all notifications carry, registered once.
    static QEvent::Type EventType();

    // Received bytes: buffer holds length bytes and one zero byte after them.
    CommNotification(std::unique_ptr<char[]> buffer, std::uint16_t length);
    // Any other kind, with its bits (line-error or modem-event bits, else 0).
    CommNotification(Kind kind, std::uint32_t bits);

    Kind kind() const { return kind_; }
    std::uint32_t bits() const { return bits_; }
    const char* buffer() const { return buffer_.get(); }
    std::uint16_t length() const { return length_; }

  private:
    Kind kind_;
    std::uint32_t bits_ = 0;
    std::unique_ptr<char[]> buffer_;
    std::uint16_t length_ = 0;
};

// Posts a notification to target from any thread; false when it could not be queued.
bool PostNotification(QObject* target, CommNotification::Kind kind, std::uint32_t bits = 0);
// Copies length bytes into a zero-terminated hand-off buffer and posts it.
bool PostReceivedData(QObject* target, const char* data, std::uint16_t length);
