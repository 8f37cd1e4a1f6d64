#pragma once
// A running simulated instrument with a client on its slave: what nearly every test needs.

#include <memory>
#include <string>

#include "sim/SimulatedInstrument.h"
#include "tests/support/PtyClient.h"

namespace simtest {

// A fast line for tests that are not about timing: high rate, no latency.
inline sim::SimOptions fastOptions() {
    sim::SimOptions options;
    options.line.baud = 115200;
    options.replyLatencyMs = 0;
    return options;
}

struct SimSession {
    explicit SimSession(const sim::SimOptions& options = fastOptions()) : instrument(options) {
        if (instrument.start(&error)) {
            client = std::make_unique<PtyClient>(instrument.slavePath(), options.line);
            if (!client->isOpen()) {
                error = "cannot open " + instrument.slavePath();
            }
        }
    }
    bool ok() const { return client && client->isOpen(); }
    std::string ask(std::string_view line) { return client->ask(line); }
    void send(std::string_view line) { client->send(line); }

    sim::SimulatedInstrument instrument;
    std::unique_ptr<PtyClient> client;
    std::string error;
};

}  // namespace simtest
