#pragma once
// Line errors and modem changes, told from the interrupt counters a Linux serial driver
// keeps. A device without counters (a pseudo-terminal) tells nothing.

#include <cstdint>

namespace platform {

// Line-error bits.
inline constexpr std::uint32_t kLineErrorInputOverflow = 0x01;  // driver buffer overrun
inline constexpr std::uint32_t kLineErrorOverrun = 0x02;        // receiver hardware overrun
inline constexpr std::uint32_t kLineErrorParity = 0x04;
inline constexpr std::uint32_t kLineErrorFraming = 0x08;
inline constexpr std::uint32_t kLineErrorBreak = 0x10;

// Modem-change bits.
inline constexpr std::uint32_t kModemEventRing = 4;
inline constexpr std::uint32_t kModemEventCarrierDetect = 8;

struct LineCounters {
    int carrierDetect = 0;
    int ring = 0;
    int frame = 0;
    int overrun = 0;
    int parity = 0;
    int breaks = 0;
    int bufferOverrun = 0;
};

struct LineEvents {
    std::uint32_t errorBits = 0;
    std::uint32_t modemBits = 0;
};

// What changed between two readings of the counters.
LineEvents LineEventsBetween(const LineCounters& before, const LineCounters& after);

// Reads the counters of fd; false when the driver keeps none.
bool ReadLineCounters(int fd, LineCounters& counters);

}  // namespace platform
