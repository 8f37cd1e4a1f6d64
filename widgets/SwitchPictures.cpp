#include "widgets/SwitchPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace widgets {

namespace {

const QColor kPanelGrey(212, 208, 200);
const QColor kEdgeDark(96, 96, 96);

// A raised (or sunken) one-pixel edge inside r.
void DrawEdge(QPainter& painter, const QRect& r, bool raised) {
    const QColor topLeft = raised ? QColor(255, 255, 255) : QColor(110, 110, 110);
    const QColor bottomRight = raised ? QColor(90, 90, 90) : QColor(255, 255, 255);
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

// The knob of the slide switch: a raised block with vertical ribs.
void DrawKnob(QPainter& painter, const QRect& r) {
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, QColor(245, 245, 242));
    shade.setColorAt(1, QColor(175, 172, 165));
    painter.fillRect(r, shade);
    DrawEdge(painter, r, true);
    painter.setPen(kEdgeDark);
    painter.drawRect(r.adjusted(-1, -1, 0, 0));
    for (int x = r.left() + 4; x < r.right() - 2; x += 3) {
        painter.setPen(QColor(120, 118, 112));
        painter.drawLine(x, r.top() + 4, x, r.bottom() - 4);
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(x + 1, r.top() + 4, x + 1, r.bottom() - 4);
    }
}

void DrawLegend(QPainter& painter, const QRect& r, const QString& text, const QColor& color) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(r, Qt::AlignCenter, text);
}

}  // namespace

QImage SlideSwitchPicture(bool on) {
    QImage image(60, 25, QImage::Format_RGB32);
    image.fill(kPanelGrey);
    QPainter painter(&image);
    // Frame: a dark outline round a sunken slot.
    painter.setPen(kEdgeDark);
    painter.drawRect(0, 0, 59, 24);
    DrawEdge(painter, QRect(1, 1, 58, 23), true);
    const QRect slot(3, 3, 54, 19);
    painter.fillRect(slot, QColor(190, 187, 180));
    DrawEdge(painter, slot.adjusted(-1, -1, 1, 1), false);

    const QRect leftHalf(4, 4, 25, 17);
    const QRect rightHalf(31, 4, 25, 17);
    if (on) {
        DrawKnob(painter, leftHalf);
        DrawLegend(painter, rightHalf, QStringLiteral("ON"), QColor(0, 150, 0));
    } else {
        DrawLegend(painter, leftHalf, QStringLiteral("OFF"), QColor(210, 0, 0));
        DrawKnob(painter, rightHalf);
    }
    return image;
}

QImage RockerSwitchPicture(bool on) {
    QImage image(48, 24, QImage::Format_RGB32);
    image.fill(QColor(30, 30, 30));  // the bezel
    QPainter painter(&image);
    painter.setPen(QColor(150, 150, 150));
    painter.drawRect(0, 0, 47, 23);

    // Each half of the rocker: the raised one catches the light, the pressed one sits low in
    // the bezel's shadow.
    auto drawHalf = [&](const QRect& r, bool pressed, bool markO) {
        QLinearGradient shade(r.topLeft(), r.bottomLeft());
        if (pressed) {
            shade.setColorAt(0, QColor(20, 20, 20));
            shade.setColorAt(1, QColor(55, 55, 55));
        } else {
            shade.setColorAt(0, QColor(125, 125, 125));
            shade.setColorAt(1, QColor(70, 70, 70));
        }
        painter.fillRect(r, shade);
        DrawEdge(painter, r, !pressed);
        const QColor mark = pressed ? QColor(170, 170, 170) : QColor(255, 255, 255);
        painter.setRenderHint(QPainter::Antialiasing, true);
        QPen pen(mark, 2);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QPointF centre = QRectF(r).center();
        if (markO) {
            painter.drawEllipse(centre, 4.5, 5.5);
        } else {
            painter.drawLine(QPointF(centre.x(), centre.y() - 6),
                             QPointF(centre.x(), centre.y() + 6));
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
    };
    drawHalf(QRect(2, 2, 22, 20), !on, true);
    drawHalf(QRect(24, 2, 22, 20), on, false);
    // The pivot line between the halves.
    painter.setPen(QColor(0, 0, 0));
    painter.drawLine(23, 2, 23, 21);
    return image;
}

}  // namespace widgets
