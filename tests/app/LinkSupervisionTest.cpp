// The main window's link supervision on the virtual clock: a lost line, the settings it
// drops, the tool tip, and the watch that brings the same port back.
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/LinkSupervision.h"
#include "app/Unit1.h"
#include "serial/TComm.h"
#include "session/SessionState.h"
#include "sim/SimulatedInstrument.h"
#include "tests/app/AppFixture.h"
#include "widgets/TFlatSpinEditFloat.h"
#include "widgets/TStatusBar.h"
#include "widgets/TToolImageButton.h"
#include "widgets/TiSevenSegmentAnalog.h"

namespace {

bool ReadoutsLit() {
    return !Form1->isvnsgmntnlg1->PowerOff() && !Form1->isvnsgmntnlg2->PowerOff() &&
           !Form1->iSevenSegmentAnalog1->PowerOff();
}
bool ReadoutsUnlit() {
    return Form1->isvnsgmntnlg1->PowerOff() && Form1->isvnsgmntnlg2->PowerOff() &&
           Form1->iSevenSegmentAnalog1->PowerOff();
}

// A pseudo-terminal that nothing answers; closing it is a line the system took away.
class DeadEndLine {
  public:
    DeadEndLine() {
        int slave = -1;
        char name[256] = {};
        if (openpty(&master_, &slave, name, nullptr, nullptr) == 0) {
            close(slave);  // the panel is to be the only one on the slave side
            path_ = name;
        }
    }
    ~DeadEndLine() { Close(); }
    void Close() {
        if (master_ >= 0) {
            close(master_);
            master_ = -1;
        }
    }
    const std::string& Path() const { return path_; }

  private:
    int master_ = -1;
    std::string path_;
};

class LinkSupervisionTest : public AppFixture {
  protected:
    void SetUp() override {
        AppFixture::SetUp();
        ASSERT_TRUE(dir.isValid());
        linkPath = dir.filePath("psu").toStdString();
        Form1->cm1->SetCommName(linkPath);
        Form1->show();
    }
    void TearDown() override {
        Form1->close();
        AppFixture::TearDown();
        if (instrument) {
            instrument->stop();
        }
        EXPECT_TRUE(shownErrors.isEmpty()) << shownErrors.join("; ").toStdString();
    }
    static bool WaitFor(const std::function<bool()>& done, int timeoutMs = 15000) {
        return QTest::qWaitFor(done, timeoutMs);
    }
    // Points the panel's port at target, as a device node that comes and goes.
    void LinkPortTo(const std::string& target) {
        QFile::remove(QString::fromStdString(linkPath));
        ASSERT_EQ(symlink(target.c_str(), linkPath.c_str()), 0);
    }
    void StartInstrument() {
        sim::SimOptions options;
        options.linkPath = linkPath;
        instrument = std::make_unique<sim::SimulatedInstrument>(options);
        std::string error;
        ASSERT_TRUE(instrument->start(&error)) << error;
    }
    // Connects to a line that never answers and loses it.
    void LoseADeadEndLine(DeadEndLine& line) {
        LinkPortTo(line.Path());
        Form1->act_connect->trigger();
        ASSERT_TRUE(Form1->cm1->IsOpen());
        line.Close();
        ASSERT_TRUE(
            WaitFor([] { return Form1->Supervision().Health().State() == LinkState::Lost; }, 5000));
    }

    QTemporaryDir dir;
    std::string linkPath;
    std::unique_ptr<sim::SimulatedInstrument> instrument;
    std::unique_ptr<DeadEndLine> spareLine;  // a line the operator connects to by hand
};

TEST_F(LinkSupervisionTest, LossDropsTheWaitingSettingsAndTheReturningPortReconnects) {
    StartInstrument();
    Form1->act_connect->trigger();
    ASSERT_TRUE(WaitFor([] { return LinkConfirmed == 1; })) << "link not confirmed";
    EXPECT_EQ(Form1->stat1->PanelText(0), "RS232 Open Sucess!");
    EXPECT_TRUE(ReadoutsLit());
    EXPECT_TRUE(Form1->Supervision().ToolTipText().isEmpty());

    // No reply on its way: the instrument falls silent once polling runs (a reply lost right
    // at the confirmation leaves the timer disarmed), and the timer has moved on once.
    ASSERT_TRUE(WaitFor([] { return Form1->cmd_timer->isActive(); }));
    sim::FaultSettings silent;
    silent.silent = true;
    instrument->setFaults(silent);
    QSignalSpy expired(Form1->cmd_timer, &QTimer::timeout);
    ASSERT_TRUE(expired.wait(3000));
    const double ovpBefore = instrument->state().settings.ovpLevel;
    Form1->edt3->SetValue(12.5);
    Form1->act_cmd_ovp_v->trigger();  // a setting and its read-back
    Form1->act_cmd_outp->trigger();
    Form1->act_cmd_ocp_i->trigger();  // a setting and its read-back
    ASSERT_EQ(UserQueue->size(), 5);
    instrument->stop();  // the line goes, and with it the port's link

    ASSERT_TRUE(WaitFor([] { return Form1->stat1->Tag() == 2; }, 5000));
    EXPECT_EQ(Form1->stat1->PanelText(0), "Connection lost: 3 settings not sent");
    EXPECT_TRUE(ReadoutsUnlit());
    EXPECT_TRUE(UserQueue->isEmpty());
    EXPECT_TRUE(UserQueueArgs->isEmpty());
    EXPECT_FALSE(Form1->cmd_timer->isActive());
    EXPECT_FALSE(Form1->cm1->IsOpen());
    // The link-failed state: connect and the port dialog usable, the rest not.
    EXPECT_TRUE(Form1->btn16->isEnabled());
    EXPECT_TRUE(Form1->btn13->isEnabled());
    EXPECT_FALSE(Form1->btn1->isEnabled());
    EXPECT_FALSE(Form1->btn12->isEnabled());
    EXPECT_FALSE(Form1->btn2->isEnabled());
    EXPECT_FALSE(Form1->grp2->isEnabled());
    EXPECT_FALSE(Form1->grp3->isEnabled());
    EXPECT_TRUE(Form1->Supervision().WatchingForPort());

    clock.advance(47000);
    const QStringList tip = Form1->Supervision().ToolTipText().split('\n');
    ASSERT_EQ(tip.size(), 2);
    EXPECT_EQ(tip[0], "Connection lost: 3 settings not sent");
    const QRegularExpressionMatch since =
        QRegularExpression(R"(^Last reply \d\d:\d\d:\d\d, (\d+) s ago$)").match(tip[1]);
    ASSERT_TRUE(since.hasMatch()) << tip[1].toStdString();
    EXPECT_GE(since.captured(1).toInt(), 47);
    EXPECT_EQ(since.captured(1).toUInt(),
              *Form1->Supervision().Health().MsSinceLastGoodReply() / 1000);

    // The node comes back but cannot be used yet: no message, tried again later.
    const QString notATerminal = dir.filePath("not-a-terminal");
    QFile file(notATerminal);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    LinkPortTo(notATerminal.toStdString());
    QTest::qWait(2 * LinkSupervision::kPortCheckMs + 300);
    EXPECT_FALSE(Form1->cm1->IsOpen());
    EXPECT_TRUE(Form1->Supervision().WatchingForPort());

    StartInstrument();  // the same link path again, a new pseudo-terminal behind it
    ASSERT_TRUE(WaitFor([] { return LinkConfirmed == 1; })) << "not reconnected";
    EXPECT_EQ(Form1->stat1->PanelText(0), "RS232 Open Sucess!");
    EXPECT_EQ(Form1->stat1->Tag(), 1);
    EXPECT_TRUE(ReadoutsLit());
    EXPECT_FALSE(Form1->Supervision().WatchingForPort());
    EXPECT_TRUE(Form1->grp2->isEnabled());

    // A whole synchronisation, then polling; the settings asked for before never follow.
    ASSERT_TRUE(WaitFor([&] { return instrument->receivedLines().size() >= 40; }));
    const std::vector<sim::ReceivedLine> lines = instrument->receivedLines();
    EXPECT_EQ(lines.front().text, ":SYST:REM");
    for (const sim::ReceivedLine& line : lines) {
        for (const char* setting : {":VOLT:PROT ", ":OUTP ", ":CURR:PROT "}) {
            EXPECT_NE(line.text.rfind(setting, 0), 0u) << line.text;
        }
    }
    EXPECT_EQ(instrument->state().settings.ovpLevel, ovpBefore);
}

TEST_F(LinkSupervisionTest, TheOperatorEndsTheWatch) {
    struct Way {
        const char* name;
        std::function<void()> act;
    };
    const Way ways[] = {
        {"choosing another port", [] { Form1->cm1->SetCommName("/dev/psu-elsewhere"); }},
        {"connecting by hand",
         [this] {
             spareLine = std::make_unique<DeadEndLine>();
             LinkPortTo(spareLine->Path());
             Form1->act_connect->trigger();
         }},
        {"disconnecting", [] { Form1->act_disconnect->trigger(); }},
    };
    for (const Way& way : ways) {
        DeadEndLine line;
        LoseADeadEndLine(line);
        ASSERT_TRUE(Form1->Supervision().WatchingForPort()) << way.name;
        way.act();
        // A check sees the change at once or at the latest one period later.
        EXPECT_TRUE(WaitFor([] { return !Form1->Supervision().WatchingForPort(); },
                            2 * LinkSupervision::kPortCheckMs))
            << way.name;
        Form1->act_disconnect->trigger();
        Form1->cm1->SetCommName(linkPath);
        spareLine.reset();
    }
}

TEST_F(LinkSupervisionTest, ALossBeforeTheLinkIsConfirmedStartsTheNextConnectFromTheTop) {
    DeadEndLine line;
    LoseADeadEndLine(line);
    EXPECT_EQ(Form1->stat1->PanelText(0), "Connection lost");
    EXPECT_EQ(SyncIndex, 0);
    EXPECT_FALSE(Form1->cmd_timer->isActive());
    EXPECT_TRUE(ReadoutsUnlit());
    EXPECT_TRUE(Form1->Supervision().ToolTipText().endsWith("\nNo reply since connecting"));

    StartInstrument();  // comes back under the watched path
    ASSERT_TRUE(WaitFor([] { return LinkConfirmed == 1; })) << "not reconnected";
    EXPECT_EQ(instrument->receivedLines().front().text, ":SYST:REM");
    EXPECT_TRUE(ReadoutsLit());
}

}  // namespace
