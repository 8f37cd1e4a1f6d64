// The translation of the component's properties to termios, and of driver counters to
// line events: pure functions, tested as tables.
#include <gtest/gtest.h>

#include <termios.h>

#include "platform/SerialLineEvents.h"
#include "platform/SerialLineSettings.h"
#include "serial/CommProperties.h"

TEST(LineSettings, ModemLinesAndFlowControlFollowTheirModes) {
    const struct {
        TDtrControl dtr;
        TRtsControl rts;
        bool ctsFlow;
        bool dtrRaised;
        bool rtsRaised;
        bool hardwareFlow;
    } cases[] = {
        {TDtrControl::DtrDisable, TRtsControl::RtsDisable, false, false, false, false},
        {TDtrControl::DtrEnable, TRtsControl::RtsEnable, false, true, true, false},
        {TDtrControl::DtrHandshake, TRtsControl::RtsHandshake, false, true, true, true},
        {TDtrControl::DtrDisable, TRtsControl::RtsTransmissionAvailable, false, false, true, false},
        {TDtrControl::DtrDisable, TRtsControl::RtsDisable, true, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.dtr) * 10 + static_cast<int>(c.rts));
        CommProperties properties;
        properties.dtrControl = c.dtr;
        properties.rtsControl = c.rts;
        properties.outxCtsFlow = c.ctsFlow;
        const platform::LineSettings settings = ToLineSettings(properties);
        EXPECT_EQ(settings.dtrRaised, c.dtrRaised);
        EXPECT_EQ(settings.rtsRaised, c.rtsRaised);
        EXPECT_EQ(settings.hardwareFlow, c.hardwareFlow);
    }
}

TEST(LineSettings, SizeStopBitsAndParityFromTheirOrdinals) {
    const struct {
        TByteSize size;
        TStopBits stop;
        TParity parity;
        tcflag_t sizeFlag;
        bool twoStopBits;
        tcflag_t parityFlags;
    } cases[] = {
        {TByteSize::_8, TStopBits::_1, TParity::None, CS8, false, 0},
        {TByteSize::_7, TStopBits::_2, TParity::Odd, CS7, true, PARENB | PARODD},
        {TByteSize::_6, TStopBits::_1, TParity::Even, CS6, false, PARENB},
        {TByteSize::_5, TStopBits::_1_5, TParity::Mark, CS5, true, PARENB | PARODD | CMSPAR},
        {TByteSize::_8, TStopBits::_1, TParity::Space, CS8, false, PARENB | CMSPAR},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.parity));
        CommProperties properties;
        properties.byteSize = c.size;
        properties.stopBits = c.stop;
        properties.parity = c.parity;
        termios tio{};
        tio.c_cflag = PARENB | PARODD | CMSPAR | CSTOPB | CS5;  // leftovers must go
        platform::FillTermios(ToLineSettings(properties), tio);
        EXPECT_EQ(tio.c_cflag & CSIZE, c.sizeFlag);
        EXPECT_EQ((tio.c_cflag & CSTOPB) != 0, c.twoStopBits);
        EXPECT_EQ(tio.c_cflag & (PARENB | PARODD | CMSPAR), c.parityFlags);
        EXPECT_NE(tio.c_cflag & CREAD, 0u);
        EXPECT_NE(tio.c_cflag & CLOCAL, 0u);
    }
}

TEST(LineSettings, XonXoffFlowAndItsCharacters) {
    CommProperties properties;  // as constructed: both directions on, DC1 and DC3
    termios tio{};
    platform::FillTermios(ToLineSettings(properties), tio);
    EXPECT_NE(tio.c_iflag & IXON, 0u);
    EXPECT_NE(tio.c_iflag & IXOFF, 0u);
    EXPECT_EQ(tio.c_cc[VSTART], 17);
    EXPECT_EQ(tio.c_cc[VSTOP], 19);

    properties.outxXonXoffFlow = false;
    properties.inxXonXoffFlow = false;
    platform::FillTermios(ToLineSettings(properties), tio);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), 0u);
}

TEST(LineSettings, NearestStandardRate) {
    const struct {
        std::uint32_t asked;
        std::uint32_t nearest;
    } cases[] = {
        {9600, 9600},   {14400, 9600},  // a tie goes to the lower rate
        {56000, 57600}, {128000, 115200}, {256000, 230400}, {0, 50}, {5000000, 4000000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::NearestStandardBaud(c.asked), c.nearest) << c.asked;
    }
}

TEST(LineEvents, CounterChangesBecomeErrorAndModemBits) {
    const platform::LineCounters base{3, 1, 0, 0, 0, 0, 0};
    const struct {
        platform::LineCounters after;
        std::uint32_t errorBits;
        std::uint32_t modemBits;
    } cases[] = {
        {base, 0, 0},
        {{4, 1, 0, 0, 0, 0, 0}, 0, platform::kModemEventCarrierDetect},
        {{3, 2, 0, 0, 0, 0, 0}, 0, platform::kModemEventRing},
        {{4, 2, 0, 0, 0, 0, 0}, 0, 12},
        {{3, 1, 1, 0, 0, 0, 0}, platform::kLineErrorFraming, 0},
        {{3, 1, 0, 1, 0, 0, 0}, platform::kLineErrorOverrun, 0},
        {{3, 1, 0, 0, 2, 0, 0}, platform::kLineErrorParity, 0},
        {{3, 1, 0, 0, 0, 1, 0}, platform::kLineErrorBreak, 0},
        {{3, 1, 0, 0, 0, 0, 1}, platform::kLineErrorInputOverflow, 0},
        {{4, 1, 1, 0, 1, 0, 0},
         platform::kLineErrorFraming | platform::kLineErrorParity,
         platform::kModemEventCarrierDetect},
    };
    for (const auto& c : cases) {
        const platform::LineEvents events = platform::LineEventsBetween(base, c.after);
        EXPECT_EQ(events.errorBits, c.errorBits);
        EXPECT_EQ(events.modemBits, c.modemBits);
    }
}
