// Pacing and wire texts of the senders, on the virtual clock: first with a closed port
// (sleeps and the record), then over a pseudo-terminal (the bytes on the wire).
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "scpi/Com_rw.h"
#include "scpi/Scpi.h"
#include "serial/TComm.h"
#include "tests/support/PtyPair.h"

namespace {

using namespace std::chrono_literals;

struct PacingCase {
    const char* name;
    std::uint32_t baud;
    CommandId id;
    const char* param;
    std::string wire;  // every byte written, in order
    std::vector<std::uint32_t> sleeps;
    CommandId recordedId;  // 0: CurrentCommand must stay as it was
    const char* recordedText;
    std::int32_t awaitReply;
};

void PrintTo(const PacingCase& c, std::ostream* os) {
    *os << c.name;
}

const PacingCase kCases[] = {
    {"PlainQuery", 9600, 0x0401, "", "*IDN?\n", {100}, 0x0401, "*IDN?", 1},
    {"OutputOn", 9600, 0x1800, "ON", ":OUTP ON\n:OUTP?\n", {100, 108, 100}, 0x1801, ":OUTP?", 1},
    {"EmptyArgumentKeepsBlank",
     9600,
     0x1800,
     "",
     ":OUTP \n:OUTP?\n",
     {100, 106, 100},
     0x1801,
     ":OUTP?",
     1},
    {"RecallWaitsForSlot",
     9600,
     0x0700,
     "3",
     "*RCL 3\n:SYST:MEM?\n",
     {100, 106, 1000, 100},
     0x3801,
     ":SYST:MEM?",
     0},
    {"SaveWaitsForSlot",
     9600,
     0x0900,
     "12",
     "*SAV 12\n:SYST:MEM?\n",
     {100, 107, 1000, 100},
     0x3801,
     ":SYST:MEM?",
     0},
    {"ApplyRecordsQuery",
     9600,
     0x0C01,
     "1.2,0.5",
     ":APPL 1.2,0.5\n:APPL?\n",
     {100, 113, 100},
     0x0C02,
     ":APPL?",
     1},
    {"LevelRecordsOwnId",
     9600,
     0x2200,
     "30",
     ":VOLT:PROT 30\n:VOLT:PROT?\n",
     {100, 113, 100},
     0x2200,
     ":VOLT:PROT?",
     1},
    {"EnableFollowUpHasNoBlank",
     9600,
     0x2000,
     "ON",
     ":VOLT:PROT:STAT ON\n:VOLT:PROT:STAT?\n",
     {100, 118, 100},
     0x2000,
     ":VOLT:PROT:STAT?",
     1},
    {"QueryWithTrailingBlank",
     9600,
     0x2001,
     "",
     ":VOLT:PROT:STAT? \n",
     {100},
     0x2001,
     ":VOLT:PROT:STAT? ",
     1},
    {"ClearStatus", 9600, 0x0100, "", "*CLS\n", {100, 500}, 0x0100, "*CLS", 0},
    {"Remote", 9600, 0x3900, "", ":SYST:REM\n", {100, 59, 200}, 0x3900, ":SYST:REM", 1},
    {"MemoryQuery", 9600, 0x3801, "", ":SYST:MEM?\n", {100, 60}, 0x3801, ":SYST:MEM?", 1},
    {"SlowLineRemote", 110, 0x3900, "", ":SYST:REM\n", {100, 868, 200}, 0x3900, ":SYST:REM", 1},
    {"ArgumentIsNotAFormat",
     9600,
     0x1800,
     "%s%d",
     ":OUTP %s%d\n:OUTP?\n",
     {100, 110, 100},
     0x1801,
     ":OUTP?",
     1},
    {"LocalIsNotRouted", 9600, 0x3700, "", "", {}, 0, "", 0},
    {"NoSender", 9600, 0x0800, "", "", {}, 0, "", 0},
    {"OutsideCatalogue", 9600, 0, "", "", {}, 0, "", 0},
    {"OutsideCatalogueHigh", 9600, 0x4000, "", "", {}, 0, "", 0},
};

class SenderPacing : public ::testing::TestWithParam<PacingCase> {
  protected:
    void SetUp() override {
        CurrentCommand = S_SCPI_CMD{"before", 0x7777, 1, 2, 3};
        clock_.clearSleeps();
    }

    void ExpectRecord(const PacingCase& c, std::uint32_t tickAfterSleeps) {
        if (c.recordedId == 0) {
            EXPECT_EQ(CurrentCommand.text, "before");
            EXPECT_EQ(CurrentCommand.id, 0x7777);
            EXPECT_EQ(CurrentCommand.sendTick, 1u);
            return;
        }
        EXPECT_EQ(CurrentCommand.text, c.recordedText);
        EXPECT_EQ(CurrentCommand.id, c.recordedId);
        EXPECT_EQ(CurrentCommand.sendTick, tickAfterSleeps);  // recorded after the last sleep
        EXPECT_EQ(CurrentCommand.timeout, 500);
        EXPECT_EQ(CurrentCommand.awaitReply, c.awaitReply);
    }

    platform::VirtualClock clock_{5000};
    platform::ScopedClockOverride override_{clock_};
};

TEST_P(SenderPacing, ClosedPortStillSleepsAndRecords) {
    const PacingCase& c = GetParam();
    TComm comm;
    comm.SetBaudRate(c.baud);
    SendCommand(comm, c.id, c.param);
    EXPECT_EQ(clock_.sleeps(), c.sleeps);
    ExpectRecord(c, 5000 + clock_.totalSleptMs());
}

TEST_P(SenderPacing, BytesOnTheWire) {
    const PacingCase& c = GetParam();
    PtyPair link{PtySlave::Raw};
    ASSERT_TRUE(link.IsOpen());
    TComm comm;
    comm.SetCommName(link.SlaveName());
    comm.SetBaudRate(c.baud);
    comm.StartComm();
    SendCommand(comm, c.id, c.param);
    EXPECT_EQ(clock_.sleeps(), c.sleeps);
    ExpectRecord(c, 5000 + clock_.totalSleptMs());
    // A marker line after the case shows that nothing else was written before it.
    SendCommand(comm, 0x1701);
    const std::string expected = c.wire + ":MEAS?\n";
    EXPECT_EQ(link.ReceiveWithin(expected.size(), 5s), expected);
    comm.StopComm();
}

INSTANTIATE_TEST_SUITE_P(Senders, SenderPacing, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SendSystLocal, WritesLocalWithAllowance) {
    platform::VirtualClock clock;
    platform::ScopedClockOverride override(clock);
    for (const auto& [baud, wait] : {std::pair{9600u, 59u}, std::pair{110u, 868u}}) {
        clock.clearSleeps();
        TComm comm;
        comm.SetBaudRate(baud);
        SendSystLocal(comm);
        EXPECT_EQ(clock.sleeps(), (std::vector<std::uint32_t>{100, wait})) << baud;
        EXPECT_EQ(CurrentCommand.id, 0x3700);
        EXPECT_EQ(CurrentCommand.text, ":SYST:LOC");
        EXPECT_EQ(CurrentCommand.awaitReply, 1);
    }
}

TEST(WriteLine, LongLineIsSentWhole) {
    platform::VirtualClock clock;
    platform::ScopedClockOverride override(clock);
    PtyPair link{PtySlave::Raw};
    ASSERT_TRUE(link.IsOpen());
    TComm comm;
    comm.SetCommName(link.SlaveName());
    comm.StartComm();
    std::string text(300, 'x');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char>('a' + i % 26);
    }
    EXPECT_TRUE(WriteLine(comm, text.data(), static_cast<std::uint16_t>(text.size())));
    EXPECT_EQ(link.ReceiveWithin(text.size() + 1, 5s), text + "\n");
    EXPECT_EQ(clock.sleeps(), (std::vector<std::uint32_t>{100}));
    comm.StopComm();
}

TEST(WriteLine, ClosedPortReportsFalseAfterThePause) {
    platform::VirtualClock clock;
    platform::ScopedClockOverride override(clock);
    TComm comm;
    EXPECT_FALSE(WriteLine(comm, "*IDN?", 5));
    EXPECT_EQ(clock.sleeps(), (std::vector<std::uint32_t>{100}));
}

}  // namespace
