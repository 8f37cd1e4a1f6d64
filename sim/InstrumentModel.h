#pragma once
// The simulated power supply itself: it executes one SCPI line at a time and answers
// queries. Two ranges, a resistive load giving constant-voltage or constant-current
// operation, over-voltage and over-current protection that trip the output, ten memory
// slots and the SCPI status and error machinery. Not thread-safe; the owner serialises.

#include <array>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "sim/ErrorQueue.h"
#include "sim/InstrumentState.h"
#include "sim/ScpiErrors.h"
#include "sim/SimOptions.h"

namespace sim {

class InstrumentModel {
  public:
    static constexpr int kSlots = 10;
    static constexpr double kOvpMax = 39.6;
    static constexpr double kOcpMax = 3.3;

    explicit InstrumentModel(const SimOptions& options);

    // Executes one line (without its line feed). Returns the answer text, without line
    // feed, for a query that succeeded; nothing for settings and for lines in error, which
    // land on the error queue instead.
    std::optional<std::string> execute(std::string_view line);

    // A line too long to take in: kTooMuchData, as for any command with too much data.
    void rejectOverlongLine() { pushError(kTooMuchData); }

    InstrumentState state() const;
    void setLoadOhms(double ohms);

    static double maxVoltage(VoltageRange range) { return range == VoltageRange::Low ? 18 : 36; }
    static double maxCurrent(VoltageRange range) { return range == VoltageRange::Low ? 3 : 1.5; }

  private:
    using Params = std::vector<std::string>;
    using Reply = std::optional<std::string>;
    using Handler = Reply (*)(InstrumentModel&, const Params&);
    struct Command;
    // The command set, one row per header and form; built in InstrumentCommands.cpp.
    static const std::vector<Command>& commands();

    enum class Side { Voltage, Current };
    // The settings of one side, by reference, with its limits in the range in force.
    struct SideRefs {
        double& setpoint;
        double& step;
        double& level;
        bool& enabled;
        bool& tripped;
        double max;
        double levelMax;
        double def;
    };
    SideRefs side(Side which);
    template <Side S>
    static void addSideCommands(std::vector<Command>& table);

    void pushError(const ScpiErrorCode& error);
    bool expectParams(const Params& params, std::size_t min, std::size_t max);
    std::optional<double> numberParam(const std::string& text, double max, double def);
    std::optional<bool> onOffParam(const Params& params);
    std::optional<int> slotParam(const Params& params);
    Reply numberQuery(const Params& params, double value, double max);
    Reply onOffSetting(const Params& params, bool& target);
    Reply wholeSetting(const Params& params, long min, long max, int& target);

    // Applies the load to the setpoints and trips an exceeded protection.
    void updateOutput();
    void clampSetpoints();
    void recall(int slot);
    void reset();
    int operationCondition() const;
    int questionableCondition() const;
    int statusByte() const;
    double measured(double value);

    InstrumentState state_;
    std::array<Settings, kSlots> slots_{};
    ErrorQueue errors_;
    int eventStatus_ = 0;  // *ESR
    int eventEnable_ = 0;  // *ESE
    int serviceEnable_ = 0;
    bool powerOnClear_ = true;
    int operEnable_ = 0;
    int quesEnable_ = 0;
    double voltageStep_ = 0.1;  // for UP and DOWN
    double currentStep_ = 0.1;
    bool hotkey_ = false;
    bool beepEnabled_ = true;
    bool autoEnabled_ = false;
    int autoCycles_ = 1;
    double autoDelay_ = 1.0;
    int autoStart_ = 0;
    int autoStop_ = 9;
    double noise_ = 0;
    std::mt19937 noiseSource_;
};

}  // namespace sim
