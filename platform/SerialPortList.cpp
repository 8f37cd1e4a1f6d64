#include "platform/SerialPortList.h"

#include <QSerialPortInfo>

void ListSerialPorts(QStringList& strings) {
    strings.clear();
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        strings.append(port.portName());
    }
}
