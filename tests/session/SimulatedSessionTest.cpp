// The session against the simulated instrument over a pseudo-terminal, in real time:
// synchronisation, polling, an operator command and a silent instrument.
#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "scpi/Scpi.h"
#include "session/CommandQueue.h"
#include "sim/SimulatedInstrument.h"
#include "tests/session/DispatcherRig.h"
#include "tests/support/SyncList.h"

namespace {

const std::vector<std::string> kSyncLines = SyncLines();

const std::vector<std::string> kPollLines = {":OUTP?", ":CURR:PROT:TRIP?", ":VOLT:PROT:TRIP?",
                                             ":MEAS?", ":MEAS:CURR?",      ":MEAS:POW?"};

class SimulatedSession : public ::testing::Test, public DispatcherRig {
  protected:
    SimulatedSession() : DispatcherRig(false) {}

    // Starts the instrument and does what act_connect does.
    void connect(const sim::FaultSettings& faults = {}) {
        sim::SimOptions options;
        options.faults = faults;
        instrument = std::make_unique<sim::SimulatedInstrument>(options);
        std::string error;
        ASSERT_TRUE(instrument->start(&error)) << error;
        cm1.OnReceiveData = [this](TComm*, const char* bytes, std::uint16_t count) {
            DispatchReply(controls, bytes, count);
        };
        cm1.SetCommName(instrument->slavePath());
        cm1.StartComm();
        SessionPhase = 1;
        tick();
    }

    std::vector<std::string> lines() const {
        std::vector<std::string> texts;
        for (const auto& line : instrument->receivedLines()) {
            texts.push_back(line.text);
        }
        return texts;
    }

    std::unique_ptr<sim::SimulatedInstrument> instrument;
};

TEST_F(SimulatedSession, SynchronisesPollsAndSendsAQueuedSetting) {
    connect();
    ASSERT_TRUE(QTest::qWaitFor([] { return LinkConfirmed == 1; }, 15000));
    EXPECT_EQ(connectionEvents, (std::vector<std::string>{"error", "ok"}));
    const auto synced = lines();
    ASSERT_GE(synced.size(), kSyncLines.size());
    EXPECT_EQ(std::vector<std::string>(synced.begin(), synced.begin() + 21), kSyncLines);
    EXPECT_FALSE(form5.isVisible());
    EXPECT_EQ(instrument->state().remote, sim::RemoteState::Remote);
    // What the instrument reported at synchronisation is on the controls.
    EXPECT_TRUE(stat1.PanelText(2).startsWith("Device Version:"));
    EXPECT_GT(stat1.PanelText(2).size(), QString("Device Version:\n").size());
    EXPECT_TRUE(stat1.PanelText(1).startsWith("Range: "));
    EXPECT_FALSE(mainWindow.windowTitle().isEmpty());

    // Reply-driven polling: two full rounds after the synchronisation.
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines().size() >= 21 + 12; }, 10000));
    const auto polled = lines();
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(polled[21 + i], kPollLines[i % 6]) << i;
    }

    QueueUserCommand(0x0C01, "12.5,1.25");
    ASSERT_TRUE(QTest::qWaitFor([&] { return edt1.Text() == "12.500"; }, 10000));
    EXPECT_EQ(edt2.Text(), "1.250");
    EXPECT_EQ(instrument->state().settings.voltage, 12.5);
    EXPECT_EQ(instrument->state().settings.current, 1.25);
    const auto afterApply = lines();
    EXPECT_NE(std::find(afterApply.begin(), afterApply.end(), ":APPL 12.5,1.25"), afterApply.end());
    EXPECT_TRUE(timerArmed());
}

TEST_F(SimulatedSession, SilentInstrumentEndsInLinkFailure) {
    sim::FaultSettings silent;
    silent.silent = true;
    connect(silent);
    // 21 unanswered commands at about 0.6 s each.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !connectionEvents.empty(); }, 30000));
    EXPECT_EQ(connectionEvents, std::vector<std::string>{"error"});
    EXPECT_FALSE(cmd_timer.isActive());
    EXPECT_EQ(LinkConfirmed, 0);
    std::vector<std::string> expected = kSyncLines;
    expected.push_back(":OUTP?");
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines().size() >= expected.size(); }, 2000));
    EXPECT_EQ(lines(), expected);
}

}  // namespace
