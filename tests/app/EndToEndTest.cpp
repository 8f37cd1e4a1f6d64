// The panel against the simulated instrument, through the real window, in real time.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "app/About.h"
#include "controls/Unit6.h"
#include "scpi/Scpi.h"
#include "serial/TComm.h"
#include "session/Unit5.h"
#include "tests/app/PanelFixture.h"
#include "tests/support/SyncList.h"
#include "widgets/TFlatSpinEditFloat.h"
#include "widgets/TStateImage.h"
#include "widgets/TStatusBar.h"
#include "widgets/TToolImageButton.h"
#include "widgets/TiIntegerOutput.h"
#include "widgets/TiLedRectangle.h"
#include "widgets/TiSevenSegmentAnalog.h"

namespace {

using EndToEndTest = PanelFixture;

bool Near(double a, double b) {
    return std::fabs(a - b) < 1e-6;
}

std::vector<std::string> LinesReceived(const sim::SimulatedInstrument& instrument) {
    std::vector<std::string> lines;
    for (const sim::ReceivedLine& line : instrument.receivedLines()) {
        lines.push_back(line.text);
    }
    return lines;
}

TEST_F(EndToEndTest, ConnectReadsTheWholeStateAndConfirmsTheLink) {
    instrument->setLoadOhms(5);
    ConnectAndWaitForTheLink();

    const std::vector<std::string> expectedSync = SyncLines();
    const std::vector<std::string> lines = LinesReceived(*instrument);
    ASSERT_GE(lines.size(), expectedSync.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 21), expectedSync);

    // Connected state.
    EXPECT_FALSE(Form1->btn16->isEnabled());
    EXPECT_TRUE(Form1->btn1->isEnabled());
    EXPECT_TRUE(Form1->btn12->isEnabled());
    EXPECT_TRUE(Form1->btn2->isEnabled());
    EXPECT_TRUE(Form1->grp2->isEnabled());
    EXPECT_TRUE(Form1->grp3->isEnabled());
    EXPECT_FALSE(Form5->isVisible());
    EXPECT_EQ(Form1->stat1->PanelText(0), "RS232 Open Sucess!");
    EXPECT_EQ(Form1->stat1->Tag(), 1);
    EXPECT_EQ(Form1->stat1->PanelText(1), "Range: LOW\n");
    EXPECT_TRUE(Form1->stat1->PanelText(2).startsWith("Device Version:"));
    EXPECT_EQ(Form1->stat1->PanelText(3), "SCPI Version 1999.0\n");
    EXPECT_EQ("Device Version:" + Form2->Label3->text(), Form1->stat1->PanelText(2));
    EXPECT_EQ(Form2->Label4->text(), "1999.0\n");
    EXPECT_EQ(Form1->windowTitle(), "DC Power Supply      18.000V,3.000000A");

    // The instrument's defaults: 5 V, 1 A set, output off; OVP 39.6 V, OCP 3.3 A, both off.
    // The levels are read before their maxima, above the edits' design bounds of 36 V and
    // 3 A, and are shown as reported once the maxima have raised the bounds.
    EXPECT_TRUE(Near(Form1->edt1->Value(), 5.0));
    EXPECT_TRUE(Near(Form1->edt2->Value(), 1.0));
    EXPECT_EQ(Form1->edt3->Text(), "39.600");
    EXPECT_EQ(Form1->edt4->Text(), "3.300");
    EXPECT_NEAR(Form1->edt1->MaxValue(), 18.0, 1e-4);
    EXPECT_NEAR(Form1->edt2->MaxValue(), 3.0, 1e-4);
    EXPECT_NEAR(Form1->edt3->MaxValue(), 39.6, 1e-4);
    EXPECT_NEAR(Form1->edt4->MaxValue(), 3.3, 1e-4);
    EXPECT_FALSE(Form1->ildrctngl1->Active());
    EXPECT_EQ(Form1->img1->ShowState(), 0);
    EXPECT_EQ(Form1->img2->ShowState(), 0);
    EXPECT_EQ(Form1->img3->ShowState(), 0);
    EXPECT_FALSE(Form1->iLedRectangle1->Active());
    EXPECT_FALSE(Form1->iLedRectangle2->Active());
    EXPECT_FALSE(Form1->btn20->isHidden());
    EXPECT_EQ(Form1->btn20->ImageIndex(), 9);  // low range: the button offers High

    // Polling goes on after the link is confirmed.
    const std::size_t linesAtLink = instrument->receivedLines().size();
    ASSERT_TRUE(WaitFor([&] { return instrument->receivedLines().size() >= linesAtLink + 7; }));
    const std::vector<std::string> later = LinesReceived(*instrument);
    EXPECT_NE(std::find(later.begin() + 21, later.end(), ":MEAS:POW?"), later.end());
}

TEST_F(EndToEndTest, ProtectionSetButtonsSendTheLevelsTheInstrumentReported) {
    ASSERT_TRUE(Near(Settings().ovpLevel, 39.6));
    ASSERT_TRUE(Near(Settings().ocpLevel, 3.3));
    ConnectAndWaitForTheLink();
    ASSERT_EQ(Form1->edt3->Text(), "39.600");
    ASSERT_EQ(Form1->edt4->Text(), "3.300");

    QTest::mouseClick(Form1->SpeedButton3, Qt::LeftButton);
    QTest::mouseClick(Form1->SpeedButton4, Qt::LeftButton);
    const auto sent = [&](const std::string& line) {
        const std::vector<std::string> lines = LinesReceived(*instrument);
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    ASSERT_TRUE(WaitFor([&] { return sent(":VOLT:PROT 39.6") && sent(":CURR:PROT 3.3"); }));
    EXPECT_TRUE(Near(Settings().ovpLevel, 39.6));
    EXPECT_TRUE(Near(Settings().ocpLevel, 3.3));
}

TEST_F(EndToEndTest, SetAndPresetsReachTheInstrumentAndReadBack) {
    ConnectAndWaitForTheLink();
    Form1->edt1->SetText("7.5");
    Form1->edt2->SetText("0.25");
    QTest::mouseClick(Form1->SpeedButton1, Qt::LeftButton);
    ASSERT_TRUE(
        WaitFor([&] { return Near(Settings().voltage, 7.5) && Near(Settings().current, 0.25); }));
    // The read-back rewrites the edits with what the instrument holds.
    ASSERT_TRUE(WaitFor([] { return Form1->edt1->Text() == "7.500"; }));
    EXPECT_EQ(Form1->edt2->Text(), "0.250");

    QTest::mouseClick(Form1->btn3, Qt::LeftButton);  // 1.2V
    ASSERT_TRUE(WaitFor([&] { return Near(Settings().voltage, 1.2); }));
    EXPECT_TRUE(Near(Settings().current, 0.25));
    QTest::mouseClick(Form1->btn9, Qt::LeftButton);  // 1A
    ASSERT_TRUE(WaitFor([&] { return Near(Settings().current, 1.0); }));

    // With the output on into the 10 ohm load, 1.2 V drives 0.12 A, shown by the read-outs.
    QTest::mouseClick(Form1->img2, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Settings().output; }));
    ASSERT_TRUE(WaitFor([] {
        return Near(Form1->isvnsgmntnlg1->Value(), 1.2f) &&
               Near(Form1->isvnsgmntnlg2->Value(), 0.12f) &&
               Near(Form1->iSevenSegmentAnalog1->Value(), 0.144f);
    }));
}

TEST_F(EndToEndTest, ProtectionLevelsAndSwitchesReachTheInstrument) {
    ConnectAndWaitForTheLink();
    Form1->edt3->SetValue(20);
    QTest::mouseClick(Form1->SpeedButton3, Qt::LeftButton);
    Form1->edt4->SetValue(1.5);
    QTest::mouseClick(Form1->SpeedButton4, Qt::LeftButton);
    QTest::mouseClick(Form1->img1, Qt::LeftButton);
    QTest::mouseClick(Form1->img3, Qt::LeftButton);
    EXPECT_EQ(Form1->img1->ShowState(), 2);  // flipped at once by the click
    ASSERT_TRUE(WaitFor([&] {
        const sim::Settings s = Settings();
        return Near(s.ovpLevel, 20) && Near(s.ocpLevel, 1.5) && s.ovpEnabled && s.ocpEnabled;
    }));
    // Read back into the edits and the pictures.
    ASSERT_TRUE(
        WaitFor([] { return Form1->edt3->Text() == "20.000" && Form1->edt4->Text() == "1.500"; }));
    EXPECT_EQ(Form1->img3->ShowState(), 2);

    // Exceeding the OCP level trips it: output off, the OCP lamp lit red.
    Form1->edt1->SetValue(18);
    Form1->edt2->SetValue(3);
    QTest::mouseClick(Form1->SpeedButton1, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Near(Settings().voltage, 18); }));
    instrument->setLoadOhms(2);
    QTest::mouseClick(Form1->img2, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([] { return Form1->iLedRectangle2->Active(); }));
    EXPECT_EQ(Form1->iLedRectangle2->ActiveColor(), QColor(255, 0, 0));
    ASSERT_TRUE(WaitFor([] { return !Form1->ildrctngl1->Active(); }));
}

TEST_F(EndToEndTest, OutputFollowsLeftAndRightClicks) {
    ConnectAndWaitForTheLink();
    QTest::mouseClick(Form1->img2, Qt::LeftButton);
    EXPECT_TRUE(Form1->ildrctngl1->Active());
    EXPECT_EQ(Form1->img2->ShowState(), 2);
    ASSERT_TRUE(WaitFor([&] { return Settings().output; }));

    // A right click flips the lamp but not the picture (a poll answer handled during the
    // click may already have put the lamp back on); it queues OFF, and the read-back brings
    // both in line.
    ASSERT_TRUE(WaitFor([] { return Form1->ildrctngl1->Active(); }));
    QTest::mouseClick(Form1->img2, Qt::RightButton);
    EXPECT_EQ(Form1->img2->ShowState(), 2);
    ASSERT_TRUE(WaitFor([&] { return !Settings().output; }));
    ASSERT_TRUE(WaitFor([] { return Form1->img2->ShowState() == 0; }));
    EXPECT_FALSE(Form1->ildrctngl1->Active());
}

TEST_F(EndToEndTest, RangeChangeUpdatesLimitsAndCaption) {
    ConnectAndWaitForTheLink();
    QTest::mouseClick(Form1->btn20, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Settings().range == sim::VoltageRange::High; }));
    ASSERT_TRUE(
        WaitFor([] { return Form1->windowTitle() == "DC Power Supply      36.000V,1.500000A"; }));
    EXPECT_NEAR(Form1->edt1->MaxValue(), 36.0, 1e-4);
    EXPECT_NEAR(Form1->edt2->MaxValue(), 1.5, 1e-4);
    EXPECT_EQ(Form1->btn20->ImageIndex(), 8);
    EXPECT_EQ(Form1->stat1->PanelText(1), "Range: HIGH\n");
    // The instrument clamped the 1 A setpoint to the range; the edit shows what it holds.
    ASSERT_TRUE(WaitFor([] { return Form1->edt2->Text() == "1.000"; }));

    QTest::mouseClick(Form1->btn20, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Settings().range == sim::VoltageRange::Low; }));
    ASSERT_TRUE(WaitFor([] { return Form1->btn20->ImageIndex() == 9; }));
}

TEST_F(EndToEndTest, SaveIntoASlotAndRecallItRestoresTheSetpoints) {
    ConnectAndWaitForTheLink();
    Form1->edt1->SetValue(3.3);
    Form1->edt2->SetValue(0.5);
    QTest::mouseClick(Form1->SpeedButton1, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Near(Settings().voltage, 3.3); }));

    QTest::mouseClick(Form1->btn2, Qt::LeftButton);  // save
    ASSERT_TRUE(Form6->isVisible());
    EXPECT_EQ(Form6->windowTitle(), "Save File Selection");
    EXPECT_FALSE(Form1->grp2->isEnabled());
    EXPECT_FALSE(Form1->tlb1->isEnabled());
    Form6->iIntegerOutput1->SetValue(3);
    QTest::mouseClick(Form6->Button1, Qt::LeftButton);
    EXPECT_TRUE(Form1->grp2->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return instrument->state().lastSlot == 3; }));

    Form1->edt1->SetValue(12);
    Form1->edt2->SetValue(2);
    QTest::mouseClick(Form1->SpeedButton1, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return Near(Settings().voltage, 12); }));
    ASSERT_TRUE(WaitFor([] { return Form1->edt1->Text() == "12.000"; }));

    QTest::mouseClick(Form1->btn12, Qt::LeftButton);  // recall
    EXPECT_EQ(Form6->windowTitle(), "Load File Selection");
    EXPECT_EQ(Form6->iIntegerOutput1->Value(), 3);
    QTest::mouseClick(Form6->Button1, Qt::LeftButton);
    EXPECT_TRUE(Form5->isVisible());
    ASSERT_TRUE(WaitFor([&] { return Near(Settings().voltage, 3.3); }));
    ASSERT_TRUE(
        WaitFor([] { return Form1->edt1->Text() == "3.300" && Form1->edt2->Text() == "0.500"; }));
    ASSERT_TRUE(WaitFor([] { return !Form5->isVisible(); }));
}

TEST_F(EndToEndTest, DisconnectHandsBackTheFrontPanelAndKeepsTheLastValues) {
    ConnectAndWaitForTheLink();
    QTest::mouseClick(Form1->img2, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([] { return Form1->isvnsgmntnlg1->Value() > 4.9; }));
    const double shownVoltage = Form1->isvnsgmntnlg1->Value();

    QTest::mouseClick(Form1->btn1, Qt::LeftButton);
    EXPECT_FALSE(Form1->cm1->IsOpen());
    ASSERT_TRUE(WaitFor([&] { return instrument->state().remote == sim::RemoteState::Local; }));
    EXPECT_EQ(LinesReceived(*instrument).back(), ":SYST:LOC");
    EXPECT_EQ(Form1->stat1->PanelText(0), "Please Connect Device");
    EXPECT_EQ(Form1->stat1->Tag(), 0);
    EXPECT_TRUE(Form1->btn20->isHidden());
    EXPECT_TRUE(Form1->btn16->isEnabled());
    EXPECT_FALSE(Form1->grp2->isEnabled());
    EXPECT_EQ(Form1->isvnsgmntnlg1->Value(), shownVoltage);
    EXPECT_EQ(LinkConfirmed, 0);
}

TEST_F(EndToEndTest, ASilentInstrumentEndsInTheLinkFailedState) {
    sim::FaultSettings faults;
    faults.silent = true;
    instrument->setFaults(faults);
    QTest::mouseClick(Form1->btn16, Qt::LeftButton);
    EXPECT_FALSE(Form1->btn16->isEnabled());
    // The timer walks the 21 commands, then the first poll finds the link unconfirmed.
    ASSERT_TRUE(WaitFor([] { return Form1->btn16->isEnabled(); }, 30000));
    EXPECT_EQ(SessionPhase, 2);
    EXPECT_EQ(LinkConfirmed, 0);
    EXPECT_TRUE(Form1->btn13->isEnabled());
    EXPECT_FALSE(Form1->btn1->isEnabled());
    EXPECT_FALSE(Form1->grp2->isEnabled());
    EXPECT_EQ(Form1->stat1->PanelText(0), "Please Connect Device");
    EXPECT_TRUE(Form1->cm1->IsOpen());
    EXPECT_FALSE(Form1->cmd_timer->isActive());
    // 21 synchronisation commands and the first poll; then nothing more, with the timer
    // disarmed (waiting past one timer period shows it).
    ASSERT_TRUE(WaitFor([&] { return instrument->receivedLines().size() >= 22; }));
    QTest::qWait(700);
    EXPECT_EQ(LinesReceived(*instrument).size(), 22u);
}

}  // namespace
