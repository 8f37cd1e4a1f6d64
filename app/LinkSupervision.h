#pragma once
// What the main window shows of the link's health, on top of the connection states: a red
// cross and a warning in panel 0 with unlit read-outs while the picture is not live, a tool
// tip saying since when, and, after a loss the operator did not cause, a watch for the same
// port to come back. It sends nothing itself; a reconnect is the main window's own connect.

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>

#include "session/LinkHealth.h"
#include "session/SessionControls.h"

class LinkSupervision : public QObject {
    Q_OBJECT

  public:
    // What the main window does for the supervision.
    struct WindowHooks {
        // Connects as act_connect does; false, showing nothing, when the port cannot be opened.
        std::function<bool()> tryConnectQuietly;
        // Panel 0 as act_connect_ok leaves it, once a warning is over.
        std::function<void()> showConnected;
    };

    // controls must stay valid for the lifetime of this object (the main window owns both).
    LinkSupervision(const SessionControls& controls, WindowHooks hooks, QObject* parent = nullptr);

    LinkHealth& Health() { return health_; }
    const LinkHealth& Health() const { return health_; }

    // Hooks of the connection actions.
    void SessionStarting();     // act_connect, once the port is open
    void LinkShownConfirmed();  // act_connect_ok
    void SessionEnded();        // act_disconnect

    // cm1's hang-up request: the line is gone.
    void LineLost();

    bool WatchingForPort() const { return watch_.isActive(); }
    // Panel 0's tool tip, empty while the picture is live.
    QString ToolTipText() const;

    // How often a lost port is looked for.
    static constexpr int kPortCheckMs = 1000;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Refresh();
    void ShowWarning(const QString& text);
    void SetReadoutsLit(bool lit);
    void CheckForPort();
    void EndWatch();

    const SessionControls& controls_;
    WindowHooks hooks_;
    LinkHealth health_;
    QTimer watch_;
    std::string watchedPort_;
    QString lossText_;
    bool confirmed_ = false;     // act_connect_ok ran for this session
    bool warningShown_ = false;  // panel 0 shows a warning instead of the connected text
};
