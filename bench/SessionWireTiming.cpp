// Wire timing of the program's session against the simulated instrument: the main window
// as start-up creates it connects, then synchronisation and 60 poll commands, in real time. For
// every pair of consecutive lines on the wire it sets the measured gap beside the least the pacing
// allows, and prints both per command with the overall ratio. It fails when any line came earlier
// than the pacing allows.
//
// Least gap after a line, from what the program waits (its own pauses) and what it must
// wait for (the instrument's answer, then the reader's interval time-out):
//   answered:   max(sender's pause after its last line, answer's last byte + read interval)
//               + 10 ms dispatcher pause + 100 ms before the next line
//   unanswered: sender's pause after its last line + 500 ms timer + 100 ms before the line

#include <QAction>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "app/TApplication.h"
#include "app/Unit1.h"
#include "scpi/CommandCatalogue.h"
#include "scpi/Scpi.h"
#include "serial/TComm.h"
#include "sim/SimulatedInstrument.h"
#include "tests/support/SyncList.h"

namespace {

constexpr std::size_t kPollCommands = 60;
constexpr double kToleranceMs = 1.0;  // the instrument stamps lines when it reads them

const CommandRow* RowForLine(const std::string& text) {
    for (const CommandRow& row : CommandCatalogue()) {
        if (row.firstLine != nullptr && text == row.firstLine) {
            return &row;
        }
    }
    return nullptr;
}

// What the sender still sleeps after writing its only line.
double PauseAfterLineMs(const CommandRow& row, std::uint32_t baud) {
    const double allowance = TransmissionAllowanceMs(std::string(row.firstLine).size(), baud);
    switch (row.pacing) {
        case Pacing::ClearStatus:
            return 500 + row.furtherWaitMs;
        case Pacing::RemoteLocal:
            return allowance + 50 + row.furtherWaitMs;
        default:
            return row.furtherWaitMs;
    }
}

// Runs the event loop until done() holds, checking every 20 ms. (QTest::qWaitFor sleeps
// between its passes, which would delay every reply and spoil the figures.)
template <typename Predicate>
bool RunUntil(Predicate done, int timeoutMs) {
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    check.start(20);
    loop.exec();
    return done();
}

struct Totals {
    int count = 0;
    double measuredMs = 0;
    double leastMs = 0;
    double smallestSlackMs = 1e9;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    TApplication app(argc, argv);

    sim::SimulatedInstrument instrument{sim::SimOptions{}};
    std::string error;
    if (!instrument.start(&error)) {
        std::fprintf(stderr, "cannot start the simulated instrument: %s\n", error.c_str());
        return 2;
    }
    const QString port = QString::fromStdString(instrument.slavePath());
    CreateWindows(app, port, port);
    Form1->show();
    // After the first showing has reset the session, as a click would come.
    QTimer::singleShot(0, Form1->act_connect, &QAction::trigger);

    const std::size_t wanted = kSyncCommandCount + kPollCommands + 1;  // the gap after the 60th
    if (!RunUntil([&] { return instrument.receivedLines().size() >= wanted; }, 120000)) {
        std::fprintf(stderr, "the session stalled after %zu lines\n",
                     instrument.receivedLines().size());
        return 2;
    }
    Form1->cm1->StopComm();
    const auto lines = instrument.receivedLines();
    const auto answers = instrument.answersSent();
    const double readIntervalMs = Form1->cm1->ReadIntervalTimeout();
    const std::uint32_t baud = Form1->cm1->BaudRate();
    app.DestroyForms();

    std::map<std::string, Totals> byCommand;
    Totals all;
    int early = 0;
    std::size_t nextAnswer = 0;
    for (std::size_t i = 0; i + 1 < wanted; ++i) {
        const CommandRow* row = RowForLine(lines[i].text);
        if (row == nullptr) {
            std::fprintf(stderr, "unexpected line on the wire: \"%s\"\n", lines[i].text.c_str());
            return 2;
        }
        const double measured = (lines[i + 1].arrivalUs - lines[i].arrivalUs) / 1000.0;
        const double pause = PauseAfterLineMs(*row, baud);
        while (nextAnswer < answers.size() &&
               answers[nextAnswer].firstByteUs < lines[i].arrivalUs) {
            ++nextAnswer;
        }
        double least = pause + 500 + 100;
        if (nextAnswer < answers.size() &&
            answers[nextAnswer].firstByteUs < lines[i + 1].arrivalUs) {
            const double answered =
                (answers[nextAnswer].lastByteUs - lines[i].arrivalUs) / 1000.0 + readIntervalMs;
            least = std::max(pause, answered) + 10 + 100;
        }
        if (measured < least - kToleranceMs) {
            ++early;
            std::printf("EARLY: after \"%s\" %.1f ms, least %.1f ms\n", lines[i].text.c_str(),
                        measured, least);
        }
        for (Totals* t : {&byCommand[lines[i].text], &all}) {
            ++t->count;
            t->measuredMs += measured;
            t->leastMs += least;
            t->smallestSlackMs = std::min(t->smallestSlackMs, measured - least);
        }
    }

    std::printf("Wire timing at %u baud, read interval %.0f ms: %zu sync + %zu poll commands\n",
                baud, readIntervalMs, kSyncCommandCount, kPollCommands);
    std::printf("%-20s %5s %14s %14s %8s %12s\n", "after line", "gaps", "measured ms", "least ms",
                "ratio", "min slack ms");
    for (const auto& [text, t] : byCommand) {
        std::printf("%-20s %5d %14.1f %14.1f %8.4f %12.1f\n", ("\"" + text + "\"").c_str(), t.count,
                    t.measuredMs / t.count, t.leastMs / t.count, t.measuredMs / t.leastMs,
                    t.smallestSlackMs);
    }
    std::printf("overall: %d gaps, measured %.1f ms, least %.1f ms, ratio %.4f, early lines %d\n",
                all.count, all.measuredMs, all.leastMs, all.measuredMs / all.leastMs, early);
    return early == 0 ? 0 : 1;
}
