#pragma once
// Creates the program's windows as start-up does, on a virtual clock so that the pacing
// sleeps of the disconnect action cost nothing, and destroys them after each test.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "app/Startup.h"
#include "app/TApplication.h"
#include "platform/Clock.h"

class AppFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        app()->OnException = [this](const QString& message) { shownErrors.append(message); };
        CreateWindows(*app(), QString(), QString());
    }
    void TearDown() override {
        app()->DestroyForms();
        app()->OnException = nullptr;
    }
    static TApplication* app() { return static_cast<TApplication*>(QApplication::instance()); }

    platform::VirtualClock clock{1000};
    platform::ScopedClockOverride useClock{clock};
    QStringList shownErrors;
};
