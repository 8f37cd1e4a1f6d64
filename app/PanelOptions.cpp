#include "app/PanelOptions.h"

PanelOptions ParsePanelOptions(const QStringList& arguments) {
    PanelOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--simulate") {
            options.simulate = true;
        } else if (argument == "--connect") {
            options.connect = true;
        } else if (argument == "--port") {
            if (i + 1 >= arguments.size()) {
                options.error = "--port needs a port name";
                return options;
            }
            options.port = arguments[++i];
        } else if (argument.startsWith("--port=")) {
            options.port = argument.mid(7);
        } else {
            options.error = "unknown option: " + argument;
            return options;
        }
    }
    return options;
}

QString PanelUsage() {
    return QStringLiteral(
        "Usage: psu-panel [--port NAME] [--simulate] [--connect]\n"
        "\n"
        "Control panel for a programmable DC bench power supply on an RS-232 line.\n"
        "\n"
        "Options:\n"
        "  --port NAME   serial port to connect to: a name under /dev (ttyUSB0, ttyS0)\n"
        "                or a full path (/dev/ttyUSB0). Without it the panel starts on\n"
        "                COM7, which does not exist here: pick the port in the port\n"
        "                dialog (the serial connector button) before connecting.\n"
        "  --simulate    start a simulated instrument inside the panel and select its\n"
        "                port, so the panel works with no hardware at all.\n"
        "  --connect     connect as soon as the window shows, as the connect button does.\n"
        "  --version     print the program's version and exit.\n"
        "  -h, --help    show this text and exit.\n");
}
