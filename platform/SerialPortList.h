#pragma once
// Names of the serial ports present, in the order the system reports them.

#include <QStringList>

// Clears strings and fills it with the port names (device names under /dev, such as ttyUSB0);
// no sorting, no removal of duplicates.
void ListSerialPorts(QStringList& strings);
