#include "serial/TComm.h"

#include <QSocketNotifier>

#include <new>
#include <system_error>

#include "serial/CommNotification.h"
#include "serial/TCommState.h"

TComm::TComm(QObject* parent) : QObject(parent), state_(std::make_unique<State>()) {
    state_->notifications = std::make_unique<CommNotificationQueue>();
    // The notification target: the queue's wake descriptor, watched on this object's thread.
    // Without a descriptor there is no target, and StartComm refuses to open a port.
    if (state_->notifications->WakeDescriptor() >= 0) {
        wakeNotifier_ = std::make_unique<QSocketNotifier>(state_->notifications->WakeDescriptor(),
                                                          QSocketNotifier::Read);
        connect(wakeNotifier_.get(), &QSocketNotifier::activated, this, &TComm::DrainNotifications);
    }
}

TComm::~TComm() {
    // Workers still running would outlive the device and this object.
    StopComm();
    // The notifier goes before the descriptor it watches, which closes with the queue.
    wakeNotifier_.reset();
}

bool TComm::IsOpen() const {
    return state_->device != nullptr;
}

bool TComm::SendQueueEmpty() const {
    return state_->sendQueueEmpty.load();
}

void TComm::StartComm() {
    State& s = *state_;
    if (s.device) {
        throw ECommsError("This serial port already opened");
    }
    // Everything is built in these locals and handed to the component only once every step
    // succeeded; on any failure they close again in reverse order, so the component stays
    // closed. A step that runs out of memory fails with that step's message.
    const char* failure = "Error opening serial port";
    try {
        platform::OpenError openError = platform::OpenError::None;
        std::unique_ptr<platform::SerialDevice> device =
            platform::SerialDevice::Open(s.properties.commName, openError);
        switch (openError) {
            case platform::OpenError::None:
                break;
            case platform::OpenError::CannotOpen:
                throw ECommsError("Error opening serial port");
            case platform::OpenError::NoPermission:
                throw ECommsError("Error opening serial port", kPortAccessHint);
            case platform::OpenError::NotCharacterDevice:
                throw ECommsError("File handle is not a comm handle ");
            case platform::OpenError::NotTerminal:
                throw ECommsError("Cannot setup comm buffer");
        }

        failure = "Cannot setup comm buffer";
        device->PurgeReceive();
        device->PurgeTransmit();
        s.sendQueueEmpty.store(true);
        device->SetTimeouts(ToTimeouts(s.properties));
        device->ApplyLineSettings(ToLineSettings(s.properties));

        failure = "Unable to create event";
        std::unique_ptr<platform::Event> closeEvent = platform::Event::Create();
        // A port whose notifications could never reach this thread is not opened either.
        if (!closeEvent || s.notifications->WakeDescriptor() < 0) {
            throw ECommsError(failure);
        }

        // Both workers exist, parked, before either runs: a writer that cannot be had never
        // lets the reader deliver bytes from a port that then failed to open.
        failure = "Unable to create read thread";
        std::unique_ptr<ReadThread> reader;
        try {
            reader = std::make_unique<ReadThread>(*device, *closeEvent, s.notifications.get());
        } catch (const std::system_error&) {
            throw ECommsError(failure);
        }

        failure = "Unable to create write thread";
        std::unique_ptr<WriteQueue> queue = WriteQueue::Create(s.sendQueueEmpty);
        if (!queue) {
            throw ECommsError(failure);
        }
        std::unique_ptr<WriteThread> writer;
        try {
            writer = std::make_unique<WriteThread>(*device, *closeEvent, s.notifications.get(),
                                                   std::move(queue), s.sendQueueEmpty);
        } catch (const std::system_error&) {
            throw ECommsError(failure);
        }

        s.device = std::move(device);
        s.closeEvent = std::move(closeEvent);
        s.reader = std::move(reader);
        s.writer = std::move(writer);
    } catch (const std::bad_alloc&) {
        throw ECommsError(failure);
    }
    s.reader->Start();
    s.writer->Start();
}

void TComm::StopComm() {
    State& s = *state_;
    if (!s.device) {
        return;
    }
    StopWorkers();
    s.closeEvent.reset();
    s.device.reset();
}

void TComm::StopWorkers() {
    State& s = *state_;
    // The close event stays set; every wait of both workers includes it, so they end
    // promptly and waiting for them cannot hang.
    if (s.reader) {
        s.closeEvent->Set();
        s.device->PurgeReceive();
        s.reader->Wait();
        s.reader.reset();
    }
    if (s.writer) {
        s.closeEvent->Set();
        s.device->PurgeTransmit();
        s.sendQueueEmpty.store(true);
        s.writer->Wait();
        s.writer.reset();
    }
}

bool TComm::WriteCommData(const char* buffer, std::uint16_t count) {
    State& s = *state_;
    if (!s.writer || count == 0) {
        return false;
    }
    WriteItem item;
    try {
        item.buffer = std::make_unique<char[]>(std::size_t{count} + 1);
    } catch (const std::bad_alloc&) {
        return false;
    }
    std::copy(buffer, buffer + count, item.buffer.get());
    item.count = count;
    // From here the writer owns the buffer (or the queue releases it if the writer ended).
    return s.writer->Queue(std::move(item));
}

std::uint32_t TComm::GetModemState() {
    return state_->device ? state_->device->ModemStatus() : 0;
}

void TComm::DrainNotifications() {
    CommNotificationQueue& queue = *state_->notifications;
    queue.ClearWake();
    while (std::unique_ptr<CommNotification> notification = queue.Take()) {
        // The buffer belongs to the notification and is released after the event returns.
        try {
            CommWndProc(*notification);
        } catch (...) {
            // A handler's error ends that handler only. It goes on to the application, which
            // shows errors escaping an event; the notifications behind it are raised in the
            // next round, for which the wake is set again: a post to a queue that is not
            // empty does not set it.
            queue.Wake();
            throw;
        }
    }
}

void TComm::CommWndProc(const CommNotification& notification) {
    switch (notification.kind) {
        case CommNotification::Kind::DataReceived:
            if (OnReceiveData) {
                OnReceiveData(this, notification.buffer.get(), notification.length);
            }
            break;
        case CommNotification::Kind::LineError:
            if (OnReceiveError) {
                OnReceiveError(this, notification.bits);
            }
            break;
        case CommNotification::Kind::HangupRequest:
            if (OnRequestHangup) {
                OnRequestHangup(this);
            }
            break;
        case CommNotification::Kind::ModemChange:
            if (OnModemStateChange) {
                OnModemStateChange(this, notification.bits);
            }
            break;
        case CommNotification::Kind::SendQueueEmpty:
            if (OnSendDataEmpty) {
                OnSendDataEmpty(this);
            }
            break;
    }
}

void TComm::ApplyLineSettings() {
    if (state_->device) {
        // Failures are not reported: the line keeps what the driver accepted.
        state_->device->ApplyLineSettings(ToLineSettings(state_->properties));
    }
}

void TComm::ApplyTimeouts() {
    if (state_->device) {
        state_->device->SetTimeouts(ToTimeouts(state_->properties));
    }
}
