#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <chrono>

#include "scpi/Scpi.h"
#include "session/CommandQueue.h"
#include "session/LinkHealth.h"
#include "tests/session/SchedulerRig.h"
#include "tests/support/PtyPair.h"
#include "tests/support/SyncList.h"

namespace {

using namespace std::chrono_literals;

const std::vector<CommandId> kSyncOrder = SyncOrder();

const char* const kPollTexts[] = {":OUTP?", ":CURR:PROT:TRIP?", ":VOLT:PROT:TRIP?",
                                  ":MEAS?", ":MEAS:CURR?",      ":MEAS:POW?"};

class SchedulerTest : public ::testing::Test, public SchedulerRig {
  protected:
    // Opens cm1 on a pseudo-terminal so a test can read the lines the ticks write.
    void openPort() {
        ASSERT_TRUE(link.IsOpen());
        cm1.SetCommName(link.SlaveName());
        cm1.StartComm();
    }
    void startPolling() {
        SessionPhase = 2;
        LinkConfirmed = 1;
    }

    PtyPair link{PtySlave::Raw};
};

TEST_F(SchedulerTest, SynchronisationShowsOneDotPerCommandAndEndsInPolling) {
    SessionPhase = 1;
    for (int i = 0; i < 21; ++i) {
        tick();
        EXPECT_EQ(CurrentCommand.id, kSyncOrder[i]) << i;
        EXPECT_EQ(form5.Label3->text(), QString(i + 2, QLatin1Char('.'))) << i;
        EXPECT_EQ(form5.isVisible(), i < 20) << i;
        EXPECT_TRUE(timerArmed()) << i;
    }
    EXPECT_EQ(SessionPhase, 2);
    EXPECT_EQ(SyncIndex, 0);
    EXPECT_EQ(PollIndex, 0);
    EXPECT_TRUE(connectionEvents.empty());

    // The first poll finds the link unconfirmed: link failed, timer left disarmed.
    tick();
    EXPECT_EQ(CurrentCommand.text, ":OUTP?");
    EXPECT_EQ(connectionEvents, std::vector<std::string>{"error"});
    EXPECT_FALSE(cmd_timer.isActive());
}

TEST_F(SchedulerTest, PollsRoundRobinWhileTheQueueIsEmpty) {
    startPolling();
    for (int i = 0; i < 13; ++i) {
        tick();
        EXPECT_EQ(CurrentCommand.text, kPollTexts[i % 6]) << i;
        EXPECT_TRUE(timerArmed());
    }
    EXPECT_TRUE(connectionEvents.empty());
}

TEST_F(SchedulerTest, QueuedCommandsGoBeforeTheNextPollWithTheirArguments) {
    openPort();
    startPolling();
    for (int i = 0; i < 4; ++i) {
        tick();  // up to ":MEAS?"
    }
    QueueUserCommand(0x2300, "LOW");
    QueueUserCommand(0x0C01, "1.2,0.5");
    tick();
    tick();
    EXPECT_EQ(PollIndex, 4);  // the poll keeps its place while the queue drains
    tick();
    const std::string expected =
        ":OUTP?\n:CURR:PROT:TRIP?\n:VOLT:PROT:TRIP?\n:MEAS?\n"
        ":VOLT:RANG LOW\n:VOLT:RANG?\n:APPL 1.2,0.5\n:APPL?\n:MEAS:CURR?\n";
    EXPECT_EQ(link.ReceiveWithin(expected.size(), 5s), expected);
    EXPECT_TRUE(UserQueue->isEmpty());
    EXPECT_TRUE(UserQueueArgs->isEmpty());
}

TEST_F(SchedulerTest, MergedCommandKeepsTheOlderPlaceWithTheNewerArgument) {
    openPort();
    startPolling();
    QueueUserCommand(0x0C01, "1,1");
    QueueUserCommand(0x1800, "ON");
    QueueUserCommand(0x0C01, "2,0.5");
    tick();
    tick();
    tick();
    const std::string expected = ":APPL 2,0.5\n:APPL?\n:OUTP ON\n:OUTP?\n:OUTP?\n";
    EXPECT_EQ(link.ReceiveWithin(expected.size(), 5s), expected);
}

TEST_F(SchedulerTest, CommandsQueuedDuringSynchronisationFollowTheLastSyncCommand) {
    SessionPhase = 1;
    for (int i = 0; i < 16; ++i) {
        tick();  // the range has been asked: the range button is usable from here
    }
    QueueUserCommand(0x2300, "HIGH");
    QueueUserCommand(0x0C01, "5,1");
    for (int i = 16; i < 21; ++i) {
        tick();
        EXPECT_EQ(CurrentCommand.id, kSyncOrder[i]);
    }
    EXPECT_FALSE(form5.isVisible());
    tick();
    EXPECT_EQ(CurrentCommand.id, 0x2301);
    tick();
    EXPECT_EQ(CurrentCommand.id, 0x0C02);
    EXPECT_TRUE(connectionEvents.empty());  // operator commands skip the link check
    EXPECT_TRUE(timerArmed());
    tick();
    EXPECT_EQ(CurrentCommand.text, ":OUTP?");
    EXPECT_EQ(connectionEvents, std::vector<std::string>{"error"});
}

TEST_F(SchedulerTest, ProgressWindowOfARecallGainsADotPerQueuedCommandAndCloses) {
    startPolling();
    form5.Label3->setText(".");
    form5.show();
    QueueUserCommand(0x0700, "2", {{0x0C02, ""}, {0x2503, ""}});
    tick();
    EXPECT_EQ(form5.Label3->text(), "..");
    tick();
    EXPECT_EQ(form5.Label3->text(), "...");
    EXPECT_TRUE(form5.isVisible());
    tick();
    EXPECT_EQ(form5.Label3->text(), "....");
    EXPECT_FALSE(form5.isVisible());
    tick();
    EXPECT_EQ(CurrentCommand.text, ":OUTP?");
    EXPECT_EQ(form5.Label3->text(), "....");
}

TEST_F(SchedulerTest, SilentInstrumentWalksTheSyncListOnTheTimerAndFails) {
    SessionPhase = 1;
    tick();  // what act_connect runs
    std::vector<CommandId> sent{CurrentCommand.id};
    // Each unanswered command leaves the timer armed; its expiry runs the next tick.
    while (timerArmed() && sent.size() < 40) {
        QSignalSpy expired(&cmd_timer, &QTimer::timeout);
        ASSERT_TRUE(expired.wait(2000));
        sent.push_back(CurrentCommand.id);
    }
    std::vector<CommandId> expected(std::begin(kSyncOrder), std::end(kSyncOrder));
    expected.push_back(0x1801);
    EXPECT_EQ(sent, expected);
    EXPECT_EQ(connectionEvents, std::vector<std::string>{"error"});
    EXPECT_FALSE(cmd_timer.isActive());
    EXPECT_EQ(SessionPhase, 2);
}

TEST_F(SchedulerTest, TicksThatSendNothing) {
    const auto unchanged = [] { return CurrentCommand.text == "none" && CurrentCommand.id == 0; };
    CurrentCommand = S_SCPI_CMD{"none", 0, 0, 0, 0};

    tick();  // idle before the first connect
    EXPECT_TRUE(unchanged());
    EXPECT_TRUE(timerArmed());

    startPolling();
    PollList->clear();
    tick();
    EXPECT_TRUE(unchanged());
    EXPECT_TRUE(timerArmed());

    // A receive event after the main window closed finds no lists and no session.
    DestroySessionLists();
    tick();
    EXPECT_TRUE(unchanged());
    EXPECT_FALSE(cmd_timer.isActive());
    EXPECT_TRUE(clock.sleeps().empty());
}

TEST_F(SchedulerTest, TimerTicksTellTheLinkHealthAndStillSendOnePollEach) {
    startPolling();
    linkHealth.SessionStarted();
    for (int i = 0; i < 4; ++i) {
        cmd_timerTimer(controls);  // as cmd_timer runs it
        EXPECT_EQ(CurrentCommand.text, kPollTexts[i]) << i;
        EXPECT_EQ(linkHealth.State(), i < 2 ? LinkState::Live : LinkState::Silent) << i;
        EXPECT_TRUE(timerArmed()) << i;
    }
    // A tick that a reply runs says nothing about silence.
    linkHealth.ReplyReceived("OFF\n", ReplyReading::Text);
    tick();
    tick();
    tick();
    EXPECT_EQ(linkHealth.State(), LinkState::Live);
    EXPECT_EQ(CurrentCommand.text, kPollTexts[0]);  // the seventh poll wraps round
}

TEST_F(SchedulerTest, ExpiringTimerMakesASilentLinkSilent) {
    openPort();
    startPolling();
    linkHealth.SessionStarted();
    tick();
    int expiries = 0;
    while (linkHealth.State() == LinkState::Live && expiries < 5) {
        QSignalSpy expired(&cmd_timer, &QTimer::timeout);
        ASSERT_TRUE(expired.wait(2000));
        ++expiries;
    }
    EXPECT_EQ(expiries, kUnansweredCommandsForSilent);
    EXPECT_EQ(linkHealth.State(), LinkState::Silent);
    EXPECT_TRUE(timerArmed()) << "polling goes on while silent";
}

}  // namespace
