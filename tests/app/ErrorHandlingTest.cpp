#include <QAction>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "app/Unit1.h"
#include "serial/TComm.h"
#include "session/SessionState.h"
#include "tests/app/AppFixture.h"
#include "widgets/TToolImageButton.h"

namespace {

using ErrorHandlingTest = AppFixture;

// Runs the event loop until quitAfterMs has passed on a real timer.
void RunLoopFor(int quitAfterMs) {
    QEventLoop loop;
    QTimer::singleShot(quitAfterMs, &loop, &QEventLoop::quit);
    loop.exec();
}

TEST_F(ErrorHandlingTest, AnErrorEscapingAHandlerIsShownAndTheLoopGoesOn) {
    bool laterHandlerRan = false;
    bool restOfHandlerRan = false;
    QTimer::singleShot(0, [&] {
        throw std::runtime_error("something broke");
        restOfHandlerRan = true;  // never reached: the handler stops at the error
    });
    QTimer::singleShot(20, [&] { laterHandlerRan = true; });
    RunLoopFor(60);
    EXPECT_EQ(shownErrors, QStringList{"something broke"});
    EXPECT_FALSE(restOfHandlerRan);
    EXPECT_TRUE(laterHandlerRan);
}

TEST_F(ErrorHandlingTest, AnErrorOfAnyOtherKindIsShownWithAnEmptyMessage) {
    QTimer::singleShot(0, [] { throw 42; });
    RunLoopFor(30);
    EXPECT_EQ(shownErrors, QStringList{QString()});
}

TEST_F(ErrorHandlingTest, ASerialPortErrorsHintIsShownOnItsOwnLineBelowTheMessage) {
    QTimer::singleShot(0, [] { throw ECommsError("Error opening serial port", "do this"); });
    QTimer::singleShot(5, [] { throw ECommsError("Cannot setup comm buffer"); });
    RunLoopFor(40);
    EXPECT_EQ(shownErrors,
              (QStringList{"Error opening serial port\ndo this", "Cannot setup comm buffer"}));
}

TEST_F(ErrorHandlingTest, ConnectToAnAbsentPortShowsTheComponentsMessageAndChangesNothing) {
    Form1->show();
    ASSERT_EQ(Form1->cm1->CommName(), "COM7");  // absent on this system
    QTest::mouseClick(Form1->btn16, Qt::LeftButton);
    EXPECT_EQ(shownErrors, QStringList{"Error opening serial port"});
    EXPECT_EQ(SessionPhase, 0);
    EXPECT_TRUE(Form1->btn16->isEnabled());
    EXPECT_TRUE(Form1->btn13->isEnabled());
    EXPECT_FALSE(Form1->cm1->IsOpen());
}

TEST_F(ErrorHandlingTest, AnErrorDuringStartUpIsShownAndTheProgramEndsNormally) {
    app()->DestroyForms();
    const int result = app()->Run([] { throw std::runtime_error("cannot create the windows"); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(shownErrors, QStringList{"cannot create the windows"});
}

}  // namespace
