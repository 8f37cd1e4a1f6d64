#pragma once
// Bare widgets standing in for the main window's controls, and fresh operator queues.

#include <gtest/gtest.h>

#include <QStringList>
#include <QWidget>
#include <memory>

#include "session/SessionControls.h"
#include "session/SessionState.h"
#include "session/Unit5.h"
#include "widgets/TFlatSpinEditFloat.h"
#include "widgets/TStateImage.h"
#include "widgets/TiLedRectangle.h"

class ControlsFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        CreateSessionLists();
        auto makeEdit = [this](double maxValue) {
            auto* edit = new TFlatSpinEditFloat(&window);
            edit->SetMinValue(0);
            edit->SetMaxValue(maxValue);
            edit->SetDigits(3);
            edit->SetFloatFormat(TFloatFormat::ffFixed);
            edit->SetValue(0);
            return edit;
        };
        c.edt1 = makeEdit(36);
        c.edt2 = makeEdit(3);
        c.edt3 = makeEdit(36);
        c.edt4 = makeEdit(3);
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
