#include "sim/SimOptions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <utility>

namespace sim {
namespace {

constexpr std::array<SimOptionInfo, 14> kOptions{{
    {"baud", "RATE", "baud rate the instrument is set to (default 9600)"},
    {"format", "DPS", "data bits, parity N/E/O and stop bits (default 8N1)"},
    {"latency", "MS", "reply latency in milliseconds (default 5)"},
    {"load", "OHMS", "resistive load on the output (default 10)"},
    {"noise", "FRACTION", "relative measurement noise, 0 to 0.5 (default 0, none)"},
    {"seed", "N", "seed of the noise and of the flaky fault (default 1)"},
    {"link", "PATH", "make a symbolic link PATH to the device while running"},
    {"silent", nullptr, "fault: answer nothing"},
    {"late", "MS", "fault: answer MS milliseconds late"},
    {"split", nullptr, "fault: send each answer in two parts, 150 ms apart"},
    {"garble", nullptr, "fault: corrupt every answer"},
    {"twice", nullptr, "fault: send every answer twice"},
    {"drop-after", "N", "fault: close the line after N commands"},
    {"flaky", nullptr, "fault: play one of the faults above at random per answer"},
}};

constexpr std::array<int, 12> kBauds{110,  300,   600,   1200,  2400,   4800,
                                     9600, 19200, 38400, 57600, 115200, 230400};

bool fail(std::string* error, std::string message) {
    if (error != nullptr) {
        *error = std::move(message);
    }
    return false;
}

template <typename Number>
bool parseNumber(std::string_view text, Number& out) {
    if (text.empty()) {
        return false;
    }
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

bool parseIntIn(std::string_view name, std::string_view text, int low, int high, int& out,
                std::string* error) {
    int value = 0;
    if (!parseNumber(text, value) || value < low || value > high) {
        return fail(error, "--" + std::string(name) + " needs a whole number from " +
                               std::to_string(low) + " to " + std::to_string(high) + ", not \"" +
                               std::string(text) + "\"");
    }
    out = value;
    return true;
}

bool parseFormat(std::string_view text, LineSettings& line, std::string* error) {
    const auto bad = [&] {
        return fail(error,
                    "--format needs data bits 5-8, parity N/E/O and stop bits 1-2 "
                    "such as 8N1, not \"" +
                        std::string(text) + "\"");
    };
    if (text.size() != 3) {
        return bad();
    }
    const char parity = static_cast<char>(std::toupper(static_cast<unsigned char>(text[1])));
    if (text[0] < '5' || text[0] > '8' || (parity != 'N' && parity != 'E' && parity != 'O') ||
        (text[2] != '1' && text[2] != '2')) {
        return bad();
    }
    line.dataBits = text[0] - '0';
    line.parity = parity;
    line.stopBits = text[2] - '0';
    return true;
}

}  // namespace

std::span<const SimOptionInfo> simOptionTable() {
    return kOptions;
}

bool isSupportedBaud(int baud) {
    return std::find(kBauds.begin(), kBauds.end(), baud) != kBauds.end();
}

bool applySimOption(std::string_view name, std::string_view value, SimOptions& options,
                    std::string* error) {
    const auto info = std::find_if(kOptions.begin(), kOptions.end(),
                                   [&](const SimOptionInfo& o) { return name == o.name; });
    if (info == kOptions.end()) {
        return fail(error, "unknown option --" + std::string(name));
    }
    if (info->valueName == nullptr && !value.empty()) {
        return fail(error, "--" + std::string(name) + " takes no value");
    }
    FaultSettings& faults = options.faults;
    if (name == "baud") {
        int baud = 0;
        if (!parseNumber(value, baud) || !isSupportedBaud(baud)) {
            return fail(error,
                        "--baud needs one of 110, 300, 600, 1200, 2400, 4800, 9600, "
                        "19200, 38400, 57600, 115200, 230400, not \"" +
                            std::string(value) + "\"");
        }
        options.line.baud = baud;
        return true;
    }
    if (name == "format") {
        return parseFormat(value, options.line, error);
    }
    if (name == "latency") {
        return parseIntIn(name, value, 0, 60000, options.replyLatencyMs, error);
    }
    if (name == "load") {
        double ohms = 0;
        if (!parseNumber(value, ohms) || !std::isfinite(ohms) || ohms <= 0 || ohms > 1e6) {
            return fail(error, "--load needs a resistance above 0 and up to 1e6 ohms, not \"" +
                                   std::string(value) + "\"");
        }
        options.loadOhms = ohms;
        return true;
    }
    if (name == "noise") {
        double fraction = 0;
        if (!parseNumber(value, fraction) || !(fraction >= 0 && fraction <= 0.5)) {
            return fail(error, "--noise needs a fraction from 0 to 0.5, not \"" +
                                   std::string(value) + "\"");
        }
        options.noise = fraction;
        return true;
    }
    if (name == "seed") {
        std::uint32_t seed = 0;
        if (!parseNumber(value, seed)) {
            return fail(error, "--seed needs a whole number from 0 to 4294967295, not \"" +
                                   std::string(value) + "\"");
        }
        options.seed = seed;
        return true;
    }
    if (name == "link") {
        if (value.empty()) {
            return fail(error, "--link needs a path");
        }
        options.linkPath = std::string(value);
        return true;
    }
    if (name == "late") {
        return parseIntIn(name, value, 0, 60000, faults.lateMs, error);
    }
    if (name == "drop-after") {
        return parseIntIn(name, value, 0, 1000000, faults.dropAfterCommands, error);
    }
    // What is left are the switches.
    bool* const flags[] = {&faults.silent, &faults.split, &faults.garble, &faults.twice,
                           &faults.flaky};
    const std::string_view flagNames[] = {"silent", "split", "garble", "twice", "flaky"};
    for (std::size_t i = 0; i < std::size(flagNames); ++i) {
        if (name == flagNames[i]) {
            *flags[i] = true;
        }
    }
    return true;
}

bool parseSimArguments(const std::vector<std::string>& args, SimOptions& options,
                       std::string* error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg.size() < 3 || arg.substr(0, 2) != "--") {
            return fail(error, "unexpected argument \"" + std::string(arg) + "\"");
        }
        std::string_view name = arg.substr(2);
        std::string_view value;
        bool hasValue = false;
        if (const auto eq = name.find('='); eq != std::string_view::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            hasValue = true;
        }
        const auto info = std::find_if(kOptions.begin(), kOptions.end(),
                                       [&](const SimOptionInfo& o) { return name == o.name; });
        if (info != kOptions.end() && info->valueName != nullptr && !hasValue) {
            if (i + 1 >= args.size()) {
                return fail(error, "--" + std::string(name) + " needs a value " + info->valueName);
            }
            value = args[++i];
        } else if (info != kOptions.end() && info->valueName == nullptr && hasValue) {
            return fail(error, "--" + std::string(name) + " takes no value");
        }
        if (!applySimOption(name, value, options, error)) {
            return false;
        }
    }
    return true;
}

std::string simOptionsHelp() {
    std::string text;
    for (const SimOptionInfo& option : kOptions) {
        std::string left = "  --" + std::string(option.name);
        if (option.valueName != nullptr) {
            left += " " + std::string(option.valueName);
        }
        left.resize(std::max<std::size_t>(left.size() + 2, 22), ' ');
        text += left + option.help + "\n";
    }
    return text;
}

}  // namespace sim
