// Which controls are usable after each connection action.
#include <QAction>
#include <QGroupBox>

#include "app/Unit1.h"
#include "serial/TComm.h"
#include "session/SessionState.h"
#include "tests/app/AppFixture.h"
#include "tests/support/PtyPair.h"
#include "widgets/TStatusBar.h"
#include "widgets/TToolImageButton.h"

namespace {

enum Tri { Off, On, Same };

struct StateRow {
    const char* action;
    Tri btn16, btn1, btn12, btn2, btn13, btn17, grp2, grp3;
    bool btn20Hidden;
    const char* panel0;  // nullptr: unchanged
    int tag;             // -1: unchanged
};

using ConnectionStatesTest = AppFixture;

TEST_F(ConnectionStatesTest, EachActionLeavesTheControlsAsTabulated) {
    PtyPair line;  // nothing answers
    ASSERT_FALSE(line.SlaveName().empty());
    Form1->cm1->SetCommName(line.SlaveName());
    Form1->show();
    // The range button shows once the range has been reported; only a disconnect hides it.
    Form1->btn20->setVisible(true);

    const StateRow rows[] = {
        {"start", On, Off, Off, Off, On, On, Off, Off, false, "Please Connect Device", 0},
        {"act_connect", Off, Same, Same, Same, Off, Same, Same, Same, false, nullptr, -1},
        {"act_connect_error", On, Off, Off, Off, On, Same, Off, Off, false, nullptr, -1},
        {"act_connect_ok", Off, On, On, On, Same, Same, On, On, false, "RS232 Open Sucess!", 1},
        {"act_disconnect", On, Off, Off, Off, On, On, Off, Off, true, "Please Connect Device", 0},
    };
    QWidget* const controls[] = {Form1->btn16, Form1->btn1,  Form1->btn12, Form1->btn2,
                                 Form1->btn13, Form1->btn17, Form1->grp2,  Form1->grp3};
    const char* const names[] = {"btn16", "btn1",  "btn12", "btn2",
                                 "btn13", "btn17", "grp2",  "grp3"};
    bool enabledBefore[8] = {};
    for (const StateRow& row : rows) {
        for (int i = 0; i < 8; ++i) {
            enabledBefore[i] = controls[i]->isEnabled();
        }
        const QString panelBefore = Form1->stat1->PanelText(0);
        const int tagBefore = Form1->stat1->Tag();
        if (QString(row.action) != "start") {
            Form1->findChild<QAction*>(row.action)->trigger();
        }
        const Tri expected[] = {row.btn16, row.btn1,  row.btn12, row.btn2,
                                row.btn13, row.btn17, row.grp2,  row.grp3};
        for (int i = 0; i < 8; ++i) {
            const bool want = expected[i] == Same ? enabledBefore[i] : expected[i] == On;
            EXPECT_EQ(controls[i]->isEnabled(), want) << row.action << ": " << names[i];
        }
        EXPECT_EQ(Form1->btn20->isHidden(), row.btn20Hidden) << row.action;
        EXPECT_EQ(Form1->stat1->PanelText(0),
                  row.panel0 != nullptr ? QString(row.panel0) : panelBefore)
            << row.action;
        EXPECT_EQ(Form1->stat1->Tag(), row.tag >= 0 ? row.tag : tagBefore) << row.action;
    }
    EXPECT_TRUE(shownErrors.isEmpty());
}

TEST_F(ConnectionStatesTest, ConnectOpensThePortAndStartsSynchronising) {
    PtyPair line;  // nothing answers
    Form1->cm1->SetCommName(line.SlaveName());
    Form1->show();
    Form1->act_connect->trigger();
    EXPECT_TRUE(Form1->cm1->IsOpen());
    EXPECT_EQ(SessionPhase, 1);
    EXPECT_EQ(SyncIndex, 1);  // the first synchronisation command went out at once
    // A link failure leaves the port open; connecting again closes and reopens it.
    Form1->act_connect_error->trigger();
    Form1->act_connect->trigger();
    EXPECT_TRUE(Form1->cm1->IsOpen());
    EXPECT_TRUE(shownErrors.isEmpty());
}

}  // namespace
