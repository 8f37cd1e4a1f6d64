// The instrument's line check on plain terminal settings, without a pseudo-terminal: what
// each rate and frame sets in the settings, what it reads back, and which client lines hear
// the answers garbled.

#include <gtest/gtest.h>
#include <termios.h>

#include <optional>
#include <string>

#include "sim/LineCheck.h"

namespace {

std::string Label(const sim::LineSettings& line) {
    return std::to_string(line.baud) + " " + std::to_string(line.dataBits) + line.parity +
           std::to_string(line.stopBits);
}

TEST(LineCheck, EachFrameSetsItsFlagsAndReadsBack) {
    const struct {
        sim::LineSettings line;
        speed_t speed;
        tcflag_t size;
        bool parityOn, parityOdd, twoStops;
    } cases[] = {
        {{9600, 8, 'N', 1}, B9600, CS8, false, false, false},
        {{110, 8, 'N', 1}, B110, CS8, false, false, false},
        {{230400, 8, 'N', 1}, B230400, CS8, false, false, false},
        {{9600, 7, 'E', 1}, B9600, CS7, true, false, false},
        {{9600, 7, 'O', 1}, B9600, CS7, true, true, false},
        {{19200, 6, 'N', 2}, B19200, CS6, false, false, true},
        {{4800, 5, 'E', 2}, B4800, CS5, true, false, true},
        {{9600, 8, 'O', 2}, B9600, CS8, true, true, true},
    };
    for (const auto& c : cases) {
        const std::string label = Label(c.line);
        termios tio{};
        tio.c_cflag = CRTSCTS | CSTOPB | PARENB | PARODD | CS5;  // left over from a client
        ASSERT_TRUE(sim::setLineInTermios(tio, c.line)) << label;
        EXPECT_EQ(cfgetospeed(&tio), c.speed) << label;
        EXPECT_EQ(cfgetispeed(&tio), c.speed) << label;
        EXPECT_EQ(tio.c_cflag & CSIZE, c.size) << label;
        EXPECT_EQ((tio.c_cflag & PARENB) != 0, c.parityOn) << label;
        EXPECT_EQ((tio.c_cflag & PARODD) != 0, c.parityOdd) << label;
        EXPECT_EQ((tio.c_cflag & CSTOPB) != 0, c.twoStops) << label;
        EXPECT_EQ(tio.c_cflag & CRTSCTS, 0u) << label;
        EXPECT_NE(tio.c_cflag & CREAD, 0u) << label;
        EXPECT_EQ(sim::lineFromTermios(tio), std::optional(c.line)) << label;
    }
}

TEST(LineCheck, UnknownRatesAreRefused) {
    termios tio{};
    EXPECT_FALSE(sim::setLineInTermios(tio, {14400, 8, 'N', 1}));
    cfsetospeed(&tio, B50);
    EXPECT_EQ(sim::lineFromTermios(tio), std::nullopt);
}

TEST(LineCheck, AnyDifferenceFromTheInstrumentsLineGarbles) {
    const sim::LineSettings instrument{9600, 8, 'N', 1};
    const struct {
        std::optional<sim::LineSettings> client;
        bool garbles;
    } cases[] = {
        {sim::LineSettings{9600, 8, 'N', 1}, false},
        {sim::LineSettings{19200, 8, 'N', 1}, true},
        {sim::LineSettings{4800, 8, 'N', 1}, true},
        {sim::LineSettings{9600, 7, 'N', 1}, true},
        {sim::LineSettings{9600, 5, 'N', 1}, true},
        {sim::LineSettings{9600, 8, 'E', 1}, true},
        {sim::LineSettings{9600, 8, 'O', 1}, true},
        {sim::LineSettings{9600, 8, 'N', 2}, true},
        {std::nullopt, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sim::clientLineGarbles(c.client, instrument), c.garbles)
            << (c.client ? Label(*c.client) : "unreadable line");
    }
}

}  // namespace
