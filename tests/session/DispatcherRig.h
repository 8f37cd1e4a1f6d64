#pragma once
// The scheduler rig plus every control the dispatcher writes, created bare with the main
// window's design settings (the same functions the window's layout calls): the setpoint
// edits, read-outs and lamps, the four status panels, the hidden range button, the About
// labels and the slot read-out.

#include <QLabel>

#include "session/Dispatcher.h"
#include "tests/session/SchedulerRig.h"
#include "widgets/MeasurementReadout.h"
#include "widgets/PanelLamps.h"
#include "widgets/SetpointEdit.h"
#include "widgets/SlotBox.h"
#include "widgets/StatusPanels.h"
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
        widgets::ConfigureSetpointEdit(edt1, widgets::kVoltageEditDesignMax);
        widgets::ConfigureSetpointEdit(edt2, widgets::kCurrentEditDesignMax);
        widgets::ConfigureSetpointEdit(edt3, widgets::kVoltageEditDesignMax);
        widgets::ConfigureSetpointEdit(edt4, widgets::kCurrentEditDesignMax);
        widgets::ConfigureMeasurementReadout(isvnsgmntnlg1, widgets::kVoltageReadout);
        widgets::ConfigureMeasurementReadout(isvnsgmntnlg2, widgets::kCurrentReadout);
        widgets::ConfigureMeasurementReadout(iSevenSegmentAnalog1, widgets::kPowerReadout);
        widgets::ConfigureTripLamp(iLedRectangle1, widgets::kOvpLamp);
        widgets::ConfigureTripLamp(iLedRectangle2, widgets::kOcpLamp);
        widgets::ConfigureOutputLamp(ildrctngl1);
        widgets::ConfigureStatusPanels(stat1);
        btn20.setVisible(false);
        widgets::ConfigureSlotBox(slot);

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
