// psu-sim: runs one simulated power supply on a pseudo-terminal until SIGINT or SIGTERM,
// printing the device to open.

#include <csignal>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "ProgramInfo.h"
#include "sim/SimulatedInstrument.h"

namespace {

void printHelp() {
    std::printf(
        "Usage: psu-sim [options]\n"
        "Runs a simulated DC power supply that answers SCPI commands on a\n"
        "pseudo-terminal, and prints the device path to open. Runs until\n"
        "interrupted (SIGINT or SIGTERM).\n\n"
        "Options:\n%s"
        "  --version           print the program's version and exit\n"
        "  --help              show this text\n",
        sim::simOptionsHelp().c_str());
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            printHelp();
            return 0;
        }
        if (arg == "--version") {
            std::printf("psu-sim %s\n", kProgramVersion);
            return 0;
        }
    }
    sim::SimOptions options;
    std::string error;
    if (!sim::parseSimArguments(args, options, &error)) {
        std::fprintf(stderr, "psu-sim: %s (see --help)\n", error.c_str());
        return 2;
    }

    // Block the stop signals before the worker starts so that only sigtimedwait sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    sim::SimulatedInstrument instrument(options);
    if (!instrument.start(&error)) {
        std::fprintf(stderr, "psu-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", instrument.slavePath().c_str());
    if (!options.linkPath.empty()) {
        std::printf("linked as %s\n", options.linkPath.c_str());
    }
    std::fflush(stdout);

    bool droppedReported = false;
    const timespec checkEvery{0, 200'000'000};
    while (sigtimedwait(&stopSignals, nullptr, &checkEvery) < 0) {
        if (!droppedReported && instrument.lineDropped()) {
            std::fprintf(stderr, "psu-sim: line dropped as asked; waiting for a stop signal\n");
            droppedReported = true;
        }
    }
    instrument.stop();
    return 0;
}
