#pragma once
// One open serial device on a POSIX system: opened exclusively, configured through
// termios, read and written without blocking the caller beyond what is asked, and always
// waiting together with a stop event so that a worker can be told to finish at once.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/Event.h"
#include "platform/SerialLineEvents.h"
#include "platform/SerialLineSettings.h"

namespace platform {

// Why an open attempt failed, in the order the checks are made.
enum class OpenError {
    None,
    CannotOpen,          // absent, or already opened by someone
    NoPermission,        // the user may not open the device (not in its group, as a rule)
    NotCharacterDevice,  // a regular file, a directory...
    NotTerminal,         // a character device without line settings, such as /dev/null
};

// Read time-outs, in milliseconds; 0 switches a limit off. A read waits for its first
// byte until the total limit (multiplier per byte asked for plus constant) and then ends
// when no byte follows within the interval, when the buffer is full, or at the total
// limit. Writes have no time-out here: a write always goes on until every byte is out or
// the stop event is set, so the two write values are kept for the caller only.
struct Timeouts {
    std::uint32_t readInterval = 0;
    std::uint32_t readTotalMultiplier = 0;
    std::uint32_t readTotalConstant = 0;
    std::uint32_t writeTotalMultiplier = 0;
    std::uint32_t writeTotalConstant = 0;
};

enum class IoStatus {
    Done,
    Stopped,        // the stop event was set
    Gone,           // the device hung up or vanished (EIO, POLLHUP, end of file)
    InvalidHandle,  // the descriptor is no longer valid
    Failed,         // any other error
};

struct ReadResult {
    IoStatus status = IoStatus::Failed;
    std::size_t count = 0;
};

// Modem status bits returned by ModemStatus().
inline constexpr std::uint32_t kModemStatusCts = 0x10;
inline constexpr std::uint32_t kModemStatusDsr = 0x20;
inline constexpr std::uint32_t kModemStatusRing = 0x40;
inline constexpr std::uint32_t kModemStatusCarrier = 0x80;

// How a failed open(2) of the device is reported, from its errno.
OpenError OpenErrorForErrno(int error);

class SerialDevice {
  public:
    // A name containing '/' is a path; any other name is a device under /dev/.
    static std::string PathForName(const std::string& name);
    // Returns null and sets error when the device cannot be had.
    static std::unique_ptr<SerialDevice> Open(const std::string& name, OpenError& error);

    ~SerialDevice();
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    // Returns false when the device refused part of the settings.
    bool ApplyLineSettings(const LineSettings& settings);
    // Takes effect from the next Read.
    void SetTimeouts(const Timeouts& timeouts);
    Timeouts GetTimeouts() const;

    void PurgeReceive();
    void PurgeTransmit();
    // The kModemStatus bits, or 0 when the device cannot tell.
    std::uint32_t ModemStatus() const;

    // Fills buffer under the time-out rules; line errors and modem changes seen meanwhile
    // are handed to onLineEvents. Reader thread only.
    ReadResult Read(char* buffer, std::size_t capacity, const Event& stop,
                    const std::function<void(const LineEvents&)>& onLineEvents);
    // Writes every byte, advancing over partial writes. Writer thread only.
    IoStatus Write(const char* data, std::size_t count, const Event& stop);

  private:
    explicit SerialDevice(int fd);
    void ReportLineEvents(const std::function<void(const LineEvents&)>& onLineEvents);

    const int fd_;
    mutable std::mutex timeoutsMutex_;
    Timeouts timeouts_;
    std::atomic<bool> discardNulls_{false};
    // Set when the driver keeps line counters; only the reader reads them afterwards.
    bool countersSupported_ = false;
    LineCounters lastCounters_{};
};

}  // namespace platform
