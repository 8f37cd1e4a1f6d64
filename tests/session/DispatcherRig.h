#pragma once
// The scheduler rig plus every control the dispatcher writes, created bare with the main
// window's design settings: edit bounds 36 V and 3 A, the four status panels, the hidden
// range button, the About labels and the slot read-out.

#include <QLabel>

#include "session/Dispatcher.h"
#include "tests/session/SchedulerRig.h"
#include "widgets/TFlatSpinEditFloat.h"
#include "widgets/TStateImage.h"
#include "widgets/TStatusBar.h"
#include "widgets/TToolImageButton.h"
#include "widgets/TiIntegerOutput.h"
#include "widgets/TiLedRectangle.h"
#include "widgets/TiSevenSegmentAnalog.h"

class DispatcherRig : public SchedulerRig {
  public:
    explicit DispatcherRig(bool virtualTime = true) : SchedulerRig(virtualTime) {
        for (auto [edit, max] :
             {std::pair{&edt1, 36.0}, {&edt2, 3.0}, {&edt3, 36.0}, {&edt4, 3.0}}) {
            edit->SetFloatFormat(TFloatFormat::ffFixed);
            edit->SetDigits(3);
            edit->SetPrecision(9);
            edit->SetIncrement(0.5);
            edit->SetMinValue(0);
            edit->SetMaxValue(max);
        }
        for (TiLedRectangle* lamp : {&iLedRectangle1, &iLedRectangle2}) {
            lamp->SetActiveColor(QColor(0, 0, 128));
        }
        stat1.AddPanel(160, "Please Connect Device", true);
        stat1.AddPanel(110);
        stat1.AddPanel(200);
        stat1.AddPanel(50);
        btn20.setVisible(false);
        slot.SetValueMin(-1);
        slot.SetValueMax(99);
        slot.SetValue(0);

        controls.isvnsgmntnlg1 = &isvnsgmntnlg1;
        controls.isvnsgmntnlg2 = &isvnsgmntnlg2;
        controls.iSevenSegmentAnalog1 = &iSevenSegmentAnalog1;
        controls.iLedRectangle1 = &iLedRectangle1;
        controls.iLedRectangle2 = &iLedRectangle2;
        controls.ildrctngl1 = &ildrctngl1;
        controls.img1 = &img1;
        controls.img2 = &img2;
        controls.img3 = &img3;
        controls.edt1 = &edt1;
        controls.edt2 = &edt2;
        controls.edt3 = &edt3;
        controls.edt4 = &edt4;
        controls.btn20 = &btn20;
        controls.stat1 = &stat1;
        controls.Form2_Label3 = &aboutDevice;
        controls.Form2_Label4 = &aboutScpi;
        controls.Form6_iIntegerOutput1 = &slot;
    }

    void receive(std::string_view bytes) {
        DispatchReply(controls, bytes.data(), static_cast<std::uint16_t>(bytes.size()));
    }

    TiSevenSegmentAnalog isvnsgmntnlg1{&mainWindow};
    TiSevenSegmentAnalog isvnsgmntnlg2{&mainWindow};
    TiSevenSegmentAnalog iSevenSegmentAnalog1{&mainWindow};
    TiLedRectangle iLedRectangle1{&mainWindow};
    TiLedRectangle iLedRectangle2{&mainWindow};
    TiLedRectangle ildrctngl1{&mainWindow};
    TStateImage img1{&mainWindow};
    TStateImage img2{&mainWindow};
    TStateImage img3{&mainWindow};
    TFlatSpinEditFloat edt1{&mainWindow};
    TFlatSpinEditFloat edt2{&mainWindow};
    TFlatSpinEditFloat edt3{&mainWindow};
    TFlatSpinEditFloat edt4{&mainWindow};
    TToolImageButton btn20{&mainWindow};
    TStatusBar stat1{&mainWindow};
    QLabel aboutDevice;
    QLabel aboutScpi;
    TiIntegerOutput slot;
};
