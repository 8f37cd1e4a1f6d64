#include "serial/CommProperties.h"

namespace {

platform::LineParity ToLineParity(TParity parity) {
    switch (parity) {
        case TParity::Odd:
            return platform::LineParity::Odd;
        case TParity::Even:
            return platform::LineParity::Even;
        case TParity::Mark:
            return platform::LineParity::Mark;
        case TParity::Space:
            return platform::LineParity::Space;
        case TParity::None:
            break;
    }
    return platform::LineParity::None;
}

}  // namespace

platform::LineSettings ToLineSettings(const CommProperties& properties) {
    platform::LineSettings settings;
    settings.baudRate = properties.baudRate;
    settings.dataBits = static_cast<int>(properties.byteSize) + 5;
    settings.parity = ToLineParity(properties.parity);
    settings.parityCheck = properties.parityCheck;
    // One and a half stop bits only exist with five data bits; termios offers two.
    settings.twoStopBits = properties.stopBits != TStopBits::_1;
    settings.hardwareFlow =
        properties.outxCtsFlow || properties.rtsControl == TRtsControl::RtsHandshake;
    settings.xonXoffOutput = properties.outxXonXoffFlow;
    settings.xonXoffInput = properties.inxXonXoffFlow;
    settings.xonChar = properties.xonChar;
    settings.xoffChar = properties.xoffChar;
    settings.dtrRaised = properties.dtrControl != TDtrControl::DtrDisable;
    settings.rtsRaised = properties.rtsControl != TRtsControl::RtsDisable;
    settings.discardNulls = properties.ignoreNullChar;
    return settings;
}

platform::Timeouts ToTimeouts(const CommProperties& properties) {
    return {properties.readIntervalTimeout, properties.readTotalTimeoutMultiplier,
            properties.readTotalTimeoutConstant, properties.writeTotalTimeoutMultiplier,
            properties.writeTotalTimeoutConstant};
}
