#include "app/TApplication.h"

#include <QMessageBox>
#include <QWidget>
#include <exception>

#include "ProgramInfo.h"
#include "app/Pictures.h"
#include "serial/TComm.h"

namespace {

// The program's title, as the error message box shows it.
const QString kErrorBoxTitle = QStringLiteral("DC Power Supply");

// The text shown for an error: its message and, on a line of its own below it, the hint
// the serial component adds when the operator can do something about the cause.
QString ShownText(const std::exception& error) {
    QString text = QString::fromLocal8Bit(error.what());
    const auto* commsError = dynamic_cast<const ECommsError*>(&error);
    if (commsError != nullptr && !commsError->Hint().empty()) {
        text += QLatin1Char('\n') + QString::fromStdString(commsError->Hint());
    }
    return text;
}
}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("psu-panel");
    // No display name: the window system would append it to every window's title, and each
    // title bar must show exactly its window's caption.
    setApplicationVersion(kProgramVersion);
    // The desktop matches the windows to the installed entry by this name (and shows its
    // icon in the task switcher); the window icon is the same picture for desktops that
    // read it from the window.
    setDesktopFileName(kDesktopId);
    setWindowIcon(pictures::MakeAppIcon());
    // Closing the main window ends the program, whatever else is still shown.
    setQuitOnLastWindowClosed(false);
}

TApplication::~TApplication() {
    DestroyForms();
}

const std::vector<QWidget*> TApplication::Forms() const {
    std::vector<QWidget*> forms;
    for (const OwnedForm& owned : forms_) {
        forms.push_back(owned.form.get());
    }
    return forms;
}

void TApplication::DestroyForms() {
    while (!forms_.empty()) {
        OwnedForm& last = forms_.back();
        last.clearReference();
        forms_.pop_back();
    }
    mainForm_ = nullptr;
}

int TApplication::Run(const std::function<void()>& createForms) {
    try {
        createForms();
        if (mainForm_ != nullptr) {
            mainForm_->show();
        }
        exec();
    } catch (const std::exception& error) {
        ShowException(ShownText(error));
    } catch (...) {
        ShowException(QString());
    }
    return 0;
}

void TApplication::RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowAnyException(ShownText(error));
    } catch (...) {
        ShowAnyException(QString());
    }
}

void TApplication::ShowException(const QString& message) {
    if (OnException) {
        OnException(message);
        return;
    }
    QMessageBox::critical(activeWindow(), kErrorBoxTitle, message);
}

void TApplication::ShowAnyException(const QString& message) {
    if (auto* app = qobject_cast<TApplication*>(QCoreApplication::instance())) {
        app->ShowException(message);
    } else {
        QMessageBox::critical(nullptr, QString(), message);
    }
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(ShownText(error));
    } catch (...) {
        ShowException(QString());
    }
    return false;
}
