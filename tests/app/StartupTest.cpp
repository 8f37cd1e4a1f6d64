#include <QAction>
#include <QGroupBox>
#include <QTimer>

#include "app/About.h"
#include "app/Unit1.h"
#include "controls/Unit6.h"
#include "scpi/Scpi.h"
#include "serial/Com_config.h"
#include "serial/TComm.h"
#include "session/SessionState.h"
#include "session/Unit5.h"
#include "tests/app/AppFixture.h"
#include "widgets/TStatusBar.h"
#include "widgets/TToolImageButton.h"

namespace {

using StartupTest = AppFixture;

TEST_F(StartupTest, CreatesTheFiveWindowsInOrderHiddenWithTheMainWindowFirst) {
    const std::vector<QWidget*> forms = app()->Forms();
    ASSERT_EQ(forms.size(), 5u);
    EXPECT_EQ(forms[0], Form1);
    EXPECT_EQ(forms[1], Form2);
    EXPECT_EQ(forms[2], Form3);
    EXPECT_EQ(forms[3], Form5);
    EXPECT_EQ(forms[4], Form6);
    EXPECT_EQ(app()->MainForm(), Form1);
    for (QWidget* form : forms) {
        EXPECT_TRUE(form->isHidden()) << form->objectName().toStdString();
    }
    EXPECT_EQ(Form1->windowTitle(), "DC Power Supply");
    EXPECT_EQ(Form2->windowTitle(), "about");
    EXPECT_EQ(Form3->windowTitle(), "RS232 Config");
    EXPECT_EQ(Form6->windowTitle(), "Save File Selection");
    EXPECT_EQ(Form1->size(), QSize(665, 400));
    // The measurement and setpoint groups have 16-pixel fonts; "Output" keeps the window's.
    EXPECT_EQ(Form1->font().pixelSize(), 11);
    EXPECT_EQ(Form1->grp1->font().pixelSize(), 16);
    EXPECT_EQ(Form1->grp2->font().pixelSize(), 16);
    EXPECT_EQ(Form1->grp3->font().pixelSize(), 11);
    // The lists exist from the main window's creation on; the timer runs from the start.
    EXPECT_TRUE(SessionListsExist());
    EXPECT_TRUE(Form1->cmd_timer->isActive());
    EXPECT_EQ(Form1->cmd_timer->interval(), 500);
    EXPECT_EQ(Form1->cm1->CommName(), "COM7");
}

TEST_F(StartupTest, DestroyingTheWindowsClearsTheirGlobalReferences) {
    app()->DestroyForms();
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(Form2, nullptr);
    EXPECT_EQ(Form3, nullptr);
    EXPECT_EQ(Form5, nullptr);
    EXPECT_EQ(Form6, nullptr);
}

TEST_F(StartupTest, FirstShowResetsTheSession) {
    SessionPhase = 2;
    SyncIndex = 5;
    PollIndex = 3;
    LinkConfirmed = 1;
    UserQueue->append("3073");
    UserQueueArgs->append("1,2");

    Form1->show();

    EXPECT_TRUE(Form1->btn16->isEnabled());
    EXPECT_FALSE(Form1->btn1->isEnabled());
    EXPECT_FALSE(Form1->btn12->isEnabled());
    EXPECT_FALSE(Form1->btn2->isEnabled());
    EXPECT_TRUE(Form1->btn13->isEnabled());
    EXPECT_TRUE(Form1->btn17->isEnabled());
    EXPECT_TRUE(Form1->btn20->isHidden());
    EXPECT_FALSE(Form1->grp2->isEnabled());
    EXPECT_FALSE(Form1->grp3->isEnabled());
    EXPECT_EQ(SessionPhase, 0);
    EXPECT_EQ(SyncIndex, 0);
    EXPECT_EQ(PollIndex, 0);
    EXPECT_EQ(LinkConfirmed, 0);
    EXPECT_EQ(SyncList->size(), 21);
    EXPECT_EQ(SyncList->front(), "14592");  // :SYST:REM first
    EXPECT_EQ(PollList->size(), 6);
    EXPECT_TRUE(UserQueue->isEmpty());
    EXPECT_TRUE(UserQueueArgs->isEmpty());
    EXPECT_EQ(Form1->stat1->PanelText(0), "Please Connect Device");
    EXPECT_EQ(Form1->stat1->Tag(), 0);

    // The reset happens once: a later showing leaves the session alone.
    SessionPhase = 2;
    Form1->hide();
    Form1->show();
    EXPECT_EQ(SessionPhase, 2);
}

TEST_F(StartupTest, TicksBeforeTheFirstConnectSendNothingAndKeepTheTimerRunning) {
    Form1->show();
    CurrentCommand = S_SCPI_CMD{};
    for (int i = 0; i < 3; ++i) {
        Form1->act_cmd_timer->trigger();
    }
    EXPECT_EQ(CurrentCommand.id, 0);
    EXPECT_TRUE(CurrentCommand.text.empty());
    EXPECT_TRUE(clock.sleeps().empty());
    EXPECT_TRUE(Form1->cmd_timer->isActive());
    EXPECT_EQ(Form1->cmd_timer->interval(), 500);
}

TEST_F(StartupTest, ClosingTheMainWindowDisconnectsAndFreesTheLists) {
    Form1->show();
    Form1->stat1->SetPanelText(0, "RS232 Open Sucess!");
    Form1->stat1->SetTag(1);
    LinkConfirmed = 1;

    Form1->close();

    EXPECT_FALSE(SessionListsExist());
    EXPECT_FALSE(Form1->cmd_timer->isActive());
    EXPECT_FALSE(Form1->cm1->IsOpen());
    EXPECT_EQ(Form1->stat1->PanelText(0), "Please Connect Device");
    EXPECT_EQ(Form1->stat1->Tag(), 0);
    EXPECT_EQ(LinkConfirmed, 0);
    // 200 ms before ":SYST:LOC" (which still paces although the port is closed), 10 after.
    const std::vector<std::uint32_t> sleeps = clock.sleeps();
    ASSERT_GE(sleeps.size(), 3u);
    EXPECT_EQ(sleeps.front(), 200u);
    EXPECT_EQ(sleeps.back(), 10u);
    EXPECT_EQ(CurrentCommand.text, ":SYST:LOC");
    EXPECT_TRUE(shownErrors.isEmpty());
}

TEST_F(StartupTest, AReceiveEventAfterCloseReachesNeitherSchedulerNorDispatcher) {
    Form1->show();
    Form1->close();
    CurrentCommand.id = 0x1701;  // :MEAS?
    CurrentCommand.awaitReply = 1;
    const std::size_t sleepsBefore = clock.sleeps().size();
    const char reply[] = "12.345\n";
    ASSERT_TRUE(static_cast<bool>(Form1->cm1->OnReceiveData));
    Form1->cm1->OnReceiveData(Form1->cm1, reply, 7);
    // The dispatcher would have cleared the flag and the scheduler would have slept.
    EXPECT_EQ(CurrentCommand.awaitReply, 1);
    EXPECT_EQ(clock.sleeps().size(), sleepsBefore);
    EXPECT_FALSE(Form1->cmd_timer->isActive());
}

}  // namespace
