// The port dialog against a fake list of ports.
#include <QtTest/qtestspontaneevent.h>
#include <QComboBox>
#include <QPushButton>
#include <QShowEvent>
#include <QTest>
#include <QTimer>

#include <functional>
#include "serial/Com_config.h"
#include "serial/TComm.h"

#include "tests/app/AppFixture.h"

namespace {

class PortDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog.ListPorts = [this](QStringList& list) { list = ports; };
        dialog.SetComm(&comm);
        comm.SetCommName("COM7");
    }
    // Opens the dialog as the main window does, runs check while it is up, then answers.
    void OpenAndAnswer(const std::function<void()>& whileOpen, QPushButton* answer) {
        QTimer::singleShot(0, [&] {
            whileOpen();
            QTest::mouseClick(answer, Qt::LeftButton);
        });
        dialog.ShowModalOver(nullptr);
    }

    QStringList ports{"COM1", "COM7"};
    TComm comm;
    TForm3 dialog;
};

TEST_F(PortDialogTest, OpensOnTheComponentsSettingsAndNoLeavesThemAlone) {
    OpenAndAnswer(
        [&] {
            EXPECT_EQ(dialog.cbb1->currentText(), "COM7");
            EXPECT_EQ(dialog.cbb2->currentText(), "9600");
            EXPECT_EQ(dialog.cbb3->currentText(), "None");
            EXPECT_EQ(dialog.cbb4->currentText(), "8");
            EXPECT_EQ(dialog.cbb5->currentText(), "1");
            dialog.cbb3->setCurrentIndex(1);
            dialog.cbb5->setCurrentIndex(2);
        },
        dialog.btn1);
    EXPECT_EQ(comm.CommName(), "COM7");
    EXPECT_EQ(comm.Parity(), TParity::None);
    EXPECT_EQ(comm.StopBits(), TStopBits::_1);
    // "No" put the lists back on the component's values.
    EXPECT_EQ(dialog.cbb3->currentIndex(), 0);
}

TEST_F(PortDialogTest, RestoringTheOpenDialogKeepsTheOperatorsChoices) {
    OpenAndAnswer(
        [&] {
            dialog.cbb1->setCurrentIndex(0);  // COM1, not yet confirmed
            dialog.cbb2->setCurrentIndex(12);
            ports = QStringList{"COM3"};  // a list built again would differ
            // Minimised and restored: the window system shows it again by itself.
            // (Delivered straight to the handler: sending an event marks it as the program's.)
            QShowEvent restored;
            QSpontaneKeyEvent::setSpontaneous(&restored);
            static_cast<QObject&>(dialog).event(&restored);
            EXPECT_EQ(dialog.cbb1->count(), 2);
            EXPECT_EQ(dialog.cbb1->currentText(), "COM1");
            EXPECT_EQ(dialog.cbb2->currentIndex(), 12);
            EXPECT_EQ(comm.CommName(), "COM7");
            EXPECT_EQ(comm.BaudRate(), 9600u);
        },
        dialog.btn1);
    EXPECT_EQ(comm.CommName(), "COM7");
}

TEST_F(PortDialogTest, YesAppliesTheChosenSettings) {
    comm.SetBaudRate(115200);
    OpenAndAnswer(
        [&] {
            EXPECT_EQ(dialog.cbb2->currentIndex(), 12);
            dialog.cbb1->setCurrentIndex(0);
            dialog.cbb2->setCurrentIndex(0);
            dialog.cbb3->setCurrentIndex(1);
            dialog.cbb4->setCurrentIndex(2);
            dialog.cbb5->setCurrentIndex(2);
        },
        dialog.btn2);
    EXPECT_EQ(comm.CommName(), "COM1");
    EXPECT_EQ(comm.BaudRate(), 110u);
    EXPECT_EQ(comm.Parity(), TParity::Odd);
    EXPECT_EQ(comm.ByteSize(), TByteSize::_7);
    EXPECT_EQ(comm.StopBits(), TStopBits::_2);
}

TEST_F(PortDialogTest, AnUnlistedPortIsReplacedByTheFirstAsSoonAsTheDialogOpens) {
    comm.SetCommName("COM9");
    std::string nameWhileOpen;
    OpenAndAnswer([&] { nameWhileOpen = comm.CommName(); }, dialog.btn1);
    EXPECT_EQ(nameWhileOpen, "COM1");
    EXPECT_EQ(comm.CommName(), "COM1");
}

TEST_F(PortDialogTest, NamesDifferingOnlyInCaseDoNotMatch) {
    comm.SetCommName("com7");
    OpenAndAnswer([] {}, dialog.btn1);
    EXPECT_EQ(comm.CommName(), "COM1");
}

TEST_F(PortDialogTest, WithNoPortsTheNameIsEmptiedAndConnectFails) {
    ports.clear();
    comm.SetBaudRate(4800);
    OpenAndAnswer([&] { EXPECT_EQ(dialog.cbb1->currentIndex(), -1); }, dialog.btn2);
    EXPECT_EQ(comm.CommName(), "");
    EXPECT_EQ(comm.BaudRate(), 4800u);
    try {
        comm.StartComm();
        ADD_FAILURE() << "opened a port with no name";
    } catch (const ECommsError& error) {
        EXPECT_STREQ(error.what(), "Error opening serial port");
    }
}

TEST_F(PortDialogTest, TheListsHoldTheOfferedEntries) {
    const QStringList rates = {"110",   "300",   "600",    "1200",   "2400",
                               "4800",  "9600",  "14400",  "19200",  "38400",
                               "56000", "57600", "115200", "128000", "256000"};
    QStringList shown;
    for (int i = 0; i < dialog.cbb2->count(); ++i) {
        shown << dialog.cbb2->itemText(i);
    }
    EXPECT_EQ(shown, rates);
    EXPECT_EQ(dialog.cbb3->count(), 5);
    EXPECT_EQ(dialog.cbb4->itemText(0), "5");
    EXPECT_EQ(dialog.cbb5->itemText(1), "1.5");
    EXPECT_EQ(dialog.btn2->text(), "Yes");
    EXPECT_EQ(dialog.btn1->text(), "No");
    EXPECT_EQ(dialog.windowTitle(), "RS232 Config");
}

}  // namespace
