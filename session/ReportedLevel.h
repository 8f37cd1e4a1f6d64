#pragma once
// Levels the instrument reports into the setpoint and protection edits. Synchronisation reads
// a level before its maximum, so a level above the edit's design bound arrives clamped; the
// edit remembers what was reported, and once the maximum raises the bound it shows the level
// as reported, unless the operator has changed the edit since. Nothing is sent for it.

class TFlatSpinEditFloat;

// Writes a reported level into the edit (clamped to its present bounds, as every write is).
void ShowReportedLevel(TFlatSpinEditFloat& edit, double reported);

// Sets the edit's reported maximum; a raised bound shows a level it clamped as reported.
void ShowReportedMaximum(TFlatSpinEditFloat& edit, double maximum);
