#pragma once
// What the simulated power supply holds at one moment, as tests and the panel's simulate
// mode see it.

#include "sim/SimOptions.h"

namespace sim {

enum class VoltageRange { Low, High };
enum class RemoteState { Local, Remote, RemoteLocked };

// The settings a memory slot stores and *RST restores.
struct Settings {
    double voltage = 5.0;  // setpoints, volts and amperes
    double current = 1.0;
    double ovpLevel = 39.6;
    double ocpLevel = 3.3;
    bool ovpEnabled = false;
    bool ocpEnabled = false;
    bool output = false;
    VoltageRange range = VoltageRange::Low;

    bool operator==(const Settings&) const = default;
};

struct InstrumentState {
    Settings settings;
    bool ovpTripped = false;
    bool ocpTripped = false;
    double outputVoltage = 0;  // what the load sees, without measurement noise
    double outputCurrent = 0;
    bool constantCurrent = false;  // the current setpoint limits the output
    double loadOhms = 10.0;
    RemoteState remote = RemoteState::Local;
    int lastSlot = 0;  // last slot saved or recalled
    int errorCount = 0;
    int beeps = 0;
    LineSettings line;  // what the instrument is set to
};

}  // namespace sim
