#pragma once
// The design settings of the main window's four setpoint edits (edt1 to edt4): from 0 up to a
// design maximum that the instrument's reported limits later replace, steps of 0.5, three
// decimals in fixed-point form, starting at 0.

class TFlatSpinEditFloat;

namespace widgets {

inline constexpr double kVoltageEditDesignMax = 36;  // edt1 (voltage) and edt3 (OVP level)
inline constexpr double kCurrentEditDesignMax = 3;   // edt2 (current) and edt4 (OCP level)

void ConfigureSetpointEdit(TFlatSpinEditFloat& edit, double designMax);

}  // namespace widgets
