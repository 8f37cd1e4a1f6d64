#include "platform/SerialLineEvents.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

namespace platform {

LineEvents LineEventsBetween(const LineCounters& before, const LineCounters& after) {
    LineEvents events;
    if (after.bufferOverrun != before.bufferOverrun) {
        events.errorBits |= kLineErrorInputOverflow;
    }
    if (after.overrun != before.overrun) {
        events.errorBits |= kLineErrorOverrun;
    }
    if (after.parity != before.parity) {
        events.errorBits |= kLineErrorParity;
    }
    if (after.frame != before.frame) {
        events.errorBits |= kLineErrorFraming;
    }
    if (after.breaks != before.breaks) {
        events.errorBits |= kLineErrorBreak;
    }
    if (after.carrierDetect != before.carrierDetect) {
        events.modemBits |= kModemEventCarrierDetect;
    }
    if (after.ring != before.ring) {
        events.modemBits |= kModemEventRing;
    }
    return events;
}

bool ReadLineCounters(int fd, LineCounters& counters) {
    serial_icounter_struct raw{};
    if (ioctl(fd, TIOCGICOUNT, &raw) != 0) {
        return false;
    }
    counters.carrierDetect = raw.dcd;
    counters.ring = raw.rng;
    counters.frame = raw.frame;
    counters.overrun = raw.overrun;
    counters.parity = raw.parity;
    counters.breaks = raw.brk;
    counters.bufferOverrun = raw.buf_overrun;
    return true;
}

}  // namespace platform
