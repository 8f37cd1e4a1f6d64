#pragma once
// The whole program against the simulated instrument on a pseudo-terminal, in real time:
// the windows as start-up creates them, the main window shown, the serial component on the
// simulator's port. Helpers click the real controls and wait for the instrument's state or
// the window to follow.

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <functional>
#include <memory>

#include "app/Startup.h"
#include "app/TApplication.h"
#include "app/Unit1.h"
#include "session/SessionState.h"
#include "sim/SimulatedInstrument.h"
#include "widgets/TToolImageButton.h"

class PanelFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        app()->OnException = [this](const QString& message) { shownErrors.append(message); };
        std::string error;
        ASSERT_TRUE(instrument->start(&error)) << error;
        const QString port = QString::fromStdString(instrument->slavePath());
        CreateWindows(*app(), port, port);
        Form1->show();
    }
    void TearDown() override {
        if (Form1 != nullptr && Form1->isVisible()) {
            Form1->close();
        }
        app()->DestroyForms();
        app()->OnException = nullptr;
        instrument->stop();
        EXPECT_TRUE(shownErrors.isEmpty()) << shownErrors.join("; ").toStdString();
    }
    static TApplication* app() { return static_cast<TApplication*>(QApplication::instance()); }

    // Runs the event loop until done() holds or timeoutMs has passed.
    static bool WaitFor(const std::function<bool()>& done, int timeoutMs = 15000) {
        return QTest::qWaitFor(done, timeoutMs);
    }
    sim::Settings Settings() const { return instrument->state().settings; }

    void ConnectAndWaitForTheLink() {
        QTest::mouseClick(Form1->btn16, Qt::LeftButton);
        ASSERT_TRUE(WaitFor([] { return LinkConfirmed == 1; })) << "link not confirmed";
    }
    std::unique_ptr<sim::SimulatedInstrument> instrument =
        std::make_unique<sim::SimulatedInstrument>(sim::SimOptions{});
    QStringList shownErrors;
};
