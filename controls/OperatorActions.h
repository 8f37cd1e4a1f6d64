#pragma once
// The operator's actions: each turns a click into commands in the operator queue; none of
// them writes to the line. The instrument's answers to the read-back queries then bring the
// display into line.

#include "session/SessionControls.h"

class TFlatSpinEditFloat;
class TForm6;

namespace controls {

// Setpoints: ":APPL V,I" from the voltage and current edits.
void act_cmd_vol_change(const SessionControls& c);
// A preset button: sets one edit, then queues the setpoints. index 0..7 is btn3..btn10.
void PresetClick(const SessionControls& c, int index);
// The key-press hook of the four level edits: a second "." is refused.
void EditKeyPress(TFlatSpinEditFloat* edit, char& key);

// Protection switches and levels.
void act_cmd_ovp_en(const SessionControls& c);
void act_cmd_ocp_en(const SessionControls& c);
void act_cmd_ovp_v(const SessionControls& c);
void act_cmd_ocp_i(const SessionControls& c);

// Output switch and range.
void act_cmd_outp(const SessionControls& c);
void act_cmd_rang_low();
void act_cmd_rang_high();

// Memory slots.
void act_cmd_recall(TForm6& dialog);
void act_cmd_save(TForm6& dialog);
void act_cmd_recall_do(const SessionControls& c, const TForm6& dialog);
void act_cmd_save_do(const TForm6& dialog);

}  // namespace controls
