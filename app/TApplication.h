#pragma once
// The application object: owns the program's windows (created in order, destroyed in
// reverse at exit) and shows any error that escapes an event handler in the standard
// error message box, after which the event loop goes on.

#include <QApplication>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

class TApplication : public QApplication {
    Q_OBJECT

  public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // Creates a window of class T, keeps it until the program ends and sets reference to
    // it (cleared again when the window is destroyed). The first window created is the
    // main window.
    template <class T>
    void CreateForm(T*& reference) {
        auto form = std::make_unique<T>();
        reference = form.get();
        forms_.push_back(OwnedForm{std::move(form), [&reference] { reference = nullptr; }});
        if (mainForm_ == nullptr) {
            mainForm_ = reference;
        }
    }
    QWidget* MainForm() const { return mainForm_; }
    const std::vector<QWidget*> Forms() const;

    // Runs the event loop until the main window has closed. An error escaping start-up
    // (createForms) or the loop is shown and the program then ends normally (result 0).
    int Run(const std::function<void()>& createForms);

    // Runs an event handler: an error it raises ends it and is shown here, so errors never
    // unwind through the toolkit's own frames, which are not built for it.
    static void RunHandler(const std::function<void()>& handler);

    // Shows an error's message; tests replace how it is shown.
    void ShowException(const QString& message);
    // Destroys the windows in reverse order of creation (also done at exit).
    void DestroyForms();
    std::function<void(const QString& message)> OnException;

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    static void ShowAnyException(const QString& message);

    struct OwnedForm {
        std::unique_ptr<QWidget> form;
        std::function<void()> clearReference;
    };
    std::vector<OwnedForm> forms_;
    QWidget* mainForm_ = nullptr;
};
