#include "platform/SerialLineSettings.h"

#include <termios.h>

#include <array>
#include <cstdlib>

namespace platform {
namespace {

struct StandardRate {
    std::uint32_t rate;
    speed_t code;
};

constexpr std::array<StandardRate, 30> kStandardRates{{
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
}};

const StandardRate* FindStandard(std::uint32_t rate) {
    for (const auto& entry : kStandardRates) {
        if (entry.rate == rate) {
            return &entry;
        }
    }
    return nullptr;
}

tcflag_t SizeFlag(int dataBits) {
    switch (dataBits) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        default:
            return CS8;
    }
}

}  // namespace

void FillTermios(const LineSettings& settings, termios& tio) {
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;

    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    tio.c_cflag |= SizeFlag(settings.dataBits);
    switch (settings.parity) {
        case LineParity::None:
            break;
        case LineParity::Odd:
            tio.c_cflag |= PARENB | PARODD;
            break;
        case LineParity::Even:
            tio.c_cflag |= PARENB;
            break;
        case LineParity::Mark:
            tio.c_cflag |= PARENB | CMSPAR | PARODD;
            break;
        case LineParity::Space:
            tio.c_cflag |= PARENB | CMSPAR;
            break;
    }
    if (settings.twoStopBits) {
        tio.c_cflag |= CSTOPB;
    }
    if (settings.hardwareFlow) {
        tio.c_cflag |= CRTSCTS;
    }

    tio.c_iflag &= ~(INPCK | IXON | IXOFF | IXANY);
    if (settings.parityCheck) {
        tio.c_iflag |= INPCK;
    }
    if (settings.xonXoffOutput) {
        tio.c_iflag |= IXON;
    }
    if (settings.xonXoffInput) {
        tio.c_iflag |= IXOFF;
    }
    tio.c_cc[VSTART] = static_cast<cc_t>(settings.xonChar);
    tio.c_cc[VSTOP] = static_cast<cc_t>(settings.xoffChar);
    // Reads never block (the descriptor is non-blocking and waits are done with poll).
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
}

std::uint32_t NearestStandardBaud(std::uint32_t rate) {
    std::uint32_t best = kStandardRates.front().rate;
    for (const auto& entry : kStandardRates) {
        const auto distance = [rate](std::uint32_t candidate) {
            return candidate > rate ? candidate - rate : rate - candidate;
        };
        if (distance(entry.rate) < distance(best)) {
            best = entry.rate;
        }
    }
    return best;
}

bool SetLineSpeed(int fd, std::uint32_t rate) {
    const StandardRate* standard = FindStandard(rate);
    if (standard == nullptr) {
        if (SetExactLineSpeed(fd, rate)) {
            return true;
        }
        standard = FindStandard(NearestStandardBaud(rate));
    }
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) {
        return false;
    }
    cfsetispeed(&tio, standard->code);
    cfsetospeed(&tio, standard->code);
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

}  // namespace platform
