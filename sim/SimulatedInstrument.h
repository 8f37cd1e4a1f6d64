#pragma once
// A virtual DC power supply on a pseudo-terminal. It runs on its own thread on the master
// side; a client (the panel, a test, a terminal program) opens slavePath() as it would a
// serial port and talks SCPI to it. Answers leave after the reply latency at the configured
// rate; a client whose line settings differ receives garbled bytes. Faults can be switched
// on and off while it runs, and everything on the wire is recorded for tests.
//
//   sim::SimOptions options;                 // or parseSimArguments(args, options, &error)
//   sim::SimulatedInstrument instrument(options);
//   if (!instrument.start(&error)) { ... }
//   open(instrument.slavePath().c_str(), O_RDWR | O_NOCTTY);

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "sim/InstrumentModel.h"
#include "sim/InstrumentState.h"
#include "sim/OutputQueue.h"
#include "sim/PtyLine.h"
#include "sim/SimOptions.h"
#include "sim/UniqueFd.h"

namespace sim {

// A line as it arrived, without line feed (a carriage return before it is kept).
struct ReceivedLine {
    std::string text;
    std::int64_t arrivalUs = 0;  // steady clock, microseconds; see steadyMicros()
};

// One transmission: a whole answer, or one part of a split answer.
struct SentAnswer {
    std::string bytes;             // as they went on the wire, after any fault
    std::int64_t firstByteUs = 0;  // steady clock, microseconds
    std::int64_t lastByteUs = 0;
};

// The clock of the records: std::chrono::steady_clock in microseconds.
std::int64_t steadyMicros();

class SimulatedInstrument {
  public:
    explicit SimulatedInstrument(SimOptions options);
    ~SimulatedInstrument();  // stops
    SimulatedInstrument(const SimulatedInstrument&) = delete;
    SimulatedInstrument& operator=(const SimulatedInstrument&) = delete;

    // Creates the pseudo-terminal (and the link, if asked for) and starts answering.
    // On failure returns false with a reason in *error (which may be null).
    bool start(std::string* error);
    // Stops answering, closes the line and removes the link. Safe to call twice.
    void stop();
    bool isRunning() const { return running_.load(); }

    // The slave device to open, e.g. /dev/pts/3; empty before start().
    std::string slavePath() const;
    const SimOptions& options() const { return options_; }

    InstrumentState state() const;
    void setLoadOhms(double ohms);

    FaultSettings faults() const;
    void setFaults(const FaultSettings& faults);
    // True once the drop fault has closed the line.
    bool lineDropped() const;

    std::vector<ReceivedLine> receivedLines() const;
    std::vector<SentAnswer> answersSent() const;
    void clearRecords();

  private:
    // The worker thread waits on the master side, takes lines as they complete, lets the
    // model answer, shapes the answers by the faults in force and hands them to the
    // transmitter. What the API reads is guarded by one mutex.

    // A line that never ends is cut off here rather than held without bound.
    static constexpr std::size_t kMaxLineLength = 1024;

    // How long a dropped line waits for the client to read the last answer.
    static constexpr std::chrono::milliseconds kDropGrace{2000};
    static constexpr std::chrono::milliseconds kDropSettle{100};

    void run();
    bool clientHasUnreadBytes() const;
    // False once the line is gone.
    bool readInput();
    void handleLine(const std::string& line, SteadyTime arrival);
    bool transmit(SteadyTime now);

    const SimOptions options_;

    mutable std::mutex mutex_;  // guards the members up to the next comment
    InstrumentModel model_;
    FaultSettings faults_;
    std::vector<ReceivedLine> received_;
    std::vector<SentAnswer> sent_;
    bool lineDropped_ = false;
    std::string path_;

    // Owned by the worker thread while it runs; set up and torn down around it.
    std::unique_ptr<PtyLine> pty_;
    std::unique_ptr<DeviceLink> link_;
    UniqueFd wakeRead_;
    UniqueFd wakeWrite_;
    OutputQueue output_;
    std::string inputLine_;
    bool discardingLine_ = false;
    std::string pendingWrite_;
    int commandsSeen_ = 0;
    bool dropPending_ = false;
    std::mt19937 faultRandom_;
    std::uint32_t garbleState_ = 0;

    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> running_{false};
    std::thread thread_;
};

}  // namespace sim
