#include "serial/CommNotification.h"

#include <QCoreApplication>

#include <cstring>
#include <new>

QEvent::Type CommNotification::EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

CommNotification::CommNotification(std::unique_ptr<char[]> buffer, std::uint16_t length)
    : QEvent(EventType()), kind_(Kind::DataReceived), buffer_(std::move(buffer)), length_(length) {}

CommNotification::CommNotification(Kind kind, std::uint32_t bits)
    : QEvent(EventType()), kind_(kind), bits_(bits) {}

bool PostNotification(QObject* target, CommNotification::Kind kind, std::uint32_t bits) {
    try {
        auto notification = std::make_unique<CommNotification>(kind, bits);
        // The event queue takes ownership.
        QCoreApplication::postEvent(target, notification.release());
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool PostReceivedData(QObject* target, const char* data, std::uint16_t length) {
    try {
        // Value-initialised, so the byte after the data is zero.
        auto buffer = std::make_unique<char[]>(std::size_t{length} + 1);
        std::memcpy(buffer.get(), data, length);
        auto notification = std::make_unique<CommNotification>(std::move(buffer), length);
        QCoreApplication::postEvent(target, notification.release());
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
