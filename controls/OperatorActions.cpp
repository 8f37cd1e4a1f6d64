#include "controls/OperatorActions.h"

#include <QLabel>
#include <QString>
#include <utility>
#include <vector>

#include "controls/Unit6.h"
#include "scpi/CommandId.h"
#include "scpi/NumberText.h"
#include "session/CommandQueue.h"
#include "session/Unit5.h"
#include "widgets/TFlatSpinEditFloat.h"
#include "widgets/TStateImage.h"
#include "widgets/TiIntegerOutput.h"
#include "widgets/TiLedRectangle.h"

namespace controls {
namespace {

struct Preset {
    bool voltage;
    double value;
};
constexpr Preset kPresets[8] = {{true, 1.2},  {true, 3.3},  {true, 5},  {true, 24},
                                {false, 0.2}, {false, 0.5}, {false, 1}, {false, 3}};

QString OnOff(bool on) {
    return on ? "ON" : "OFF";
}

void QueueRange(const QString& word) {
    QueueUserCommand(
        cmd::VoltRang, word,
        {{cmd::CurrMaxQuery, word}, {cmd::VoltMaxQuery, word}, {cmd::ApplyQuery, word}});
}

}  // namespace

void act_cmd_vol_change(const SessionControls& c) {
    const double voltage = c.edt1->Value();
    const double current = c.edt2->Value();
    QueueUserCommand(cmd::Apply, NumberText(voltage) + "," + NumberText(current));
}

void PresetClick(const SessionControls& c, int index) {
    const Preset& preset = kPresets[index];
    (preset.voltage ? c.edt1 : c.edt2)->SetValue(preset.value);
    act_cmd_vol_change(c);
}

void EditKeyPress(TFlatSpinEditFloat* edit, char& key) {
    if (key != '.') {
        return;
    }
    if (edit->Text().left(15).contains('.')) {
        key = 0;
    }
}

void act_cmd_ovp_en(const SessionControls& c) {
    QueueUserCommand(cmd::VoltProtStat, OnOff(c.img1->ShowState() == kSwitchPictureOn));
}

void act_cmd_ocp_en(const SessionControls& c) {
    QueueUserCommand(cmd::CurrProtStat, OnOff(c.img3->ShowState() == kSwitchPictureOn));
}

void act_cmd_ovp_v(const SessionControls& c) {
    QueueUserCommand(cmd::VoltProt, NumberText(c.edt3->Value()), {{cmd::VoltProtQuery, "0"}});
}

void act_cmd_ocp_i(const SessionControls& c) {
    QueueUserCommand(cmd::CurrProt, NumberText(c.edt4->Value()), {{cmd::CurrProtQuery, "0"}});
}

void act_cmd_outp(const SessionControls& c) {
    QueueUserCommand(cmd::Outp, OnOff(c.ildrctngl1->Active()));
}

void act_cmd_rang_low() {
    QueueRange("LOW");
}

void act_cmd_rang_high() {
    QueueRange("High");
}

void act_cmd_recall(TForm6& dialog) {
    dialog.Open(kSlotDialogRecall, "Load File Selection");
}

void act_cmd_save(TForm6& dialog) {
    dialog.Open(kSlotDialogSave, "Save File Selection");
}

void act_cmd_recall_do(const SessionControls& c, const TForm6& dialog) {
    // A recall changes everything the main window shows: read the state back.
    const QString zero = "0";
    const std::vector<std::pair<int, QString>> readBack = {
        {cmd::OutpQuery, zero},         {cmd::ApplyQuery, zero},
        {cmd::MeasQuery, zero},         {cmd::VoltProtQuery, zero},
        {cmd::VoltProtStatQuery, zero}, {cmd::VoltProtTripQuery, zero},
        {cmd::MeasCurrQuery, zero},     {cmd::CurrProtQuery, zero},
        {cmd::CurrProtStatQuery, zero}, {cmd::CurrProtTripQuery, zero},
        {cmd::VoltRangQuery, zero},     {cmd::CurrMaxQuery, zero},
        {cmd::CurrProtMaxQuery, zero},  {cmd::VoltMaxQuery, zero},
        {cmd::VoltProtMaxQuery, zero}};
    const bool appended =
        QueueUserCommand(cmd::Recall, QString::number(dialog.iIntegerOutput1->Value()), readBack);
    if (appended && c.Form5 != nullptr) {
        c.Form5->Label3->setText(".");
        c.Form5->show();
    }
}

void act_cmd_save_do(const TForm6& dialog) {
    QueueUserCommand(cmd::Save, QString::number(dialog.iIntegerOutput1->Value()));
}

}  // namespace controls
