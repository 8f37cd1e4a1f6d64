#include "serial/TComm.h"

#include "serial/TCommState.h"

// Published properties. CommName and Parity are only stored; the others re-apply the line
// settings or the time-outs at once while the port is open, unless the value is unchanged.

namespace {

template <typename T>
bool Change(T& field, const T& value) {
    if (field == value) {
        return false;
    }
    field = value;
    return true;
}

}  // namespace

const std::string& TComm::CommName() const {
    return state_->properties.commName;
}

void TComm::SetCommName(const std::string& value) {
    state_->properties.commName = value;
}

std::uint32_t TComm::BaudRate() const {
    return state_->properties.baudRate;
}

void TComm::SetBaudRate(std::uint32_t value) {
    if (Change(state_->properties.baudRate, value)) {
        ApplyLineSettings();
    }
}

bool TComm::ParityCheck() const {
    return state_->properties.parityCheck;
}

void TComm::SetParityCheck(bool value) {
    if (Change(state_->properties.parityCheck, value)) {
        ApplyLineSettings();
    }
}

bool TComm::Outx_CtsFlow() const {
    return state_->properties.outxCtsFlow;
}

void TComm::SetOutx_CtsFlow(bool value) {
    if (Change(state_->properties.outxCtsFlow, value)) {
        ApplyLineSettings();
    }
}

bool TComm::Outx_DsrFlow() const {
    return state_->properties.outxDsrFlow;
}

void TComm::SetOutx_DsrFlow(bool value) {
    if (Change(state_->properties.outxDsrFlow, value)) {
        ApplyLineSettings();
    }
}

TDtrControl TComm::DtrControl() const {
    return state_->properties.dtrControl;
}

void TComm::SetDtrControl(TDtrControl value) {
    if (Change(state_->properties.dtrControl, value)) {
        ApplyLineSettings();
    }
}

bool TComm::DsrSensitivity() const {
    return state_->properties.dsrSensitivity;
}

void TComm::SetDsrSensitivity(bool value) {
    if (Change(state_->properties.dsrSensitivity, value)) {
        ApplyLineSettings();
    }
}

bool TComm::TxContinueOnXoff() const {
    return state_->properties.txContinueOnXoff;
}

void TComm::SetTxContinueOnXoff(bool value) {
    if (Change(state_->properties.txContinueOnXoff, value)) {
        ApplyLineSettings();
    }
}

bool TComm::Outx_XonXoffFlow() const {
    return state_->properties.outxXonXoffFlow;
}

void TComm::SetOutx_XonXoffFlow(bool value) {
    if (Change(state_->properties.outxXonXoffFlow, value)) {
        ApplyLineSettings();
    }
}

bool TComm::Inx_XonXoffFlow() const {
    return state_->properties.inxXonXoffFlow;
}

void TComm::SetInx_XonXoffFlow(bool value) {
    if (Change(state_->properties.inxXonXoffFlow, value)) {
        ApplyLineSettings();
    }
}

bool TComm::ReplaceWhenParityError() const {
    return state_->properties.replaceWhenParityError;
}

void TComm::SetReplaceWhenParityError(bool value) {
    if (Change(state_->properties.replaceWhenParityError, value)) {
        ApplyLineSettings();
    }
}

bool TComm::IgnoreNullChar() const {
    return state_->properties.ignoreNullChar;
}

void TComm::SetIgnoreNullChar(bool value) {
    if (Change(state_->properties.ignoreNullChar, value)) {
        ApplyLineSettings();
    }
}

TRtsControl TComm::RtsControl() const {
    return state_->properties.rtsControl;
}

void TComm::SetRtsControl(TRtsControl value) {
    if (Change(state_->properties.rtsControl, value)) {
        ApplyLineSettings();
    }
}

std::uint16_t TComm::XonLimit() const {
    return state_->properties.xonLimit;
}

void TComm::SetXonLimit(std::uint16_t value) {
    if (Change(state_->properties.xonLimit, value)) {
        ApplyLineSettings();
    }
}

std::uint16_t TComm::XoffLimit() const {
    return state_->properties.xoffLimit;
}

void TComm::SetXoffLimit(std::uint16_t value) {
    if (Change(state_->properties.xoffLimit, value)) {
        ApplyLineSettings();
    }
}

TByteSize TComm::ByteSize() const {
    return state_->properties.byteSize;
}

void TComm::SetByteSize(TByteSize value) {
    if (Change(state_->properties.byteSize, value)) {
        ApplyLineSettings();
    }
}

TParity TComm::Parity() const {
    return state_->properties.parity;
}

void TComm::SetParity(TParity value) {
    state_->properties.parity = value;
}

TStopBits TComm::StopBits() const {
    return state_->properties.stopBits;
}

void TComm::SetStopBits(TStopBits value) {
    if (Change(state_->properties.stopBits, value)) {
        ApplyLineSettings();
    }
}

char TComm::XonChar() const {
    return state_->properties.xonChar;
}

void TComm::SetXonChar(char value) {
    if (Change(state_->properties.xonChar, value)) {
        ApplyLineSettings();
    }
}

char TComm::XoffChar() const {
    return state_->properties.xoffChar;
}

void TComm::SetXoffChar(char value) {
    if (Change(state_->properties.xoffChar, value)) {
        ApplyLineSettings();
    }
}

char TComm::ReplacedChar() const {
    return state_->properties.replacedChar;
}

void TComm::SetReplacedChar(char value) {
    if (Change(state_->properties.replacedChar, value)) {
        ApplyLineSettings();
    }
}

std::uint32_t TComm::ReadIntervalTimeout() const {
    return state_->properties.readIntervalTimeout;
}

void TComm::SetReadIntervalTimeout(std::uint32_t value) {
    if (Change(state_->properties.readIntervalTimeout, value)) {
        ApplyTimeouts();
    }
}

std::uint32_t TComm::ReadTotalTimeoutMultiplier() const {
    return state_->properties.readTotalTimeoutMultiplier;
}

void TComm::SetReadTotalTimeoutMultiplier(std::uint32_t value) {
    if (Change(state_->properties.readTotalTimeoutMultiplier, value)) {
        ApplyTimeouts();
    }
}

std::uint32_t TComm::ReadTotalTimeoutConstant() const {
    return state_->properties.readTotalTimeoutConstant;
}

void TComm::SetReadTotalTimeoutConstant(std::uint32_t value) {
    if (Change(state_->properties.readTotalTimeoutConstant, value)) {
        ApplyTimeouts();
    }
}

std::uint32_t TComm::WriteTotalTimeoutMultiplier() const {
    return state_->properties.writeTotalTimeoutMultiplier;
}

void TComm::SetWriteTotalTimeoutMultiplier(std::uint32_t value) {
    if (Change(state_->properties.writeTotalTimeoutMultiplier, value)) {
        ApplyTimeouts();
    }
}

std::uint32_t TComm::WriteTotalTimeoutConstant() const {
    return state_->properties.writeTotalTimeoutConstant;
}

void TComm::SetWriteTotalTimeoutConstant(std::uint32_t value) {
    if (Change(state_->properties.writeTotalTimeoutConstant, value)) {
        ApplyTimeouts();
    }
}
