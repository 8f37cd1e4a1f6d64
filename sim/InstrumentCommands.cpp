// The command set of the simulated supply: one row per header and form, each with the
// number of parameters it takes and what it does.

#include <algorithm>

#include "sim/InstrumentModel.h"
#include "sim/ScpiLine.h"
#include "sim/ScpiValues.h"

namespace sim {

struct InstrumentModel::Command {
    HeaderPattern pattern;
    bool query;
    std::size_t minParams;
    std::size_t maxParams;
    Handler handler;
};

namespace {
constexpr const char* kIdentity = "PSU-PANEL,SIMULATED DC SUPPLY,SIM0001,1.0";
constexpr const char* kScpiVersion = "1999.0";
constexpr int kEsrOperationComplete = 1;
constexpr double kDefaultStep = 0.1;

// UP or DOWN, as +1 or -1.
std::optional<int> stepDirection(const std::string& text) {
    static const HeaderPattern up("UP");
    static const HeaderPattern down("DOWN");
    if (up.matches(text)) {
        return 1;
    }
    if (down.matches(text)) {
        return -1;
    }
    return std::nullopt;
}
}  // namespace

InstrumentModel::SideRefs InstrumentModel::side(Side which) {
    Settings& s = state_.settings;
    if (which == Side::Voltage) {
        return {s.voltage,         voltageStep_,        s.ovpLevel, s.ovpEnabled,
                state_.ovpTripped, maxVoltage(s.range), kOvpMax,    Settings{}.voltage};
    }
    return {s.current,         currentStep_,        s.ocpLevel, s.ocpEnabled,
            state_.ocpTripped, maxCurrent(s.range), kOcpMax,    Settings{}.current};
}

// Voltage and current have the same commands: setpoint, step, protection level, enable,
// trip state and clear.
template <InstrumentModel::Side S>
void InstrumentModel::addSideCommands(std::vector<Command>& t) {
    using M = InstrumentModel;
    using P = Params;
    const std::string prefix = S == Side::Voltage ? "VOLTage" : "CURRent";
    const auto add = [&](const char* tail, bool query, std::size_t minParams, std::size_t maxParams,
                         Handler handler) {
        t.push_back({HeaderPattern(prefix + tail), query, minParams, maxParams, handler});
    };
    add(":PROTection:CLEar", false, 0, 0, [](M& m, const P&) -> Reply {
        m.side(S).tripped = false;
        return std::nullopt;
    });
    add(":PROTection:STATe", false, 1, 1,
        [](M& m, const P& p) { return m.onOffSetting(p, m.side(S).enabled); });
    add(":PROTection:STATe", true, 0, 0,
        [](M& m, const P&) -> Reply { return m.side(S).enabled ? "ON" : "OFF"; });
    add(":PROTection:TRIP", true, 0, 0,
        [](M& m, const P&) -> Reply { return m.side(S).tripped ? "ON" : "OFF"; });
    add(":PROTection", false, 1, 1, [](M& m, const P& p) -> Reply {
        const SideRefs side = m.side(S);
        if (const auto level = m.numberParam(p[0], side.levelMax, side.levelMax)) {
            side.level = *level;
            m.updateOutput();
        }
        return std::nullopt;
    });
    add(":PROTection", true, 0, 1, [](M& m, const P& p) {
        const SideRefs side = m.side(S);
        return m.numberQuery(p, side.level, side.levelMax);
    });
    add(":STEP", false, 1, 1, [](M& m, const P& p) -> Reply {
        const SideRefs side = m.side(S);
        if (const auto step = m.numberParam(p[0], side.max, kDefaultStep)) {
            side.step = *step;
        }
        return std::nullopt;
    });
    add(":STEP", true, 0, 1, [](M& m, const P& p) {
        const SideRefs side = m.side(S);
        return m.numberQuery(p, side.step, side.max);
    });
    add("", false, 1, 1, [](M& m, const P& p) -> Reply {
        const SideRefs side = m.side(S);
        std::optional<double> value;
        if (const std::optional<int> direction = stepDirection(p[0])) {
            value = std::clamp(side.setpoint + *direction * side.step, 0.0, side.max);
        } else {
            value = m.numberParam(p[0], side.max, side.def);
        }
        if (value) {
            side.setpoint = *value;
            m.updateOutput();
        }
        return std::nullopt;
    });
    add("", true, 0, 1, [](M& m, const P& p) {
        const SideRefs side = m.side(S);
        return m.numberQuery(p, side.setpoint, side.max);
    });
}

const std::vector<InstrumentModel::Command>& InstrumentModel::commands() {
    using M = InstrumentModel;
    using P = Params;
    static const std::vector<Command> table = [] {
        std::vector<Command> t;
        const auto set = [&t](const char* pattern, std::size_t minParams, std::size_t maxParams,
                              Handler handler) {
            t.push_back({HeaderPattern(pattern), false, minParams, maxParams, handler});
        };
        const auto ask = [&t](const char* pattern, std::size_t maxParams, Handler handler) {
            t.push_back({HeaderPattern(pattern), true, 0, maxParams, handler});
        };

        // Common commands.
        set("*CLS", 0, 0, [](M& m, const P&) -> Reply {
            m.errors_.clear();
            m.eventStatus_ = 0;
            return std::nullopt;
        });
        set("*ESE", 1, 1,
            [](M& m, const P& p) { return m.wholeSetting(p, 0, 255, m.eventEnable_); });
        ask("*ESE", 0, [](M& m, const P&) -> Reply { return formatSigned(m.eventEnable_); });
        ask("*ESR", 0, [](M& m, const P&) -> Reply {
            const int value = m.eventStatus_;
            m.eventStatus_ = 0;  // reading the event register clears it
            return formatSigned(value);
        });
        ask("*IDN", 0, [](M&, const P&) -> Reply { return kIdentity; });
        set("*OPC", 0, 0, [](M& m, const P&) -> Reply {
            m.eventStatus_ |= kEsrOperationComplete;
            return std::nullopt;
        });
        ask("*OPC", 0, [](M&, const P&) -> Reply { return "1"; });
        set("*PSC", 1, 1, [](M& m, const P& p) { return m.onOffSetting(p, m.powerOnClear_); });
        ask("*PSC", 0, [](M& m, const P&) -> Reply { return m.powerOnClear_ ? "1" : "0"; });
        set("*RCL", 1, 1, [](M& m, const P& p) -> Reply {
            if (const std::optional<int> slot = m.slotParam(p)) {
                m.recall(*slot);
            }
            return std::nullopt;
        });
        set("*RST", 0, 0, [](M& m, const P&) -> Reply {
            m.reset();
            return std::nullopt;
        });
        set("*SAV", 1, 1, [](M& m, const P& p) -> Reply {
            if (const std::optional<int> slot = m.slotParam(p)) {
                m.slots_.at(static_cast<std::size_t>(*slot)) = m.state_.settings;
                m.state_.lastSlot = *slot;
            }
            return std::nullopt;
        });
        set("*SRE", 1, 1,
            [](M& m, const P& p) { return m.wholeSetting(p, 0, 255, m.serviceEnable_); });
        ask("*SRE", 0, [](M& m, const P&) -> Reply { return formatSigned(m.serviceEnable_); });
        ask("*STB", 0, [](M& m, const P&) -> Reply { return formatSigned(m.statusByte()); });

        // Voltage and current together.
        set("APPLy", 1, 2, [](M& m, const P& p) -> Reply {
            Settings& s = m.state_.settings;
            const auto volts = m.numberParam(p[0], maxVoltage(s.range), Settings{}.voltage);
            if (!volts) {
                return std::nullopt;
            }
            std::optional<double> amps = s.current;
            if (p.size() == 2) {
                amps = m.numberParam(p[1], maxCurrent(s.range), Settings{}.current);
            }
            if (amps) {
                s.voltage = *volts;
                s.current = *amps;
                m.updateOutput();
            }
            return std::nullopt;
        });
        ask("APPLy", 0, [](M& m, const P&) -> Reply {
            return formatFixed3(m.state_.settings.voltage) + "," +
                   formatFixed3(m.state_.settings.current);
        });

        // Calibration is always secured in the simulator.
        ask("CALibration:COUNt", 0, [](M&, const P&) -> Reply { return "0"; });
        ask("CALibration:SECure:STATe", 0, [](M&, const P&) -> Reply { return "ON"; });
        for (const char* pattern :
             {"CALibration:CURRent", "CALibration:CURRent:LEVel", "CALibration:SECure:CODE",
              "CALibration:SECure:STATe", "CALibration:VOLTage", "CALibration:VOLTage:LEVel"}) {
            set(pattern, 0, 2, [](M& m, const P&) -> Reply {
                m.pushError(kCommandProtected);
                return std::nullopt;
            });
        }

        set("HOTKey", 1, 1, [](M& m, const P& p) { return m.onOffSetting(p, m.hotkey_); });
        ask("HOTKey", 0, [](M& m, const P&) -> Reply { return m.hotkey_ ? "ON" : "OFF"; });

        // Measurements.
        ask("MEASure[:VOLTage]", 0, [](M& m, const P&) -> Reply {
            return formatFixed3(m.measured(m.state_.outputVoltage));
        });
        ask("MEASure:CURRent", 0, [](M& m, const P&) -> Reply {
            return formatFixed3(m.measured(m.state_.outputCurrent));
        });
        ask("MEASure:POWer", 0, [](M& m, const P&) -> Reply {
            return formatFixed3(m.measured(m.state_.outputVoltage * m.state_.outputCurrent));
        });

        set("OUTPut", 1, 1,
            [](M& m, const P& p) { return m.onOffSetting(p, m.state_.settings.output); });
        ask("OUTPut", 0,
            [](M& m, const P&) -> Reply { return m.state_.settings.output ? "ON" : "OFF"; });

        addSideCommands<Side::Current>(t);
        addSideCommands<Side::Voltage>(t);
        set("VOLTage:RANGe", 1, 1, [](M& m, const P& p) -> Reply {
            if (HeaderPattern("LOW").matches(p[0])) {
                m.state_.settings.range = VoltageRange::Low;
            } else if (HeaderPattern("HIGH").matches(p[0])) {
                m.state_.settings.range = VoltageRange::High;
            } else {
                m.pushError(kIllegalParameterValue);
                return std::nullopt;
            }
            m.clampSetpoints();
            m.updateOutput();
            return std::nullopt;
        });
        ask("VOLTage:RANGe", 0, [](M& m, const P&) -> Reply {
            return m.state_.settings.range == VoltageRange::Low ? "LOW" : "HIGH";
        });

        // Status registers. The operation event register follows the trip states, so a
        // poll sees a trip until it is cleared.
        ask("STATus:OPERation:CONDition", 0,
            [](M& m, const P&) -> Reply { return formatSigned(m.operationCondition()); });
        set("STATus:OPERation:ENABle", 1, 1,
            [](M& m, const P& p) { return m.wholeSetting(p, 0, 65535, m.operEnable_); });
        ask("STATus:OPERation:ENABle", 0,
            [](M& m, const P&) -> Reply { return formatSigned(m.operEnable_); });
        ask("STATus:OPERation[:EVENt]", 0,
            [](M& m, const P&) -> Reply { return formatSigned(m.operationCondition()); });
        set("STATus:PRESet", 0, 0, [](M& m, const P&) -> Reply {
            m.operEnable_ = 0;
            m.quesEnable_ = 0;
            return std::nullopt;
        });
        ask("STATus:QUEStionable:CONDition", 0,
            [](M& m, const P&) -> Reply { return formatSigned(m.questionableCondition()); });
        set("STATus:QUEStionable:ENABle", 1, 1,
            [](M& m, const P& p) { return m.wholeSetting(p, 0, 65535, m.quesEnable_); });
        ask("STATus:QUEStionable:ENABle", 0,
            [](M& m, const P&) -> Reply { return formatSigned(m.quesEnable_); });
        ask("STATus:QUEStionable[:EVENt]", 0,
            [](M& m, const P&) -> Reply { return formatSigned(m.questionableCondition()); });

        // The automatic sequence is stored and reported; the simulator does not run it.
        set("SYSTem:AUTO:CYCLe", 1, 1,
            [](M& m, const P& p) { return m.wholeSetting(p, 0, 9999, m.autoCycles_); });
        ask("SYSTem:AUTO:CYCLe", 0,
            [](M& m, const P&) -> Reply { return std::to_string(m.autoCycles_); });
        set("SYSTem:AUTO:DELay", 1, 1, [](M& m, const P& p) -> Reply {
            if (const auto seconds = m.numberParam(p[0], 99.9, 1.0)) {
                m.autoDelay_ = *seconds;
            }
            return std::nullopt;
        });
        ask("SYSTem:AUTO:DELay", 0,
            [](M& m, const P&) -> Reply { return formatFixed3(m.autoDelay_); });
        set("SYSTem:AUTO:STARt", 1, 1,
            [](M& m, const P& p) { return m.wholeSetting(p, 0, kSlots - 1, m.autoStart_); });
        ask("SYSTem:AUTO:STARt", 0,
            [](M& m, const P&) -> Reply { return std::to_string(m.autoStart_); });
        set("SYSTem:AUTO:STOP", 1, 1,
            [](M& m, const P& p) { return m.wholeSetting(p, 0, kSlots - 1, m.autoStop_); });
        ask("SYSTem:AUTO:STOP", 0,
            [](M& m, const P&) -> Reply { return std::to_string(m.autoStop_); });
        set("SYSTem:AUTO", 1, 1,
            [](M& m, const P& p) { return m.onOffSetting(p, m.autoEnabled_); });
        ask("SYSTem:AUTO", 0,
            [](M& m, const P&) -> Reply { return m.autoEnabled_ ? "ON" : "OFF"; });

        // System.
        set("SYSTem:BEEPer:STATe", 1, 1,
            [](M& m, const P& p) { return m.onOffSetting(p, m.beepEnabled_); });
        ask("SYSTem:BEEPer:STATe", 0,
            [](M& m, const P&) -> Reply { return m.beepEnabled_ ? "ON" : "OFF"; });
        set("SYSTem:BEEPer", 0, 0, [](M& m, const P&) -> Reply {
            if (m.beepEnabled_) {
                ++m.state_.beeps;
            }
            return std::nullopt;
        });
        // A new rate applies from the next answer on; the client must follow.
        set("SYSTem:COMMunicate:SERial:BAUD", 1, 1, [](M& m, const P& p) -> Reply {
            const std::optional<long> baud = parseWholeNumber(p[0]);
            if (!baud || !isSupportedBaud(static_cast<int>(*baud))) {
                m.pushError(kIllegalParameterValue);
            } else {
                m.state_.line.baud = static_cast<int>(*baud);
            }
            return std::nullopt;
        });
        ask("SYSTem:COMMunicate:SERial:BAUD", 0,
            [](M& m, const P&) -> Reply { return std::to_string(m.state_.line.baud); });
        ask("SYSTem:ERRor:COUNt", 0,
            [](M& m, const P&) -> Reply { return std::to_string(m.errors_.size()); });
        ask("SYSTem:ERRor[:NEXT]", 0, [](M& m, const P&) -> Reply {
            const ScpiError error = m.errors_.pop();
            return std::to_string(error.code) + ",\"" + error.message + "\"";
        });
        set("SYSTem:LOCal", 0, 0, [](M& m, const P&) -> Reply {
            m.state_.remote = RemoteState::Local;
            return std::nullopt;
        });
        ask("SYSTem:MEMory", 0,
            [](M& m, const P&) -> Reply { return std::to_string(m.state_.lastSlot); });
        set("SYSTem:REMote", 0, 0, [](M& m, const P&) -> Reply {
            m.state_.remote = RemoteState::Remote;
            return std::nullopt;
        });
        set("SYSTem:RWLock", 0, 0, [](M& m, const P&) -> Reply {
            m.state_.remote = RemoteState::RemoteLocked;
            return std::nullopt;
        });
        ask("SYSTem:VERSion", 0, [](M&, const P&) -> Reply { return kScpiVersion; });
        return t;
    }();
    return table;
}

std::optional<std::string> InstrumentModel::execute(std::string_view line) {
    const ScpiLine parsed = splitScpiLine(line);
    if (parsed.header.empty() && !parsed.query && parsed.params.empty()) {
        return std::nullopt;  // a blank line is no command
    }
    for (const Command& command : commands()) {
        if (command.query != parsed.query || !command.pattern.matches(parsed.header)) {
            continue;
        }
        if (parsed.params.size() < command.minParams) {
            pushError(kMissingParameter);
            return std::nullopt;
        }
        if (parsed.params.size() > command.maxParams) {
            pushError(kParameterNotAllowed);
            return std::nullopt;
        }
        return command.handler(*this, parsed.params);
    }
    pushError(kUndefinedHeader);
    return std::nullopt;
}

}  // namespace sim
