// The line: answers leave after the reply latency at the configured rate, a client with
// other line settings gets garbled bytes, and every line received is recorded with its
// arrival time. Timing bounds are tight below and loose above, for a loaded machine.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "sim/LineCheck.h"
#include "tests/sim/SimSession.h"

namespace {

using simtest::Clock;
using simtest::milliseconds;
using simtest::SimSession;

std::int64_t micros(Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::microseconds>(t.time_since_epoch()).count();
}

bool looksGarbled(const std::string& bytes) {
    for (const char c : bytes) {
        if ((static_cast<unsigned char>(c) & 0x80) == 0) {
            return false;
        }
    }
    return !bytes.empty();
}

TEST(SimLine, AnswerWaitsForTheLatencyAndIsPacedByTheRate) {
    const struct {
        int baud;
        int latencyMs;
    } cases[] = {{9600, 5}, {9600, 60}, {1200, 0}};
    for (const auto& c : cases) {
        sim::SimOptions options;
        options.line.baud = c.baud;
        options.replyLatencyMs = c.latencyMs;
        SimSession session(options);
        ASSERT_TRUE(session.ok()) << session.error;
        const std::string expected = "5.000,1.000\n";
        const double charUs = 10e6 / c.baud;

        const auto sent = Clock::now();
        const std::string answer = session.ask(":APPL?");
        const auto elapsedUs = micros(Clock::now()) - micros(sent);
        ASSERT_EQ(answer, expected) << c.baud;
        const double minimumUs = c.latencyMs * 1000.0 + expected.size() * charUs;
        EXPECT_GE(elapsedUs, minimumUs * 0.98) << c.baud << " baud, " << c.latencyMs << " ms";
        EXPECT_LT(elapsedUs, minimumUs + 2e6);

        // The instrument's own records agree: no byte leaves before its time. (A loaded
        // machine can only make bytes late, so only the lower bounds are exact.)
        const auto lines = session.instrument.receivedLines();
        const auto answers = session.instrument.answersSent();
        ASSERT_EQ(lines.size(), 1u);
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_EQ(answers[0].bytes, expected);
        EXPECT_GE(answers[0].firstByteUs - lines[0].arrivalUs,
                  c.latencyMs * 1000.0 + charUs * 0.98);
        EXPECT_GE(answers[0].lastByteUs - lines[0].arrivalUs, minimumUs * 0.98);
    }
}

TEST(SimLine, AnswersInARowDoNotOverlap) {
    sim::SimOptions options;
    options.line.baud = 2400;
    options.replyLatencyMs = 0;
    SimSession session(options);
    ASSERT_TRUE(session.ok()) << session.error;
    session.send(":APPL?");
    session.send(":APPL?");
    EXPECT_EQ(session.client->readLine(), "5.000,1.000\n");
    EXPECT_EQ(session.client->readLine(), "5.000,1.000\n");
    const auto answers = session.instrument.answersSent();
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_GE(answers[1].firstByteUs, answers[0].lastByteUs);
}

struct LineCase {
    sim::LineSettings client;
    bool garbled;
};

std::string LineLabel(const sim::LineSettings& line) {
    return std::to_string(line.baud) + " " + std::to_string(line.dataBits) + line.parity +
           std::to_string(line.stopBits);
}

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << LineLabel(c.client) << (c.garbled ? ", garbled" : ", clear");
}

class SimLineSettings : public ::testing::TestWithParam<LineCase> {};

TEST_P(SimLineSettings, MismatchedLineSettingsGarbleTheAnswers) {
    const LineCase& c = GetParam();
    sim::SimOptions options;
    options.replyLatencyMs = 0;
    SimSession session(options);
    ASSERT_TRUE(session.ok()) << session.error;
    const std::string label = LineLabel(c.client);
    if (!session.client->setLine(c.client) ||
        sim::readLineSettings(session.client->fd()) != c.client) {
        // Some kernels' pseudo-terminals refuse other character sizes and parity.
        GTEST_SKIP() << "this pty cannot carry " << label;
    }
    session.send(":APPL?");
    if (c.garbled) {
        const std::string got = session.client->readFor(milliseconds(300));
        EXPECT_TRUE(looksGarbled(got)) << label;
        EXPECT_EQ(got.size(), std::string("5.000,1.000\n").size()) << label;
    } else {
        EXPECT_EQ(session.client->readLine(), "5.000,1.000\n");
    }
}

const LineCase kLineCases[] = {
    {{9600, 8, 'N', 1}, false}, {{19200, 8, 'N', 1}, true}, {{4800, 8, 'N', 1}, true},
    {{9600, 8, 'N', 2}, true},  {{9600, 7, 'N', 1}, true},  {{9600, 8, 'E', 1}, true},
    {{9600, 8, 'O', 1}, true},
};

INSTANTIATE_TEST_SUITE_P(SimLine, SimLineSettings, ::testing::ValuesIn(kLineCases),
                         [](const auto& info) {
                             std::string name = LineLabel(info.param.client);
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST(SimLine, ChangingTheInstrumentRateLeavesTheClientBehindUntilItFollows) {
    sim::SimOptions options;
    options.replyLatencyMs = 0;
    SimSession session(options);
    ASSERT_TRUE(session.ok()) << session.error;
    session.send(":SYST:COMM:SER:BAUD 19200");
    session.send("*OPC?");
    EXPECT_TRUE(looksGarbled(session.client->readFor(milliseconds(200))));
    ASSERT_TRUE(session.client->setLine({19200, 8, 'N', 1}));
    EXPECT_EQ(session.ask("*OPC?"), "1\n");
}

TEST(SimLine, RecordsEveryLineWithItsArrivalTime) {
    SimSession session;
    ASSERT_TRUE(session.ok()) << session.error;
    const auto before = sim::steadyMicros();
    session.send(":OUTP ON\r");
    session.send(":BOGUS");
    const std::string answer = session.ask(":OUTP?");
    const auto after = sim::steadyMicros();
    EXPECT_EQ(answer, "ON\n");  // the carriage return is ignored
    const auto lines = session.instrument.receivedLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, ":OUTP ON\r");
    EXPECT_EQ(lines[1].text, ":BOGUS");
    EXPECT_EQ(lines[2].text, ":OUTP?");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_GE(lines[i].arrivalUs, before);
        EXPECT_LE(lines[i].arrivalUs, after);
        if (i > 0) {
            EXPECT_GE(lines[i].arrivalUs, lines[i - 1].arrivalUs);
        }
    }
    const auto answers = session.instrument.answersSent();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].bytes, "ON\n");
    EXPECT_GE(answers[0].firstByteUs, lines[2].arrivalUs);
    session.instrument.clearRecords();
    EXPECT_TRUE(session.instrument.receivedLines().empty());
    EXPECT_TRUE(session.instrument.answersSent().empty());
}

TEST(SimLine, ClientMayCloseAndReopenThePort) {
    SimSession session;
    ASSERT_TRUE(session.ok()) << session.error;
    session.send(":OUTP ON");
    session.client.reset();
    simtest::PtyClient again(session.instrument.slavePath(), simtest::fastOptions().line);
    ASSERT_TRUE(again.isOpen());
    EXPECT_EQ(again.ask(":OUTP?"), "ON\n");
}

TEST(SimLine, OverlongLineIsDroppedWithAnError) {
    SimSession session;
    ASSERT_TRUE(session.ok()) << session.error;
    session.send(std::string(5000, 'A'));
    EXPECT_EQ(session.ask(":SYST:ERR?"), "-223,\"Too much data\"\n");
    EXPECT_EQ(session.ask("*OPC?"), "1\n");
}

TEST(SimLine, StopRemovesTheDeviceAndStartMakesANewOne) {
    sim::SimulatedInstrument instrument(simtest::fastOptions());
    std::string error;
    ASSERT_TRUE(instrument.start(&error)) << error;
    EXPECT_FALSE(instrument.start(&error));
    EXPECT_NE(error.find("already running"), std::string::npos);
    const std::string path = instrument.slavePath();
    EXPECT_TRUE(instrument.isRunning());
    instrument.stop();
    EXPECT_FALSE(instrument.isRunning());
    EXPECT_NE(access(path.c_str(), F_OK), 0) << path;
    instrument.stop();  // twice is harmless
    ASSERT_TRUE(instrument.start(&error)) << error;
    simtest::PtyClient client(instrument.slavePath(), simtest::fastOptions().line);
    ASSERT_TRUE(client.isOpen());
    EXPECT_EQ(client.ask("*OPC?"), "1\n");
}

}  // namespace
