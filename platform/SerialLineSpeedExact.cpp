// Exact line rates through the kernel's second termios interface. This file must not see
// <termios.h>: its structure of the same name differs from the kernel's.
#include "platform/SerialLineSettings.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <cstdint>

namespace platform {

bool SetExactLineSpeed(int fd, std::uint32_t rate) {
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0) {
        return false;
    }
    tio.c_cflag &= ~CBAUD;
    tio.c_cflag |= BOTHER;
    tio.c_cflag &= ~(CBAUD << IBSHIFT);  // input speed follows the output speed
    tio.c_ospeed = rate;
    tio.c_ispeed = rate;
    if (ioctl(fd, TCSETS2, &tio) != 0) {
        return false;
    }
    // A driver that cannot run the rate substitutes another: that counts as refused.
    termios2 applied{};
    return ioctl(fd, TCGETS2, &applied) == 0 && applied.c_ospeed == rate;
}

std::uint32_t ReadLineSpeed(int fd) {
    termios2 tio{};
    if (ioctl(fd, TCGETS2, &tio) != 0) {
        return 0;
    }
    return tio.c_ospeed;
}

}  // namespace platform
