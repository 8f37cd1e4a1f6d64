#pragma once
// Bare widgets standing in for the main window's controls, with its design settings, and
// fresh operator queues.

#include <gtest/gtest.h>

#include <QStringList>
#include <QWidget>
#include <memory>

#include "session/SessionControls.h"
#include "session/SessionState.h"
#include "session/Unit5.h"
#include "widgets/SetpointEdit.h"
#include "widgets/TFlatSpinEditFloat.h"
#include "widgets/TStateImage.h"
#include "widgets/TiLedRectangle.h"

class ControlsFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        CreateSessionLists();
        auto makeEdit = [this](double designMax) {
            auto* edit = new TFlatSpinEditFloat(&window);
            widgets::ConfigureSetpointEdit(*edit, designMax);
            return edit;
        };
        c.edt1 = makeEdit(widgets::kVoltageEditDesignMax);
        c.edt2 = makeEdit(widgets::kCurrentEditDesignMax);
        c.edt3 = makeEdit(widgets::kVoltageEditDesignMax);
        c.edt4 = makeEdit(widgets::kCurrentEditDesignMax);
        c.img1 = new TStateImage(&window);
        c.img2 = new TStateImage(&window);
        c.img3 = new TStateImage(&window);
        c.ildrctngl1 = new TiLedRectangle(&window);
        c.Form5 = progress.get();
    }
    void TearDown() override { DestroySessionLists(); }

    QStringList Queue() const { return *UserQueue; }
    QStringList Args() const { return *UserQueueArgs; }

    QWidget window;
    std::unique_ptr<TForm5> progress = std::make_unique<TForm5>();
    SessionControls c;
};
