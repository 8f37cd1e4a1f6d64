#pragma once
// TComm owns one serial port: it opens the device exclusively, applies the line settings
// and time-outs held in its properties, and runs a reader and a writer thread. What the
// workers learn reaches the GUI thread as queued notifications, where the events below are
// raised in the order the workers posted them.

#include <QObject>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "serial/CommEnums.h"

class QSocketNotifier;
class TComm;

// The only error the component raises: StartComm failing, with one of seven messages
// (what()) and, where the operator can do something about the cause, a hint to show below.
class ECommsError : public std::runtime_error {
  public:
    explicit ECommsError(const std::string& message, std::string hint = {})
        : std::runtime_error(message), hint_(std::move(hint)) {}
    const std::string& Hint() const { return hint_; }

  private:
    std::string hint_;
};

// The hint of an open refused for lack of permission.
inline constexpr const char* kPortAccessHint =
    "You may not open this port: add your user to the dialout group "
    "(sudo usermod -aG dialout $USER), then log out and in again.";

// Events, raised on the GUI thread. Buffer is followed by one zero byte and is valid only
// during the call.
using TReceiveDataEvent =
    std::function<void(TComm* Sender, const char* Buffer, std::uint16_t BufferLength)>;
using TReceiveErrorEvent = std::function<void(TComm* Sender, std::uint32_t EventMask)>;
using TModemStateChangeEvent = std::function<void(TComm* Sender, std::uint32_t ModemEvent)>;
using TNotifyEvent = std::function<void(TComm* Sender)>;
using TSendDataEmptyEvent = std::function<void(TComm* Sender)>;

class TComm : public QObject {
    Q_OBJECT

  public:
    explicit TComm(QObject* parent = nullptr);
    ~TComm() override;

    void StartComm();  // throws ECommsError; after a failure the component is closed
    void StopComm();   // nothing when closed
    bool WriteCommData(const char* buffer, std::uint16_t count);
    std::uint32_t GetModemState();
    bool IsOpen() const;
    // True when the writer has nothing left to send (also while the port is closed).
    bool SendQueueEmpty() const;

    // Published properties: getter Name(), setter SetName(value). Setters do nothing for an
    // unchanged value and re-apply the line settings or time-outs while the port is open;
    // CommName and Parity are stored only.
    const std::string& CommName() const;
    void SetCommName(const std::string& name);
    std::uint32_t BaudRate() const;
    void SetBaudRate(std::uint32_t value);
    bool ParityCheck() const;
    void SetParityCheck(bool value);
    bool Outx_CtsFlow() const;
    void SetOutx_CtsFlow(bool value);
    bool Outx_DsrFlow() const;
    void SetOutx_DsrFlow(bool value);
    TDtrControl DtrControl() const;
    void SetDtrControl(TDtrControl value);
    bool DsrSensitivity() const;
    void SetDsrSensitivity(bool value);
    bool TxContinueOnXoff() const;
    void SetTxContinueOnXoff(bool value);
    bool Outx_XonXoffFlow() const;
    void SetOutx_XonXoffFlow(bool value);
    bool Inx_XonXoffFlow() const;
    void SetInx_XonXoffFlow(bool value);
    bool ReplaceWhenParityError() const;
    void SetReplaceWhenParityError(bool value);
    bool IgnoreNullChar() const;
    void SetIgnoreNullChar(bool value);
    TRtsControl RtsControl() const;
    void SetRtsControl(TRtsControl value);
    std::uint16_t XonLimit() const;
    void SetXonLimit(std::uint16_t value);
    std::uint16_t XoffLimit() const;
    void SetXoffLimit(std::uint16_t value);
    TByteSize ByteSize() const;
    void SetByteSize(TByteSize value);
    TParity Parity() const;
    void SetParity(TParity value);
    TStopBits StopBits() const;
    void SetStopBits(TStopBits value);
    char XonChar() const;
    void SetXonChar(char value);
    char XoffChar() const;
    void SetXoffChar(char value);
    char ReplacedChar() const;
    void SetReplacedChar(char value);
    std::uint32_t ReadIntervalTimeout() const;
    void SetReadIntervalTimeout(std::uint32_t value);
    std::uint32_t ReadTotalTimeoutMultiplier() const;
    void SetReadTotalTimeoutMultiplier(std::uint32_t value);
    std::uint32_t ReadTotalTimeoutConstant() const;
    void SetReadTotalTimeoutConstant(std::uint32_t value);
    std::uint32_t WriteTotalTimeoutMultiplier() const;
    void SetWriteTotalTimeoutMultiplier(std::uint32_t value);
    std::uint32_t WriteTotalTimeoutConstant() const;
    void SetWriteTotalTimeoutConstant(std::uint32_t value);

    // Event properties: bind by assignment; an empty function means no handler.
    TReceiveDataEvent OnReceiveData;
    TReceiveErrorEvent OnReceiveError;
    TModemStateChangeEvent OnModemStateChange;
    TNotifyEvent OnRequestHangup;
    TSendDataEmptyEvent OnSendDataEmpty;

  private:
    struct State;

    // The workers' notifications, raised as events in the order they were posted.
    void DrainNotifications();
    void CommWndProc(const struct CommNotification& notification);
    void ApplyLineSettings();
    void ApplyTimeouts();
    void StopWorkers();

    std::unique_ptr<State> state_;
    // Watches the notification queue's wake descriptor; none when it could not be had.
    std::unique_ptr<QSocketNotifier> wakeNotifier_;
};
