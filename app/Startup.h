#pragma once
// Creates the program's windows in order (the main window first) and wires them together.

#include <QString>

class TApplication;

void CreateWindows(TApplication& app, const QString& initialPort, const QString& simulatedPort);
