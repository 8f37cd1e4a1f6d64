// What the panel shows when the simulated instrument's line fails, in real time.
#include <time.h>

#include <QGroupBox>
#include <QTemporaryDir>
#include <QTimer>

#include "app/LinkSupervision.h"
#include "serial/TComm.h"
#include "tests/app/PanelFixture.h"
#include "widgets/TStatusBar.h"
#include "widgets/TiSevenSegmentAnalog.h"

namespace {

bool ReadoutsLit(bool lit) {
    for (const TiSevenSegmentAnalog* readout :
         {Form1->isvnsgmntnlg1, Form1->isvnsgmntnlg2, Form1->iSevenSegmentAnalog1}) {
        if (readout->PowerOff() == lit) {
            return false;
        }
    }
    return true;
}

bool PanelShows(const char* text, int tag) {
    return Form1->stat1->PanelText(0) == text && Form1->stat1->Tag() == tag;
}

std::int64_t ProcessCpuMicros() {
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return static_cast<std::int64_t>(cpu.tv_sec) * 1000000 + cpu.tv_nsec / 1000;
}

class LinkSupervisionEndToEndTest : public PanelFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        options.linkPath = dir.filePath("psu").toStdString();
        Configure(options);
        instrument = std::make_unique<sim::SimulatedInstrument>(options);
        PanelFixture::SetUp();
        // The panel uses the link, the path that stays when the instrument comes back.
        Form1->cm1->SetCommName(options.linkPath);
    }
    virtual void Configure(sim::SimOptions&) {}

    QTemporaryDir dir;
    sim::SimOptions options;
};

TEST_F(LinkSupervisionEndToEndTest, DroppedLineIsShownLostCostsNothingAndComesBackByItself) {
    ConnectAndWaitForTheLink();
    ASSERT_TRUE(PanelShows("RS232 Open Sucess!", 1));
    sim::FaultSettings drop;
    drop.dropAfterCommands = 1;  // at the next command
    instrument->setFaults(drop);

    ASSERT_TRUE(WaitFor([] { return Form1->stat1->Tag() == 2; }, 5000));
    EXPECT_TRUE(instrument->lineDropped());
    EXPECT_TRUE(Form1->stat1->PanelText(0).startsWith("Connection lost"));
    EXPECT_TRUE(ReadoutsLit(false));
    EXPECT_FALSE(Form1->cmd_timer->isActive());
    EXPECT_TRUE(Form1->btn16->isEnabled());
    EXPECT_FALSE(Form1->grp2->isEnabled());

    // Waiting for the port is idle: a busy loop would burn a whole core.
    const std::int64_t cpuBefore = ProcessCpuMicros();
    QTest::qWait(3000);
    const std::int64_t cpuUsedUs = ProcessCpuMicros() - cpuBefore;
    RecordProperty("cpu_us_while_lost_3s", std::to_string(cpuUsedUs));
    EXPECT_LT(cpuUsedUs, 300000) << "waiting for the port keeps the processor busy";
    EXPECT_TRUE(Form1->Supervision().WatchingForPort());

    instrument->stop();
    instrument->setFaults({});
    std::string error;
    ASSERT_TRUE(instrument->start(&error)) << error;  // a new pseudo-terminal, the same link
    ASSERT_TRUE(WaitFor([] { return LinkConfirmed == 1; }, 20000)) << "not reconnected";
    EXPECT_TRUE(PanelShows("RS232 Open Sucess!", 1));
    EXPECT_TRUE(ReadoutsLit(true));
}

TEST_F(LinkSupervisionEndToEndTest, InstrumentFallingSilentIsShownAndItsFirstReplyEndsIt) {
    ConnectAndWaitForTheLink();
    // Once polling runs: a reply lost right at the confirmation leaves the timer disarmed.
    ASSERT_TRUE(WaitFor([] { return Form1->cmd_timer->isActive(); }));
    sim::FaultSettings silent;
    silent.silent = true;
    instrument->setFaults(silent);
    ASSERT_TRUE(WaitFor([] { return PanelShows("No reply from instrument", 2); }, 5000));
    EXPECT_TRUE(ReadoutsLit(false));
    EXPECT_TRUE(Form1->cmd_timer->isActive()) << "polling goes on";
    EXPECT_TRUE(Form1->grp2->isEnabled()) << "silence changes no control";
    EXPECT_TRUE(Form1->Supervision().ToolTipText().contains("Last reply "));

    instrument->setFaults({});
    ASSERT_TRUE(WaitFor([] { return PanelShows("RS232 Open Sucess!", 1); }, 5000));
    EXPECT_TRUE(ReadoutsLit(true));
    EXPECT_TRUE(Form1->Supervision().ToolTipText().isEmpty());
}

class MismatchedRateTest : public LinkSupervisionEndToEndTest {
  protected:
    void Configure(sim::SimOptions& o) override { o.line.baud = 19200; }  // the panel: 9600
};

TEST_F(MismatchedRateTest, GarbledRepliesAreShownUnreadable) {
    ConnectAndWaitForTheLink();  // every reply, garbled or not, moves the session on
    ASSERT_TRUE(
        WaitFor([] { return PanelShows("Replies unreadable: check the line settings", 2); }));
    EXPECT_TRUE(ReadoutsLit(false));
    EXPECT_TRUE(Form1->grp2->isEnabled()) << "unreadable replies change no control";
    EXPECT_TRUE(Form1->Supervision().ToolTipText().endsWith("\nNo reply since connecting"));
}

}  // namespace
