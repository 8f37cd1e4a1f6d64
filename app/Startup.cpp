#include "app/Startup.h"

#include "app/About.h"
#include "app/TApplication.h"
#include "app/Unit1.h"
#include "controls/Unit6.h"
#include "platform/SerialPortList.h"
#include "serial/Com_config.h"
#include "serial/TComm.h"
#include "session/Unit5.h"

void CreateWindows(TApplication& app, const QString& initialPort, const QString& simulatedPort) {
    app.CreateForm(Form1);
    app.CreateForm(Form2);
    app.CreateForm(Form3);
    app.CreateForm(Form5);
    app.CreateForm(Form6);
    Form1->ConnectWindows(Form2, Form3, Form5, Form6);
    // The progress window is created without a parent, yet appears over the main window.
    Form5->CentreOver(Form1);
    if (!simulatedPort.isEmpty()) {
        // The simulated instrument's port is not a system serial port: list it too.
        Form3->ListPorts = [simulatedPort](QStringList& ports) {
            ListSerialPorts(ports);
            ports.append(simulatedPort);
        };
        Form3->FormCreate();
    }
    if (!initialPort.isEmpty()) {
        Form1->cm1->SetCommName(initialPort.toStdString());
    }
}
