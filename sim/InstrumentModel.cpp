#include "sim/InstrumentModel.h"

#include <algorithm>
#include <cmath>

#include "sim/ScpiValues.h"

namespace sim {
namespace {

// A protection trips only when its level is exceeded by more than rounding noise.
constexpr double kTripMargin = 1e-9;

// Bits of the standard event status register.
constexpr int kEsrDeviceError = 8;
constexpr int kEsrExecutionError = 16;
constexpr int kEsrCommandError = 32;
// Operation condition bits: the protections' trip states.
constexpr int kOperOvpTripped = 1;  // bit 0
constexpr int kOperOcpTripped = 2;  // bit 1

}  // namespace

InstrumentModel::InstrumentModel(const SimOptions& options)
    : noise_(options.noise), noiseSource_(options.seed) {
    state_.loadOhms = options.loadOhms;
    state_.line = options.line;
    slots_.fill(Settings{});
    updateOutput();
}

InstrumentState InstrumentModel::state() const {
    InstrumentState copy = state_;
    copy.errorCount = static_cast<int>(errors_.size());
    return copy;
}

void InstrumentModel::setLoadOhms(double ohms) {
    if (std::isfinite(ohms) && ohms > 0) {
        state_.loadOhms = ohms;
        updateOutput();
    }
}

void InstrumentModel::pushError(const ScpiErrorCode& error) {
    errors_.push(error.code, error.message);
    if (error.code <= -100 && error.code > -200) {
        eventStatus_ |= kEsrCommandError;
    } else if (error.code <= -200 && error.code > -300) {
        eventStatus_ |= kEsrExecutionError;
    } else {
        eventStatus_ |= kEsrDeviceError;
    }
}

std::optional<double> InstrumentModel::numberParam(const std::string& text, double max,
                                                   double def) {
    const std::optional<double> value = parseNumeric(text, {0, max, def});
    if (!value) {
        pushError(kDataTypeError);
        return std::nullopt;
    }
    if (*value < 0) {
        pushError(kDataOutOfRange);
        return std::nullopt;
    }
    return std::min(*value, max);
}

std::optional<bool> InstrumentModel::onOffParam(const Params& params) {
    const std::optional<bool> value = parseOnOff(params.at(0));
    if (!value) {
        pushError(kIllegalParameterValue);
    }
    return value;
}

std::optional<int> InstrumentModel::slotParam(const Params& params) {
    const std::optional<long> slot = parseWholeNumber(params.at(0));
    if (!slot || *slot < 0 || *slot >= kSlots) {
        pushError(kDataOutOfRange);
        return std::nullopt;
    }
    return static_cast<int>(*slot);
}

InstrumentModel::Reply InstrumentModel::numberQuery(const Params& params, double value,
                                                    double max) {
    if (params.empty()) {
        return formatFixed3(value);
    }
    const std::optional<double> keyword = parseNumberKeyword(params[0], {0, max, value});
    if (!keyword) {
        pushError(kIllegalParameterValue);  // only MIN, MAX or DEF may follow
        return std::nullopt;
    }
    return formatFixed3(*keyword);
}

InstrumentModel::Reply InstrumentModel::onOffSetting(const Params& params, bool& target) {
    if (const std::optional<bool> on = onOffParam(params)) {
        target = *on;
        updateOutput();
    }
    return std::nullopt;
}

InstrumentModel::Reply InstrumentModel::wholeSetting(const Params& params, long min, long max,
                                                     int& target) {
    const std::optional<long> value = parseWholeNumber(params.at(0));
    if (!value) {
        pushError(kDataTypeError);
    } else if (*value < min || *value > max) {
        pushError(kDataOutOfRange);
    } else {
        target = static_cast<int>(*value);
    }
    return std::nullopt;
}

void InstrumentModel::clampSetpoints() {
    Settings& s = state_.settings;
    s.voltage = std::clamp(s.voltage, 0.0, maxVoltage(s.range));
    s.current = std::clamp(s.current, 0.0, maxCurrent(s.range));
    s.ovpLevel = std::clamp(s.ovpLevel, 0.0, kOvpMax);
    s.ocpLevel = std::clamp(s.ocpLevel, 0.0, kOcpMax);
}

void InstrumentModel::updateOutput() {
    Settings& s = state_.settings;
    const double ohms = state_.loadOhms;
    state_.outputVoltage = 0;
    state_.outputCurrent = 0;
    state_.constantCurrent = false;
    if (!s.output) {
        return;
    }
    // The supply holds its voltage unless the load would draw more than the current
    // setpoint; then it holds the current and the voltage falls to I x R.
    const double limitedVoltage = s.current * ohms;
    state_.constantCurrent = limitedVoltage < s.voltage;
    const double volts = std::min(s.voltage, limitedVoltage);
    const double amps = volts / ohms;
    if (s.ovpEnabled && volts > s.ovpLevel + kTripMargin) {
        state_.ovpTripped = true;
    }
    if (s.ocpEnabled && amps > s.ocpLevel + kTripMargin) {
        state_.ocpTripped = true;
    }
    if ((s.ovpEnabled && volts > s.ovpLevel + kTripMargin) ||
        (s.ocpEnabled && amps > s.ocpLevel + kTripMargin)) {
        s.output = false;
        state_.constantCurrent = false;
        return;
    }
    state_.outputVoltage = volts;
    state_.outputCurrent = amps;
}

void InstrumentModel::recall(int slot) {
    state_.settings = slots_.at(static_cast<std::size_t>(slot));
    state_.lastSlot = slot;
    clampSetpoints();
    updateOutput();
}

void InstrumentModel::reset() {
    state_.settings = Settings{};
    state_.ovpTripped = false;
    state_.ocpTripped = false;
    voltageStep_ = 0.1;
    currentStep_ = 0.1;
    updateOutput();
}

int InstrumentModel::operationCondition() const {
    return (state_.ovpTripped ? kOperOvpTripped : 0) | (state_.ocpTripped ? kOperOcpTripped : 0);
}

int InstrumentModel::questionableCondition() const {
    // Bit 0: the output cannot hold its voltage setpoint (constant-current operation).
    return state_.constantCurrent ? 1 : 0;
}

int InstrumentModel::statusByte() const {
    int byte = 0;
    if (errors_.size() > 0) {
        byte |= 4;
    }
    if ((questionableCondition() & quesEnable_) != 0) {
        byte |= 8;
    }
    if ((eventStatus_ & eventEnable_) != 0) {
        byte |= 32;
    }
    if ((operationCondition() & operEnable_) != 0) {
        byte |= 128;
    }
    if ((byte & serviceEnable_) != 0) {
        byte |= 64;
    }
    return byte;
}

double InstrumentModel::measured(double value) {
    if (noise_ == 0 || value == 0) {
        return value;
    }
    std::uniform_real_distribution<double> spread(-noise_, noise_);
    return value * (1.0 + spread(noiseSource_));
}

}  // namespace sim
