// psu-panel: the control panel's entry point.
#include <QAction>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "ProgramInfo.h"
#include "app/PanelOptions.h"
#include "app/Startup.h"
#include "app/TApplication.h"
#include "app/Unit1.h"
#include "sim/SimulatedInstrument.h"

int main(int argc, char** argv) {
    // Read the command line before the application object exists: --help needs no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const PanelOptions options = ParsePanelOptions(arguments);
    if (options.help) {
        std::fputs(PanelUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("psu-panel %s\n", kProgramVersion);
        return 0;
    }
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "psu-panel: %s\n\n%s", options.error.toLocal8Bit().constData(),
                     PanelUsage().toLocal8Bit().constData());
        return 2;
    }

    TApplication app(argc, argv);
    std::unique_ptr<sim::SimulatedInstrument> simulator;
    return app.Run([&] {
        QString port = options.port;
        QString simulatedPort;
        if (options.simulate) {
            simulator = std::make_unique<sim::SimulatedInstrument>(sim::SimOptions{});
            std::string error;
            if (!simulator->start(&error)) {
                throw std::runtime_error("Cannot start the simulated instrument: " + error);
            }
            simulatedPort = QString::fromStdString(simulator->slavePath());
            if (port.isEmpty()) {
                port = simulatedPort;
            }
        }
        CreateWindows(app, port, simulatedPort);
        if (options.connect) {
            // After the first showing has reset the session, as a click would come.
            QTimer::singleShot(0, Form1->act_connect, &QAction::trigger);
        }
    });
}
