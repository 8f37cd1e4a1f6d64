#pragma once
// What a TComm holds behind its interface: the property values, the open device and the
// two workers with the event that stops them.

#include <atomic>

#include <memory>
#include "serial/CommNotification.h"

#include "platform/Event.h"
#include "platform/SerialDevice.h"
#include "serial/CommNotification.h"
#include "serial/CommProperties.h"
#include "serial/ReadThread.h"
#include "serial/TComm.h"
#include "serial/WriteThread.h"

struct TComm::State {
    CommProperties properties;
    // The port is open exactly while device is set.
    std::unique_ptr<platform::SerialDevice> device;
    std::unique_ptr<platform::Event> closeEvent;
    std::unique_ptr<ReadThread> reader;
    std::unique_ptr<WriteThread> writer;
    // True when the writer has nothing left to send; written by the GUI thread and the
    // writer, hence atomic.
    std::atomic<bool> sendQueueEmpty{true};
    // What the workers tell the GUI thread; exists as long as the component.
    std::unique_ptr<CommNotificationQueue> notifications;
};
