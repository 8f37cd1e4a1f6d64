// Gallery: every instrument widget in each of its states, side by side, to look at them.
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <limits>

#include "widgets/MeasurementReadout.h"
#include "widgets/PanelLamps.h"
#include "widgets/SetpointEdit.h"
#include "widgets/SlotBox.h"
#include "widgets/SwitchPictures.h"
#include "widgets/TFlatSpinEditFloat.h"
#include "widgets/TStateImage.h"
#include "widgets/TiIntegerOutput.h"
#include "widgets/TiLedRectangle.h"
#include "widgets/TiSevenSegmentAnalog.h"

namespace {

// A read-out set up like the main window's: five cells and three decimals, or four and one.
TiSevenSegmentAnalog* MakeReadout(QWidget* parent, double value, bool power) {
    auto* readout = new TiSevenSegmentAnalog(parent);
    widgets::ConfigureMeasurementReadout(*readout,
                                         power ? widgets::kPowerReadout : widgets::kVoltageReadout);
    readout->SetValue(value);
    return readout;
}

TiLedRectangle* MakeTripLamp(QWidget* parent, const widgets::TripLampDesign& design, bool tripped) {
    auto* lamp = new TiLedRectangle(parent);
    lamp->setFixedSize(41, 20);
    widgets::ConfigureTripLamp(*lamp, design);
    lamp->SetActiveColor(
        QColor::fromRgb(tripped ? widgets::kTripLampTrippedColour : widgets::kTripLampIdleColour));
    lamp->SetActive(tripped);
    return lamp;
}

TiLedRectangle* MakeOutputLamp(QWidget* parent, bool on) {
    auto* lamp = new TiLedRectangle(parent);
    lamp->setFixedSize(49, 17);
    widgets::ConfigureOutputLamp(*lamp);
    lamp->SetActive(on);
    return lamp;
}

TStateImage* MakeSwitch(QWidget* parent, bool rocker, int state) {
    auto* image = new TStateImage(parent);
    image->SetState1Picture(rocker ? widgets::RockerSwitchPicture(false)
                                   : widgets::SlideSwitchPicture(false));
    image->SetState2Picture(rocker ? widgets::RockerSwitchPicture(true)
                                   : widgets::SlideSwitchPicture(true));
    image->SetShowState(state);
    return image;
}

TFlatSpinEditFloat* MakeSpin(QWidget* parent, double max, double value) {
    auto* box = new TFlatSpinEditFloat(parent);
    QFont font = box->font();
    font.setPointSize(12);
    box->setFont(font);
    widgets::ConfigureSetpointEdit(*box, max);
    box->SetValue(value);
    box->setFixedWidth(89);
    return box;
}

// A captioned cell: the widget over a small label saying which state it shows.
QWidget* Captioned(QWidget* parent, QWidget* shown, const QString& caption) {
    auto* cell = new QWidget(parent);
    auto* layout = new QVBoxLayout(cell);
    layout->setContentsMargins(4, 4, 4, 4);
    shown->setParent(cell);
    layout->addWidget(shown, 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel(caption, cell), 0, Qt::AlignHCenter);
    return cell;
}

QGroupBox* Row(QWidget* parent, const QString& title) {
    auto* group = new QGroupBox(title, parent);
    new QHBoxLayout(group);
    return group;
}

void Add(QGroupBox* row, QWidget* shown, const QString& caption) {
    row->layout()->addWidget(Captioned(row, shown, caption));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Instrument widgets"));
    auto* page = new QVBoxLayout(&window);

    QGroupBox* readouts = Row(&window, QStringLiteral("Seven-segment read-outs"));
    Add(readouts, MakeReadout(readouts, 5, false), QStringLiteral("5 V"));
    Add(readouts, MakeReadout(readouts, -0.0042, false), QStringLiteral("-0.0042 A"));
    Add(readouts, MakeReadout(readouts, 12.34, true), QStringLiteral("12.34 W"));
    Add(readouts, MakeReadout(readouts, 99.9996, false), QStringLiteral("99.9996: overflow"));
    Add(readouts, MakeReadout(readouts, -123.4, false), QStringLiteral("-123.4: overflow"));
    page->addWidget(readouts);

    QGroupBox* styles = Row(&window, QStringLiteral("Read-out styles"));
    auto* defaults = new TiSevenSegmentAnalog(styles);
    defaults->SetValue(-7.5);
    Add(styles, defaults, QStringLiteral("defaults, sign, unlit segments"));
    auto* zeros = MakeReadout(styles, 5, false);
    zeros->SetLeadingStyle(TiLeadingStyle::ilsZeros);
    zeros->SetShowOffSegments(true);
    Add(styles, zeros, QStringLiteral("leading zeros, unlit shown"));
    auto* off = MakeReadout(styles, 12.5, false);
    off->SetPowerOff(true);
    Add(styles, off, QStringLiteral("PowerOff"));
    Add(styles, MakeReadout(styles, 1000, true), QStringLiteral("1000 W: overflow"));
    page->addWidget(styles);

    QGroupBox* lamps = Row(&window, QStringLiteral("Lamps"));
    Add(lamps, MakeTripLamp(lamps, widgets::kOvpLamp, false), QStringLiteral("OVP idle"));
    Add(lamps, MakeTripLamp(lamps, widgets::kOvpLamp, true), QStringLiteral("OVP tripped"));
    Add(lamps, MakeTripLamp(lamps, widgets::kOcpLamp, false), QStringLiteral("OCP idle"));
    Add(lamps, MakeTripLamp(lamps, widgets::kOcpLamp, true), QStringLiteral("OCP tripped"));
    Add(lamps, MakeOutputLamp(lamps, false), QStringLiteral("output off"));
    Add(lamps, MakeOutputLamp(lamps, true), QStringLiteral("output on"));
    auto* plain = new TiLedRectangle(lamps);
    plain->SetActive(true);
    Add(lamps, plain, QStringLiteral("default, reflection"));
    page->addWidget(lamps);

    QGroupBox* switches = Row(&window, QStringLiteral("Switches (click to flip)"));
    Add(switches, MakeSwitch(switches, false, 0), QStringLiteral("OVP enable off"));
    Add(switches, MakeSwitch(switches, false, 2), QStringLiteral("OVP enable on"));
    Add(switches, MakeSwitch(switches, true, 0), QStringLiteral("output off"));
    Add(switches, MakeSwitch(switches, true, 2), QStringLiteral("output on"));
    page->addWidget(switches);

    QGroupBox* edits = Row(&window, QStringLiteral("Setpoint edits and slot box"));
    Add(edits, MakeSpin(edits, widgets::kVoltageEditDesignMax, 1.2), QStringLiteral("voltage"));
    Add(edits, MakeSpin(edits, widgets::kCurrentEditDesignMax, 0.5), QStringLiteral("current"));
    auto* locked = MakeSpin(edits, widgets::kVoltageEditDesignMax, 24);
    locked->SetReadOnly(true);
    Add(edits, locked, QStringLiteral("read-only"));
    auto* slot = new TiIntegerOutput(edits);
    widgets::ConfigureSlotBox(*slot);
    slot->SetValue(1);
    slot->setFixedSize(80, 32);
    QFont slotFont = slot->font();
    slotFont.setPointSize(14);
    slot->setFont(slotFont);
    Add(edits, slot, QStringLiteral("memory slot"));
    page->addWidget(edits);

    window.show();
    return app.exec();
}
