#include "app/LinkSupervision.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHelpEvent>
#include <QToolTip>

#include "platform/SerialDevice.h"
#include "serial/TComm.h"
#include "session/CommandQueue.h"
#include "session/PictureIndices.h"
#include "session/Scheduler.h"
#include "session/SessionState.h"
#include "session/Unit5.h"
#include "widgets/StatusPanels.h"
#include "widgets/TStatusBar.h"
#include "widgets/TiSevenSegmentAnalog.h"

namespace {

QString LostText(int settingsDropped) {
    if (settingsDropped == 0) {
        return QStringLiteral("Connection lost");
    }
    return QStringLiteral("Connection lost: %1 %2 not sent")
        .arg(settingsDropped)
        .arg(settingsDropped == 1 ? QStringLiteral("setting") : QStringLiteral("settings"));
}

}  // namespace

LinkSupervision::LinkSupervision(const SessionControls& controls, WindowHooks hooks,
                                 QObject* parent)
    : QObject(parent), controls_(controls), hooks_(std::move(hooks)) {
    health_.OnStateChange = [this](LinkState) { Refresh(); };
    // A coarse once-a-second check: an idle panel waiting for its port costs nothing.
    watch_.setInterval(kPortCheckMs);
    watch_.setTimerType(Qt::CoarseTimer);
    connect(&watch_, &QTimer::timeout, this, &LinkSupervision::CheckForPort);
    if (controls_.stat1 != nullptr) {
        controls_.stat1->installEventFilter(this);
    }
}

void LinkSupervision::SessionStarting() {
    EndWatch();
    confirmed_ = false;
    health_.SessionStarted();
}

void LinkSupervision::LinkShownConfirmed() {
    confirmed_ = true;
    if (health_.State() == LinkState::Live) {
        warningShown_ = false;
        SetReadoutsLit(true);
    } else {
        Refresh();  // unreadable from the start, as on a line at the wrong rate
    }
}

void LinkSupervision::SessionEnded() {
    EndWatch();
    confirmed_ = false;
    warningShown_ = false;
    health_.SessionEnded();
    SetReadoutsLit(true);
}

void LinkSupervision::LineLost() {
    // Both workers may ask; a hang-up after disconnecting concerns no session.
    const LinkState before = health_.State();
    if (before == LinkState::Disconnected || before == LinkState::Lost) {
        return;
    }
    health_.LineLost();
    DisarmCmdTimer(controls_);
    controls_.act_connect_error->trigger();
    // A setting asked for before the loss must not reach the instrument minutes later.
    const int dropped = DropUserCommands();
    if (controls_.Form5 != nullptr) {
        controls_.Form5->close();
    }
    // The next connect, by hand or by the watch, starts a whole new synchronisation.
    SessionPhase = kSessionIdle;
    SyncIndex = 0;
    LinkConfirmed = 0;
    confirmed_ = false;
    // Closing the dead device lets the system give the returning one the same name.
    watchedPort_ = controls_.cm1->CommName();
    controls_.cm1->StopComm();
    ShowWarning(LostText(dropped));
    watch_.start();
}

QString LinkSupervision::ToolTipText() const {
    if (!warningShown_) {
        return {};
    }
    const QString warning = controls_.stat1->PanelText(widgets::kLinkPanel);
    const std::optional<std::uint32_t> sinceMs = health_.MsSinceLastGoodReply();
    if (!sinceMs) {
        return warning + QStringLiteral("\nNo reply since connecting");
    }
    const QDateTime at = QDateTime::currentDateTime().addMSecs(-static_cast<qint64>(*sinceMs));
    return warning + QStringLiteral("\nLast reply %1, %2 s ago")
                         .arg(at.toString(QStringLiteral("HH:mm:ss")))
                         .arg(*sinceMs / 1000);
}

bool LinkSupervision::eventFilter(QObject* watched, QEvent* event) {
    if (watched == controls_.stat1 && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipText();
        if (!text.isEmpty() &&
            controls_.stat1->PanelRect(widgets::kLinkPanel).contains(help->pos())) {
            QToolTip::showText(help->globalPos(), text, controls_.stat1);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void LinkSupervision::Refresh() {
    switch (health_.State()) {
        case LinkState::Silent:
            if (confirmed_) {
                ShowWarning(QStringLiteral("No reply from instrument"));
            }
            break;
        case LinkState::Unreadable:
            if (confirmed_) {
                ShowWarning(QStringLiteral("Replies unreadable: check the line settings"));
            }
            break;
        case LinkState::Live:
            if (confirmed_ && warningShown_) {
                warningShown_ = false;
                hooks_.showConnected();
                SetReadoutsLit(true);
            }
            break;
        case LinkState::Lost:          // shown by LineLost with its count
        case LinkState::Disconnected:  // the connection actions show these
            break;
    }
}

void LinkSupervision::ShowWarning(const QString& text) {
    controls_.stat1->SetPanelText(widgets::kLinkPanel, text);
    controls_.stat1->SetTag(pictures::kStatusRedCross);
    SetReadoutsLit(false);
    warningShown_ = true;
}

void LinkSupervision::SetReadoutsLit(bool lit) {
    for (TiSevenSegmentAnalog* readout :
         {controls_.isvnsgmntnlg1, controls_.isvnsgmntnlg2, controls_.iSevenSegmentAnalog1}) {
        if (readout != nullptr) {
            readout->SetPowerOff(!lit);
        }
    }
}

void LinkSupervision::CheckForPort() {
    // Not behind the operator's back while a dialog is open (the port dialog among them).
    if (QApplication::activeModalWidget() != nullptr) {
        return;
    }
    if (controls_.cm1->CommName() != watchedPort_) {
        EndWatch();  // the operator chose another port
        return;
    }
    const std::string path = platform::SerialDevice::PathForName(watchedPort_);
    if (!QFileInfo::exists(QString::fromStdString(path))) {
        return;
    }
    // A device node that is back but not yet usable is tried again at the next check.
    if (hooks_.tryConnectQuietly()) {
        EndWatch();
    }
}

void LinkSupervision::EndWatch() {
    watch_.stop();
    watchedPort_.clear();
}
