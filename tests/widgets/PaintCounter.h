#pragma once
// Counts the paint events a widget receives, to tell a repaint from none.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace widgets_test {

class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int count() const { return count_; }
    void reset() { count_ = 0; }
    // Delivers every pending update request, so a repaint that was asked for has happened.
    static void flush() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++count_;
        }
        return false;
    }

  private:
    int count_ = 0;
};

}  // namespace widgets_test
