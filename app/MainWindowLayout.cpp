// The main window's fixed-geometry layout: the frame, the non-visual components, the actions,
// the toolbar, the three groups of the client panel and the status bar, each created with its
// design settings.
#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

#include "app/Unit1.h"
#include "scpi/Scpi.h"
#include "serial/PanelLine.h"
#include "serial/TComm.h"
#include "session/PictureIndices.h"
#include "widgets/MeasurementReadout.h"
#include "widgets/PanelLamps.h"
#include "widgets/SetpointEdit.h"
#include "widgets/StatusPanels.h"
#include "widgets/SwitchPictures.h"
#include "widgets/TFlatSpinEditFloat.h"
#include "widgets/TStateImage.h"
#include "widgets/TStatusBar.h"
#include "widgets/TToolImageButton.h"
#include "widgets/TiLedRectangle.h"
#include "widgets/TiSevenSegmentAnalog.h"

namespace {

constexpr int kClientWidth = 665;
constexpr int kClientHeight = 400;
constexpr int kToolbarHeight = 76;
constexpr int kStatusBarHeight = 22;
constexpr int kToolButtonSize = 73;

QFont PixelFont(int pixels, bool bold = false) {
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

void TForm1::CreateLayout() {
    setObjectName("Form1");
    setWindowTitle("DC Power Supply");
    // A fixed dialog frame: no resizing, no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(PixelFont(11));

    CreateComponents();
    CreateActions();
    CreateToolbar();
    CreateClientPanel();
    CreateStatusBar();
}

void TForm1::CreateComponents() {
    cm1 = new TComm(this);
    cm1->setObjectName("cm1");
    ConfigurePanelLine(*cm1);

    // The scheduler's timer runs from start-up; a tick before the first connect sends nothing.
    cmd_timer = new QTimer(this);
    cmd_timer->setObjectName("cmd_timer");
    cmd_timer->start(kCmdTimerMs);
}

void TForm1::CreateActions() {
    auto make = [this](const char* name) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        return action;
    };
    act_connect = make("act_connect");
    act_disconnect = make("act_disconnect");
    act_connect_ok = make("act_connect_ok");
    act_connect_error = make("act_connect_error");
    act_cmd_timer = make("act_cmd_timer");
    act_cmd_vol_change = make("act_cmd_vol_change");
    act_cmd_ovp_en = make("act_cmd_ovp_en");
    act_cmd_ocp_en = make("act_cmd_ocp_en");
    act_cmd_ovp_v = make("act_cmd_ovp_v");
    act_cmd_ocp_i = make("act_cmd_ocp_i");
    act_cmd_outp = make("act_cmd_outp");
    act_cmd_rang_low = make("act_cmd_rang_low");
    act_cmd_rang_high = make("act_cmd_rang_high");
    act_cmd_recall = make("act_cmd_recall");
    act_cmd_save = make("act_cmd_save");
    act_cmd_recall_do = make("act_cmd_recall_do");
    act_cmd_save_do = make("act_cmd_save_do");
}

void TForm1::CreateToolbar() {
    tlb1 = new QWidget(this);
    tlb1->setObjectName("tlb1");
    tlb1->setGeometry(0, 0, kClientWidth, kToolbarHeight);
    // A row layout, so that the hidden range button takes no room until it shows.
    auto* row = new QHBoxLayout(tlb1);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(0);
    auto make = [this, row](const char* name, pictures::ToolbarPicture picture, const char* tip) {
        auto* button = new TToolImageButton(tlb1);
        button->setObjectName(name);
        button->SetImages(&il2);
        button->SetImageIndex(picture);
        button->setFixedSize(kToolButtonSize, kToolButtonSize);
        button->setToolTip(tip);
        row->addWidget(button);
        return button;
    };
    btn16 = make("btn16", pictures::kToolbarJoinedPlug, "Connect");
    btn1 = make("btn1", pictures::kToolbarPartedPlug, "Disconnect");
    btn12 = make("btn12", pictures::kToolbarArrowUp, "Recall a memory slot");
    btn2 = make("btn2", pictures::kToolbarArrowDown, "Save to a memory slot");
    btn13 = make("btn13", pictures::kToolbarSerialConnector, "Serial port settings");
    btn20 = make("btn20", pictures::kToolbarWordHigh, "Switch the voltage range");
    btn17 = make("btn17", pictures::kToolbarQuestionMark, "About");
    ToolButton1 = make("ToolButton1", pictures::kToolbarPowerSymbol, "Exit");
    row->addStretch(1);
    btn20->setVisible(false);
}

void TForm1::CreateClientPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName("pnl1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(0, kToolbarHeight, kClientWidth,
                       kClientHeight - kToolbarHeight - kStatusBarHeight);
    CreateMeasurementGroup(panel);
    CreateParamsGroup(panel);
    CreateOutputGroup(panel);
}

void TForm1::CreateMeasurementGroup(QWidget* panel) {
    grp1 = new QGroupBox("Measurement", panel);
    grp1->setObjectName("grp1");
    grp1->setFont(PixelFont(16));
    grp1->setGeometry(6, 4, kClientWidth - 12, 118);

    const int columnWidth = (kClientWidth - 12) / 3;
    auto makeLabel = [this](const QString& text, int x, int y, int pixels) {
        auto* label = new QLabel(text, grp1);
        label->setFont(PixelFont(pixels, pixels > 16));
        label->move(x, y);
        label->adjustSize();
        return label;
    };
    auto makeLamp = [this](const char* name, const widgets::TripLampDesign& design, int x) {
        auto* lamp = new TiLedRectangle(grp1);
        lamp->setObjectName(name);
        lamp->setGeometry(x, 24, 41, 20);
        widgets::ConfigureTripLamp(*lamp, design);
        return lamp;
    };
    auto makeReadout = [this](const char* name, const widgets::ReadoutDesign& design, int x) {
        auto* readout = new TiSevenSegmentAnalog(grp1);
        readout->setObjectName(name);
        widgets::ConfigureMeasurementReadout(*readout, design);
        readout->move(x, 54);
        return readout;
    };

    const int x0 = 14;
    const int x1 = x0 + columnWidth;
    const int x2 = x0 + 2 * columnWidth;
    makeLabel("Voltage", x0, 26, 16);
    iLedRectangle1 = makeLamp("iLedRectangle1", widgets::kOvpLamp, x0 + 104);
    isvnsgmntnlg1 = makeReadout("isvnsgmntnlg1", widgets::kVoltageReadout, x0);
    makeLabel("V", x0 + 168, 66, 24);

    makeLabel("Current", x1, 26, 16);
    iLedRectangle2 = makeLamp("iLedRectangle2", widgets::kOcpLamp, x1 + 104);
    isvnsgmntnlg2 = makeReadout("isvnsgmntnlg2", widgets::kCurrentReadout, x1);
    makeLabel("A", x1 + 168, 66, 24);

    Label3 = makeLabel("Power", x2, 26, 16);
    Label3->setObjectName("Label3");
    iSevenSegmentAnalog1 = makeReadout("iSevenSegmentAnalog1", widgets::kPowerReadout, x2);
    Label4 = makeLabel("W", x2 + 136, 66, 24);
    Label4->setObjectName("Label4");
}

void TForm1::CreateParamsGroup(QWidget* panel) {
    grp2 = new QGroupBox("Params Set", panel);
    grp2->setObjectName("grp2");
    grp2->setFont(PixelFont(16));
    grp2->setGeometry(6, 126, 456, 170);
    grp2->setEnabled(false);

    const int rowY[4] = {28, 62, 100, 134};
    auto makeLabel = [this](const QString& text, int x, int y, int width, Qt::Alignment align) {
        auto* label = new QLabel(text, grp2);
        label->setGeometry(x, y, width, 24);
        label->setAlignment(align | Qt::AlignVCenter);
        return label;
    };
    auto makeEdit = [this](const char* name, double designMax, int y) {
        auto* edit = new TFlatSpinEditFloat(grp2);
        edit->setObjectName(name);
        widgets::ConfigureSetpointEdit(*edit, designMax);
        edit->SetColorFlat(grp2->palette().color(QPalette::Button));
        edit->move(82, y);
        edit->resize(89, edit->height());
        return edit;
    };
    auto makeSpeedButton = [this](const char* name, const QString& caption, QRect geometry) {
        auto* button = new QToolButton(grp2);
        button->setObjectName(name);
        button->setText(caption);
        button->setAutoRaise(false);
        // Speed buttons never take the focus, so a half-typed edit keeps it.
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(geometry);
        return button;
    };

    makeLabel("Voltage:", 4, rowY[0], 74, Qt::AlignRight);
    edt1 = makeEdit("edt1", widgets::kVoltageEditDesignMax, rowY[0]);
    makeLabel("V", 174, rowY[0], 16, Qt::AlignLeft);
    makeLabel("Current:", 4, rowY[1], 74, Qt::AlignRight);
    edt2 = makeEdit("edt2", widgets::kCurrentEditDesignMax, rowY[1]);
    makeLabel("A", 174, rowY[1], 16, Qt::AlignLeft);
    SpeedButton1 = makeSpeedButton("SpeedButton1", "Set", QRect(194, rowY[0], 48, 58));

    const char* presetNames[8] = {"btn3", "btn4", "btn5", "btn6", "btn7", "btn8", "btn9", "btn10"};
    const char* presetCaptions[8] = {"1.2V", "3.3V", "5.0V", "24V", "0.2A", "0.5A", "1A", "3A"};
    QToolButton* presets[8] = {};
    for (int i = 0; i < 8; ++i) {
        const int column = i % 4;
        const int row = i / 4;
        presets[i] = makeSpeedButton(presetNames[i], presetCaptions[i],
                                     QRect(250 + column * 50, rowY[row], 48, 26));
    }
    btn3 = presets[0];
    btn4 = presets[1];
    btn5 = presets[2];
    btn6 = presets[3];
    btn7 = presets[4];
    btn8 = presets[5];
    btn9 = presets[6];
    btn10 = presets[7];

    // The protection rows: level, Set, and the enable switch.
    struct ProtectionRow {
        TFlatSpinEditFloat*& edit;
        QToolButton*& setButton;
        QLabel*& enableLabel;
        TStateImage*& enableSwitch;
        const char* names[4];
        const char* caption;
        const char* unit;
        double designMax;
        int y;
    };
    ProtectionRow rows[2] = {
        {edt3,
         SpeedButton3,
         Label1,
         img1,
         {"edt3", "SpeedButton3", "Label1", "img1"},
         "OVP:",
         "V",
         widgets::kVoltageEditDesignMax,
         rowY[2]},
        {edt4,
         SpeedButton4,
         Label2,
         img3,
         {"edt4", "SpeedButton4", "Label2", "img3"},
         "OCP:",
         "A",
         widgets::kCurrentEditDesignMax,
         rowY[3]},
    };
    for (ProtectionRow& row : rows) {
        makeLabel(row.caption, 4, row.y, 74, Qt::AlignRight);
        row.edit = makeEdit(row.names[0], row.designMax, row.y);
        makeLabel(row.unit, 174, row.y, 16, Qt::AlignLeft);
        row.setButton = makeSpeedButton(row.names[1], "Set", QRect(194, row.y, 48, 26));
        row.enableLabel = makeLabel("Enable", 250, row.y, 60, Qt::AlignRight);
        row.enableLabel->setObjectName(row.names[2]);
        row.enableSwitch = new TStateImage(grp2);
        row.enableSwitch->setObjectName(row.names[3]);
        row.enableSwitch->SetState1Picture(widgets::SlideSwitchPicture(false));
        row.enableSwitch->SetState2Picture(widgets::SlideSwitchPicture(true));
        row.enableSwitch->move(318, row.y);
        row.enableSwitch->setCursor(Qt::PointingHandCursor);
    }
}

void TForm1::CreateOutputGroup(QWidget* panel) {
    grp3 = new QGroupBox("Output", panel);
    grp3->setObjectName("grp3");  // in the window's font
    grp3->setGeometry(468, 126, kClientWidth - 474, 170);
    grp3->setEnabled(false);

    ildrctngl1 = new TiLedRectangle(grp3);
    ildrctngl1->setObjectName("ildrctngl1");
    ildrctngl1->setGeometry((grp3->width() - 49) / 2, 52, 49, 17);
    widgets::ConfigureOutputLamp(*ildrctngl1);

    img2 = new TStateImage(grp3);
    img2->setObjectName("img2");
    img2->SetState1Picture(widgets::RockerSwitchPicture(false));
    img2->SetState2Picture(widgets::RockerSwitchPicture(true));
    img2->move((grp3->width() - 48) / 2, 92);
    img2->setCursor(Qt::PointingHandCursor);
}

void TForm1::CreateStatusBar() {
    stat1 = new TStatusBar(this);
    stat1->setObjectName("stat1");
    stat1->setGeometry(0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight);
    widgets::ConfigureStatusPanels(*stat1);
}
