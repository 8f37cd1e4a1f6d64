#include "app/TApplication.h"

#include <QMessageBox>
#include <QWidget>
#include <exception>

namespace {
// The program's title, as the error message box shows it.
const QString kErrorBoxTitle = QStringLiteral("DC Power Supply");
}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("psu-panel");
    // No display name: the window system would append it to every window's title, and each
    // title bar must show exactly its window's caption.
    setApplicationVersion("1.0.0.2");
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
        ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowException(QString());
    }
    return 0;
}

void TApplication::RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowAnyException(QString::fromLocal8Bit(error.what()));
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
        ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowException(QString());
    }
    return false;
}
