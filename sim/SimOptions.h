#pragma once
// Everything that shapes one simulated instrument: its line, its timing, its load and the
// faults it plays. The psu-sim tool and the panel's in-process simulator parse the same
// options with the same functions, so both speak one vocabulary.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// The line settings the instrument itself is configured for. A client whose settings differ
// receives garbled answers, as on a real mismatched line.
struct LineSettings {
    int baud = 9600;
    int dataBits = 8;
    char parity = 'N';  // 'N', 'E' or 'O'
    int stopBits = 1;

    bool operator==(const LineSettings&) const = default;
};

// Faults played on the answers; all can be changed while the instrument runs.
struct FaultSettings {
    bool silent = false;        // answers nothing at all
    int lateMs = 0;             // extra delay before every answer
    bool split = false;         // answer in two parts with a pause between them
    bool garble = false;        // answer with corrupted bytes
    bool twice = false;         // send every answer two times
    int dropAfterCommands = 0;  // close the line after this many commands; 0 never
    bool flaky = false;         // pick one of the faults above at random for each answer

    bool operator==(const FaultSettings&) const = default;
};

struct SimOptions {
    LineSettings line;
    int replyLatencyMs = 5;  // from the line feed of a query to the first answer byte
    double loadOhms = 10.0;  // resistive load on the output
    double noise = 0.0;      // relative measurement noise, e.g. 0.001 for +-0.1 %
    std::uint32_t seed = 1;  // seeds the noise and the flaky fault choice
    std::string linkPath;    // when set, a symbolic link to the slave device lives here
    FaultSettings faults;
};

// The pause between the two parts of a split answer: longer than the 100 ms after which a
// reader takes the bytes it has as one reply.
inline constexpr int kSplitPauseMs = 150;

// One option as the tool's command line spells it (without the leading "--").
struct SimOptionInfo {
    const char* name;
    const char* valueName;  // nullptr for a switch without value
    const char* help;
};

// Every option the simulator understands, in the order --help lists them.
std::span<const SimOptionInfo> simOptionTable();

// Sets one option by name (without dashes). A switch takes an empty value. On a bad name or
// value returns false and says why in *error.
bool applySimOption(std::string_view name, std::string_view value, SimOptions& options,
                    std::string* error);

// Parses command-line arguments (program name excluded): "--name VALUE", "--name=VALUE" or
// "--switch". "--help" is not an option here; the caller looks for it first.
bool parseSimArguments(const std::vector<std::string>& args, SimOptions& options,
                       std::string* error);

// One line per option with its value name, meaning and default.
std::string simOptionsHelp();

// True for the baud rates the simulator can be configured for.
bool isSupportedBaud(int baud);

}  // namespace sim
