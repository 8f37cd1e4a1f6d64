#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "controls/OperatorActions.h"
#include "controls/TCSpinButton.h"
#include "controls/Unit6.h"
#include "tests/controls/ControlsFixture.h"
#include "widgets/TiIntegerOutput.h"

namespace {

class SlotDialogTest : public ControlsFixture {
  protected:
    void SetUp() override {
        ControlsFixture::SetUp();
        c.Form6_iIntegerOutput1 = dialog.iIntegerOutput1;
        QObject::connect(&recallDo, &QAction::triggered,
                         [this] { controls::act_cmd_recall_do(c, dialog); });
        QObject::connect(&saveDo, &QAction::triggered,
                         [this] { controls::act_cmd_save_do(dialog); });
        dialog.SetMainWindowParts(&window, &toolbar, &params, &output, &recallDo, &saveDo);
    }
    void TearDown() override {
        dialog.hide();
        ControlsFixture::TearDown();
    }

    QWidget toolbar;
    QWidget params;
    QWidget output;
    QAction recallDo;
    QAction saveDo;
    TForm6 dialog;
};

const QStringList kReadBack = {"6145", "3074", "5889", "8706", "8193", "8449", "5377", "7170",
                               "6657", "6913", "8961", "7683", "7171", "9475", "8707"};

TEST_F(SlotDialogTest, RecallQueuesTheSlotAndTheFullReadBackBehindTheProgressWindow) {
    controls::act_cmd_recall(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Load File Selection");
    EXPECT_FALSE(params.isEnabled());
    EXPECT_FALSE(output.isEnabled());
    EXPECT_FALSE(toolbar.isEnabled());
    dialog.iIntegerOutput1->SetValue(3);
    QTest::mouseClick(dialog.Button1, Qt::LeftButton);

    EXPECT_EQ(Queue(), QStringList{"1792"} + kReadBack);
    EXPECT_EQ(Args(), QStringList{"3"} + QStringList(15, "0"));
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->Label3->text(), ".");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(params.isEnabled());
    EXPECT_TRUE(output.isEnabled());
    EXPECT_TRUE(toolbar.isEnabled());
}

TEST_F(SlotDialogTest, ASecondRecallBeforeSendingOnlyChangesTheSlot) {
    controls::act_cmd_recall(dialog);
    dialog.iIntegerOutput1->SetValue(3);
    dialog.Button1Click();
    progress->Label3->setText("....");
    controls::act_cmd_recall(dialog);
    dialog.iIntegerOutput1->SetValue(5);
    dialog.Button1Click();
    EXPECT_EQ(Queue(), QStringList{"1792"} + kReadBack);
    EXPECT_EQ(Args().front(), "5");
    EXPECT_EQ(progress->Label3->text(), "....");
}

TEST_F(SlotDialogTest, SaveQueuesOnlyTheSaveCommand) {
    controls::act_cmd_save(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Save File Selection");
    dialog.iIntegerOutput1->SetValue(3);
    dialog.Button1Click();
    EXPECT_EQ(Queue(), QStringList{"2304"});
    EXPECT_EQ(Args(), QStringList{"3"});
    EXPECT_FALSE(progress->isVisible());
}

TEST_F(SlotDialogTest, CancelAndTheCloseBoxQueueNothingAndUnlockTheMainWindow) {
    controls::act_cmd_recall(dialog);
    QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    EXPECT_EQ(dialog.Button2->text(), "Canel");
    EXPECT_TRUE(params.isEnabled());
    controls::act_cmd_save(dialog);
    EXPECT_FALSE(params.isEnabled());
    dialog.close();
    EXPECT_TRUE(params.isEnabled());
    EXPECT_TRUE(toolbar.isEnabled());
    EXPECT_TRUE(UserQueue->isEmpty());
}

TEST_F(SlotDialogTest, OkBeforeAnyOpeningModeQueuesNothing) {
    ASSERT_EQ(dialog.SlotDialogMode, 0);
    dialog.Button1Click();
    EXPECT_TRUE(UserQueue->isEmpty());
}

TEST_F(SlotDialogTest, ArrowsStopAtZeroAndNinetyNine) {
    struct ArrowCase {
        int start;
        bool up;
        int expected;
    };
    const ArrowCase cases[] = {{99, true, 99}, {98, true, 99},  {0, false, 0},
                               {1, false, 0},  {-1, false, -1}, {-1, true, 0}};
    for (const ArrowCase& a : cases) {
        dialog.iIntegerOutput1->SetValue(a.start);
        QTest::mouseClick(
            a.up ? dialog.CSpinButton1->UpButton() : dialog.CSpinButton1->DownButton(),
            Qt::LeftButton);
        EXPECT_EQ(dialog.iIntegerOutput1->Value(), a.expected)
            << a.start << (a.up ? " up" : " down");
    }
}

}  // namespace
