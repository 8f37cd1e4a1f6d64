// The option parser that the tool and the panel share.

#include <gtest/gtest.h>

#include "sim/SimOptions.h"

namespace {

using sim::SimOptions;

struct AcceptedCase {
    std::vector<std::string> args;
    std::function<bool(const SimOptions&)> holds;
    const char* what;
};

TEST(SimOptions, AcceptedArgumentsSetTheirFields) {
    const AcceptedCase cases[] = {
        {{},
         [](const SimOptions& o) {
             return o.line == sim::LineSettings{} && o.replyLatencyMs == 5 && o.loadOhms == 10.0 &&
                    o.faults == sim::FaultSettings{};
         },
         "defaults"},
        {{"--baud", "19200"}, [](const SimOptions& o) { return o.line.baud == 19200; }, "baud"},
        {{"--baud=115200"},
         [](const SimOptions& o) { return o.line.baud == 115200; },
         "name=value"},
        {{"--format", "7e2"},
         [](const SimOptions& o) {
             return o.line.dataBits == 7 && o.line.parity == 'E' && o.line.stopBits == 2;
         },
         "format, any case"},
        {{"--latency", "0"}, [](const SimOptions& o) { return o.replyLatencyMs == 0; }, "latency"},
        {{"--load", "2.5"}, [](const SimOptions& o) { return o.loadOhms == 2.5; }, "load"},
        {{"--noise", "0.01", "--seed", "42"},
         [](const SimOptions& o) { return o.noise == 0.01 && o.seed == 42u; },
         "noise and seed"},
        {{"--link", "/tmp/x"}, [](const SimOptions& o) { return o.linkPath == "/tmp/x"; }, "link"},
        {{"--silent", "--split", "--garble", "--twice", "--flaky"},
         [](const SimOptions& o) {
             return o.faults.silent && o.faults.split && o.faults.garble && o.faults.twice &&
                    o.faults.flaky;
         },
         "switches"},
        {{"--late", "250", "--drop-after", "3"},
         [](const SimOptions& o) {
             return o.faults.lateMs == 250 && o.faults.dropAfterCommands == 3;
         },
         "valued faults"},
    };
    for (const AcceptedCase& c : cases) {
        SimOptions options;
        std::string error;
        EXPECT_TRUE(sim::parseSimArguments(c.args, options, &error)) << c.what << ": " << error;
        EXPECT_TRUE(c.holds(options)) << c.what;
    }
}

TEST(SimOptions, RejectedArgumentsSayWhatIsWrong) {
    const struct {
        std::vector<std::string> args;
        const char* mentions;
    } cases[] = {
        {{"--baud", "9601"}, "--baud"},       {{"--baud"}, "needs a value"},
        {{"--format", "9N1"}, "--format"},    {{"--format", "8X1"}, "--format"},
        {{"--latency", "-1"}, "--latency"},   {{"--latency", "5ms"}, "--latency"},
        {{"--load", "0"}, "--load"},          {{"--load", "nan"}, "--load"},
        {{"--noise", "0.6"}, "--noise"},      {{"--seed", "-3"}, "--seed"},
        {{"--silent=yes"}, "takes no value"}, {{"--bogus"}, "unknown option --bogus"},
        {{"stray"}, "unexpected argument"},   {{"--link="}, "--link"},
    };
    for (const auto& c : cases) {
        SimOptions options;
        std::string error;
        EXPECT_FALSE(sim::parseSimArguments(c.args, options, &error)) << c.args.front();
        EXPECT_NE(error.find(c.mentions), std::string::npos) << c.args.front() << ": " << error;
    }
}

TEST(SimOptions, HelpListsEveryOptionWithItsValue) {
    const std::string help = sim::simOptionsHelp();
    for (const sim::SimOptionInfo& option : sim::simOptionTable()) {
        std::string spelled = "--" + std::string(option.name);
        if (option.valueName != nullptr) {
            spelled += " " + std::string(option.valueName);
        }
        EXPECT_NE(help.find(spelled), std::string::npos) << spelled;
    }
}

}  // namespace
