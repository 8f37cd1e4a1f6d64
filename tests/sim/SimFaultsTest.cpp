// Faults on demand: each one does what it says on the wire, and can be switched while the
// instrument runs.

#include <gtest/gtest.h>

#include <map>

#include "sim/AnswerFaults.h"
#include "tests/sim/SimSession.h"

namespace {

using simtest::Clock;
using simtest::milliseconds;
using simtest::SimSession;

sim::SimOptions withFaults(const sim::FaultSettings& faults) {
    sim::SimOptions options = simtest::fastOptions();
    options.faults = faults;
    return options;
}

std::int64_t elapsedMs(Clock::time_point since) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - since).count();
}

TEST(SimFaults, SilentAnswersNothingButStillObeys) {
    SimSession session(withFaults({.silent = true}));
    ASSERT_TRUE(session.ok()) << session.error;
    session.send(":OUTP ON");
    session.send(":OUTP?");
    EXPECT_EQ(session.client->readFor(milliseconds(300)), "");
    EXPECT_TRUE(session.instrument.state().settings.output);
    EXPECT_TRUE(session.instrument.answersSent().empty());

    session.instrument.setFaults({});
    EXPECT_EQ(session.ask(":OUTP?"), "ON\n");
}

TEST(SimFaults, LateAnswerComesAfterTheDelay) {
    SimSession session(withFaults({.lateMs = 200}));
    ASSERT_TRUE(session.ok()) << session.error;
    const auto sent = Clock::now();
    EXPECT_EQ(session.ask("*OPC?"), "1\n");
    EXPECT_GE(elapsedMs(sent), 200);

    session.instrument.setFaults({});
    const auto again = Clock::now();
    EXPECT_EQ(session.ask("*OPC?"), "1\n");
    EXPECT_LT(elapsedMs(again), 200);
}

TEST(SimFaults, SplitAnswerComesInTwoPartsWithAPause) {
    SimSession session(withFaults({.split = true}));
    ASSERT_TRUE(session.ok()) << session.error;
    const auto sent = Clock::now();
    EXPECT_EQ(session.ask(":APPL?"), "5.000,1.000\n");
    EXPECT_GE(elapsedMs(sent), sim::kSplitPauseMs);
    const auto parts = session.instrument.answersSent();
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].bytes, "5.000,");
    EXPECT_EQ(parts[1].bytes, "1.000\n");
    // Longer than the 100 ms after which a reader takes what it has as one reply.
    EXPECT_GT(parts[1].firstByteUs - parts[0].lastByteUs, 100'000);
}

TEST(SimFaults, GarbledAnswerKeepsItsLengthButNoText) {
    SimSession session(withFaults({.garble = true}));
    ASSERT_TRUE(session.ok()) << session.error;
    session.send(":APPL?");
    const std::string got = session.client->readFor(milliseconds(300));
    ASSERT_EQ(got.size(), std::string("5.000,1.000\n").size());
    for (const char c : got) {
        EXPECT_GE(static_cast<unsigned char>(c), 0x80);
    }
}

TEST(SimFaults, DoubleAnswerSendsItTwice) {
    SimSession session(withFaults({.twice = true}));
    ASSERT_TRUE(session.ok()) << session.error;
    EXPECT_EQ(session.ask(":OUTP?"), "OFF\n");
    EXPECT_EQ(session.client->readLine(), "OFF\n");
    EXPECT_EQ(session.instrument.answersSent().size(), 2u);
}

TEST(SimFaults, DropClosesTheLineAfterTheCommandsAreServed) {
    SimSession session(withFaults({.dropAfterCommands = 3}));
    ASSERT_TRUE(session.ok()) << session.error;
    EXPECT_EQ(session.ask("*OPC?"), "1\n");
    session.send(":VOLT 7");
    EXPECT_EQ(session.ask(":VOLT?"), "7.000\n");  // the third command is still answered
    session.send(":OUTP ON");
    EXPECT_TRUE(session.client->seesHangup(milliseconds(2000)));
    EXPECT_TRUE(simtest::waitUntil([&] { return session.instrument.lineDropped(); }));
    EXPECT_FALSE(session.instrument.isRunning());
    EXPECT_FALSE(session.instrument.state().settings.output);
}

TEST(SimFaults, DropCanBeArmedWhileRunning) {
    SimSession session;
    ASSERT_TRUE(session.ok()) << session.error;
    EXPECT_EQ(session.ask("*OPC?"), "1\n");
    session.instrument.setFaults({.dropAfterCommands = 2});
    EXPECT_EQ(session.instrument.faults().dropAfterCommands, 2);
    EXPECT_EQ(session.ask("*OPC?"), "1\n");
    EXPECT_TRUE(session.client->seesHangup(milliseconds(2000)));
}

// The flaky choice itself, drawn many times: every outcome occurs, each in its own form,
// and the sequence repeats for the same seed.
TEST(SimFaults, FlakyDrawsEveryFaultRepeatably) {
    const auto draw = [](std::uint32_t seed) {
        std::mt19937 random(seed);
        std::uint32_t garbleState = seed;
        std::vector<std::vector<sim::OutgoingPart>> shapes;
        for (int i = 0; i < 120; ++i) {
            shapes.push_back(
                sim::shapeAnswer("ON\n", {.lateMs = 0, .flaky = true}, random, garbleState));
        }
        return shapes;
    };
    const auto shapes = draw(1);
    std::map<std::string, int> seen;
    for (const auto& parts : shapes) {
        if (parts.empty()) {
            ++seen["silent"];
        } else if (parts.size() == 2 && parts[0].bytes + parts[1].bytes == "ON\n") {
            EXPECT_EQ(parts[1].pauseBeforeMs, sim::kSplitPauseMs);
            ++seen["split"];
        } else if (parts.size() == 2) {
            EXPECT_EQ(parts[0].bytes, "ON\n");
            EXPECT_EQ(parts[1].bytes, "ON\n");
            ++seen["twice"];
        } else if (parts[0].pauseBeforeMs > 0) {
            EXPECT_EQ(parts[0].pauseBeforeMs, sim::kFlakyLateMs);
            EXPECT_EQ(parts[0].bytes, "ON\n");
            ++seen["late"];
        } else if (parts[0].bytes != "ON\n") {
            EXPECT_EQ(parts[0].bytes.size(), 3u);
            ++seen["garble"];
        } else {
            ++seen["clean"];
        }
    }
    for (const char* kind : {"silent", "split", "twice", "late", "garble", "clean"}) {
        EXPECT_GT(seen[kind], 5) << kind;
    }
    const auto again = draw(1);
    const auto other = draw(2);
    const auto bytesOf = [](const auto& all) {
        std::string joined;
        for (const auto& parts : all) {
            joined += "|";
            for (const auto& part : parts) {
                joined += part.bytes + std::to_string(part.pauseBeforeMs);
            }
        }
        return joined;
    };
    EXPECT_EQ(bytesOf(again), bytesOf(shapes));
    EXPECT_NE(bytesOf(other), bytesOf(shapes));
}

TEST(SimFaults, FaultsCombine) {
    std::mt19937 random(1);
    std::uint32_t garbleState = 1;
    const auto parts = sim::shapeAnswer("5.000\n", {.lateMs = 40, .split = true, .twice = true},
                                        random, garbleState);
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[0].bytes + parts[1].bytes, "5.000\n");
    EXPECT_EQ(parts[2].bytes + parts[3].bytes, "5.000\n");
    EXPECT_EQ(parts[0].pauseBeforeMs, 40);
    EXPECT_EQ(parts[1].pauseBeforeMs, sim::kSplitPauseMs);
    EXPECT_EQ(parts[3].pauseBeforeMs, sim::kSplitPauseMs);
}

// Over the line, flaky mode mixes clean answers with faulty ones.
TEST(SimFaults, FlakyInstrumentMixesCleanAndFaultyAnswers) {
    SimSession session(withFaults({.lateMs = 1, .flaky = true}));
    ASSERT_TRUE(session.ok()) << session.error;
    constexpr int kQueries = 40;
    for (int i = 0; i < kQueries; ++i) {
        session.send("*OPC?");
    }
    ASSERT_TRUE(
        simtest::waitUntil([&] { return session.instrument.receivedLines().size() == kQueries; }));
    const std::string got = session.client->readFor(milliseconds(600));
    std::size_t clean = 0;
    std::size_t garbled = 0;
    for (std::size_t i = 0; i + 1 < got.size(); ++i) {
        clean += got.compare(i, 2, "1\n") == 0 ? 1 : 0;
        garbled += (static_cast<unsigned char>(got[i]) & 0x80) != 0 ? 1 : 0;
    }
    EXPECT_GT(clean, 0u);
    EXPECT_GT(garbled, 0u);
}

}  // namespace
