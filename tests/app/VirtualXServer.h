#pragma once
// A private virtual X server for the tests that check what the window system shows: titles
// as the window manager reads them, where windows really are. It picks a free display itself.

#include <QProcess>
#include <QString>

class VirtualXServer {
  public:
    VirtualXServer() = default;
    ~VirtualXServer();
    VirtualXServer(const VirtualXServer&) = delete;
    VirtualXServer& operator=(const VirtualXServer&) = delete;

    // Starts Xvfb with one 1024 x 768 screen; false (and why in *error) when it cannot run.
    bool Start(QString* error);
    // ":N" once started.
    QString Display() const { return display_; }

  private:
    QProcess server_;
    QString display_;
};
