#include "session/Unit5.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

TForm5* Form5 = nullptr;

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& text, const QPoint& at) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(16);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::yellow);
    label->setPalette(palette);
    label->move(at);
    label->adjustSize();
    return label;
}

}  // namespace

TForm5::TForm5(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(272, 111);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::blue);
    setPalette(palette);

    Shape1 = new QFrame(this);
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setLineWidth(1);
    QPalette framePalette = Shape1->palette();
    framePalette.setColor(QPalette::WindowText, Qt::yellow);
    Shape1->setPalette(framePalette);
    Shape1->setGeometry(rect());

    Label1 = MakeLabel(this, QStringLiteral("Device synchronization"), QPoint(48, 24));
    Label2 = MakeLabel(this, QStringLiteral("Waiting"), QPoint(48, 64));
    Label3 = MakeLabel(this, QStringLiteral("............"), QPoint(112, 64));
    // The dots grow to 22 and more; give the label the rest of the row.
    Label3->resize(width() - Label3->x() - 8, Label3->height());
}

void TForm5::CentreOver(const QWidget* owner) {
    owner_ = owner;
}

void TForm5::showEvent(QShowEvent* event) {
    const QWidget* owner = parentWidget() != nullptr ? parentWidget() : owner_.data();
    QRect area;
    if (owner != nullptr) {
        area = owner->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isValid()) {
        move(area.center() - rect().center());
    }
    QWidget::showEvent(event);
}
