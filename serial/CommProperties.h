#pragma once
// The published line-setting and time-out values of a TComm, with the values a newly
// constructed component holds, and their translation to what the device layer applies.

#include <cstdint>
#include <string>

#include "platform/SerialDevice.h"
#include "serial/CommEnums.h"

struct CommProperties {
    std::string commName = "COM2";
    std::uint32_t baudRate = 9600;
    bool parityCheck = false;
    bool outxCtsFlow = false;
    bool outxDsrFlow = false;
    TDtrControl dtrControl = TDtrControl::DtrEnable;
    bool dsrSensitivity = false;
    bool txContinueOnXoff = true;
    bool outxXonXoffFlow = true;
    bool inxXonXoffFlow = true;
    bool replaceWhenParityError = false;
    bool ignoreNullChar = false;
    TRtsControl rtsControl = TRtsControl::RtsEnable;
    std::uint16_t xonLimit = 500;
    std::uint16_t xoffLimit = 500;
    TByteSize byteSize = TByteSize::_8;
    TParity parity = TParity::None;
    TStopBits stopBits = TStopBits::_1;
    char xonChar = 17;
    char xoffChar = 19;
    char replacedChar = 0;
    std::uint32_t readIntervalTimeout = 100;
    std::uint32_t readTotalTimeoutMultiplier = 0;
    std::uint32_t readTotalTimeoutConstant = 0;
    std::uint32_t writeTotalTimeoutMultiplier = 0;
    std::uint32_t writeTotalTimeoutConstant = 0;
};

platform::LineSettings ToLineSettings(const CommProperties& properties);
platform::Timeouts ToTimeouts(const CommProperties& properties);
