#pragma once
// The panel's command line: --help, --version, --port NAME, --simulate, --connect.

#include <QString>
#include <QStringList>

struct PanelOptions {
    bool help = false;
    bool version = false;   // print the program's version and exit
    bool simulate = false;  // start a simulated instrument in-process and use its port
    bool connect = false;   // connect as soon as the main window shows
    QString port;           // the serial component's CommName at start-up, when given
    QString error;          // set when the command line could not be read
};

PanelOptions ParsePanelOptions(const QStringList& arguments);
QString PanelUsage();
