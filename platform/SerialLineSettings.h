#pragma once
// Line settings as this program thinks of them, and their translation to termios.
//
// What termios cannot express is mapped to the nearest thing it can: one and a half stop
// bits become two; RTS handshaking becomes hardware (RTS/CTS) flow control; DTR handshaking,
// which Linux does not offer, and RTS "raised while transmitting" hold the line raised.
// Parity-error replacement, DSR flow and sensitivity, XON/XOFF thresholds and "continue after XOFF"
// have no termios counterpart and are left to the driver's defaults.

#include <cstdint>

struct termios;

namespace platform {

enum class LineParity { None, Odd, Even, Mark, Space };

struct LineSettings {
    std::uint32_t baudRate = 9600;
    int dataBits = 8;  // 5 to 8
    LineParity parity = LineParity::None;
    bool parityCheck = false;
    bool twoStopBits = false;
    bool hardwareFlow = false;  // RTS/CTS
    bool xonXoffOutput = false;
    bool xonXoffInput = false;
    char xonChar = 17;
    char xoffChar = 19;
    bool dtrRaised = false;
    bool rtsRaised = false;
    bool discardNulls = false;  // done by the reader: termios has no such switch
};

// Fills the termios fields this program owns (raw mode, size, parity, stop bits, flow
// control, control characters); the speed is set apart. Other fields keep their value.
void FillTermios(const LineSettings& settings, termios& tio);

// The standard rate nearest to rate (the lower one on a tie), as a plain number.
std::uint32_t NearestStandardBaud(std::uint32_t rate);

// Sets the line speed on fd: a standard rate directly, any other rate exactly when the
// driver accepts one, else the nearest standard rate. Returns false if nothing was set.
bool SetLineSpeed(int fd, std::uint32_t rate);
// Sets a rate that need not be standard; false when the driver cannot run it exactly.
bool SetExactLineSpeed(int fd, std::uint32_t rate);
// The output speed the driver holds for fd, or 0 when it cannot be read.
std::uint32_t ReadLineSpeed(int fd);

}  // namespace platform
