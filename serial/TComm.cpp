#include "serial/TComm.h"

#include <QSocketNotifier>

#include <new>
#include <system_error>

#include "serial/CommNotification.h"
#include "serial/TCommState.h"

TComm::TComm(QObject* parent) : QObject(parent), state_(std::make_unique<State>()) {
    state_->notifications = std::make_unique<CommNotificationQueue>();
    // The notification target: the queue's wake descriptor, watched on this object's thread.
    if (state_->notifications->WakeDescriptor() >= 0) {
        auto* wake = new QSocketNotifier(state_->notifications->WakeDescriptor(),
                                         QSocketNotifier::Read, this);
        connect(wake, &QSocketNotifier::activated, this, &TComm::DrainNotifications);
    }
}

TComm::~TComm() {
    // Workers still running would outlive the device and this object.
    StopComm();
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
    platform::OpenError openError = platform::OpenError::None;
    auto device = platform::SerialDevice::Open(s.properties.commName, openError);
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

    s.device = std::move(device);
    s.device->PurgeReceive();
    s.device->PurgeTransmit();
    s.sendQueueEmpty.store(true);
    ApplyTimeouts();
    ApplyLineSettings();

    s.closeEvent = platform::Event::Create();
    if (!s.closeEvent) {
        s.device.reset();
        throw ECommsError("Unable to create event");
    }

    auto reader = std::make_unique<ReadThread>(*s.device, *s.closeEvent, s.notifications.get());
    try {
        reader->Start();
    } catch (const std::system_error&) {
        s.closeEvent.reset();
        s.device.reset();
        throw ECommsError("Unable to create read thread");
    }
    s.reader = std::move(reader);

    std::unique_ptr<WriteThread> writer;
    try {
        auto queue = WriteQueue::Create(s.sendQueueEmpty);
        if (queue) {
            writer = std::make_unique<WriteThread>(*s.device, *s.closeEvent, s.notifications.get(),
                                                   std::move(queue), s.sendQueueEmpty);
            writer->Start();
        }
    } catch (const std::system_error&) {
        writer.reset();
    }
    if (!writer) {
        StopWorkers();
        s.closeEvent.reset();
        s.device.reset();
        throw ECommsError("Unable to create write thread");
    }
    s.writer = std::move(writer);
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
    state_->notifications->ClearWake();
    while (std::unique_ptr<CommNotification> notification = state_->notifications->Take()) {
        // The buffer belongs to the notification and is released after the event returns.
        CommWndProc(*notification);
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
