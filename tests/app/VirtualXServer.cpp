#include "tests/app/VirtualXServer.h"

#include <QStandardPaths>

VirtualXServer::~VirtualXServer() {
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(5000)) {
            server_.kill();
            server_.waitForFinished(5000);
        }
    }
}

bool VirtualXServer::Start(QString* error) {
    const QString program = QStandardPaths::findExecutable("Xvfb");
    if (program.isEmpty()) {
        *error = "Xvfb is not installed";
        return false;
    }
    // -displayfd 1: the server chooses a free display and writes its number to our pipe
    // once it accepts connections.
    server_.setProgram(program);
    server_.setArguments({"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    server_.setProcessChannelMode(QProcess::SeparateChannels);
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start();
    if (!server_.waitForStarted(5000)) {
        *error = "Xvfb did not start: " + server_.errorString();
        return false;
    }
    QByteArray number;
    while (!number.contains('\n')) {
        if (!server_.waitForReadyRead(10000)) {
            *error = "Xvfb did not report its display";
            return false;
        }
        number += server_.readAllStandardOutput();
    }
    display_ = ':' + QString::fromLatin1(number.trimmed());
    return true;
}
