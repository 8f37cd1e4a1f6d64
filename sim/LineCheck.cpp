#include "sim/LineCheck.h"

#include <algorithm>
#include <array>
#include <utility>

namespace sim {
namespace {

constexpr std::array<std::pair<int, speed_t>, 12> kSpeeds{{
    {110, B110},
    {300, B300},
    {600, B600},
    {1200, B1200},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
    {57600, B57600},
    {115200, B115200},
    {230400, B230400},
}};

std::optional<speed_t> speedOf(int baud) {
    for (const auto& [rate, speed] : kSpeeds) {
        if (rate == baud) {
            return speed;
        }
    }
    return std::nullopt;
}

std::optional<int> baudOf(speed_t speed) {
    for (const auto& [rate, code] : kSpeeds) {
        if (code == speed) {
            return rate;
        }
    }
    return std::nullopt;
}

}  // namespace

bool setLineInTermios(termios& tio, const LineSettings& line) {
    const std::optional<speed_t> speed = speedOf(line.baud);
    if (!speed) {
        return false;
    }
    cfmakeraw(&tio);
    cfsetispeed(&tio, *speed);
    cfsetospeed(&tio, *speed);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag |= sizes[std::clamp(line.dataBits, 5, 8) - 5] | CLOCAL | CREAD;
    if (line.parity != 'N') {
        tio.c_cflag |= PARENB;
    }
    if (line.parity == 'O') {
        tio.c_cflag |= PARODD;
    }
    if (line.stopBits == 2) {
        tio.c_cflag |= CSTOPB;
    }
    return true;
}

std::optional<LineSettings> lineFromTermios(const termios& tio) {
    const std::optional<int> baud = baudOf(cfgetospeed(&tio));
    if (!baud) {
        return std::nullopt;
    }
    LineSettings line;
    line.baud = *baud;
    switch (tio.c_cflag & CSIZE) {
        case CS5:
            line.dataBits = 5;
            break;
        case CS6:
            line.dataBits = 6;
            break;
        case CS7:
            line.dataBits = 7;
            break;
        default:
            line.dataBits = 8;
            break;
    }
    line.parity = (tio.c_cflag & PARENB) == 0 ? 'N' : ((tio.c_cflag & PARODD) != 0 ? 'O' : 'E');
    line.stopBits = (tio.c_cflag & CSTOPB) != 0 ? 2 : 1;
    return line;
}

bool clientLineGarbles(const std::optional<LineSettings>& client, const LineSettings& configured) {
    return !client || *client != configured;
}

bool applyLineSettings(int fd, const LineSettings& line) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0 || !setLineInTermios(tio, line)) {
        return false;
    }
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

std::optional<LineSettings> readLineSettings(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0) {
        return std::nullopt;
    }
    return lineFromTermios(tio);
}

std::string garbleBytes(std::string_view bytes, std::uint32_t& state) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        state = state * 1664525u + 1013904223u;
        const auto mixed =
            static_cast<std::uint32_t>(static_cast<unsigned char>(c)) ^ (state >> 24);
        out.push_back(static_cast<char>(0x80u | (mixed & 0x7Fu)));
    }
    return out;
}

}  // namespace sim
