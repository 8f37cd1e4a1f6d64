#include "app/Pictures.h"

#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace pictures {
namespace {

const QColor kPlugBody(70, 78, 92);
const QColor kPinColour(196, 160, 64);
const QColor kCable(40, 40, 40);

QPixmap Blank(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A plug (pins to the right) and a socket (holes to the left) on a cable, drawn in a box
// of side s. gap is the distance between them: 0 when joined.
void DrawPlugPair(QPainter& p, double s, double gap) {
    const double mid = s / 2;
    const double bodyH = s * 0.36;
    const double bodyW = s * 0.2;
    const double plugRight = mid - gap / 2;
    const double socketLeft = mid + gap / 2;
    p.setPen(QPen(kCable, std::max(1.0, s * 0.07), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.04, mid), QPointF(plugRight - bodyW - s * 0.06, mid));
    p.drawLine(QPointF(socketLeft + bodyW, mid), QPointF(s * 0.96, mid));
    // Plug: body and two pins.
    p.setPen(Qt::NoPen);
    p.setBrush(kPlugBody);
    p.drawRoundedRect(QRectF(plugRight - bodyW - s * 0.06, mid - bodyH / 2, bodyW, bodyH), s * 0.03,
                      s * 0.03);
    p.setBrush(kPinColour);
    const double pinW = s * 0.08;
    const double pinH = std::max(1.0, s * 0.05);
    p.drawRect(QRectF(plugRight - s * 0.06, mid - bodyH * 0.3 - pinH / 2, pinW, pinH));
    p.drawRect(QRectF(plugRight - s * 0.06, mid + bodyH * 0.3 - pinH / 2, pinW, pinH));
    // Socket body.
    p.setBrush(kPlugBody.lighter(130));
    p.drawRoundedRect(QRectF(socketLeft, mid - bodyH / 2, bodyW, bodyH), s * 0.03, s * 0.03);
}

QPixmap PlugPicture(int size, bool joined) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    DrawPlugPair(p, size, joined ? 0.0 : size * 0.22);
    if (!joined && size >= 24) {
        // Small spark marks between the parted halves.
        p.setPen(QPen(QColor(200, 60, 40), size * 0.03));
        const double mid = size / 2.0;
        p.drawLine(QPointF(mid - size * 0.05, mid - size * 0.28),
                   QPointF(mid + size * 0.05, mid - size * 0.18));
        p.drawLine(QPointF(mid - size * 0.05, mid + size * 0.28),
                   QPointF(mid + size * 0.05, mid + size * 0.18));
    }
    return pixmap;
}

QPixmap RedCross(int size) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(210, 30, 30), size * 0.18, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(size * 0.2, size * 0.2), QPointF(size * 0.8, size * 0.8));
    p.drawLine(QPointF(size * 0.8, size * 0.2), QPointF(size * 0.2, size * 0.8));
    return pixmap;
}

QPixmap QuestionMark(int size) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 70, 160), 2));
    p.setBrush(QColor(60, 120, 215));
    p.drawEllipse(QRectF(size * 0.12, size * 0.12, size * 0.76, size * 0.76));
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(static_cast<int>(size * 0.55));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, "?");
    return pixmap;
}

QPixmap SerialConnector(int size) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    // A nine-pin D-shell seen from the front: trapezoid shell with two rows of pins.
    QPainterPath shell;
    shell.moveTo(s * 0.1, s * 0.3);
    shell.lineTo(s * 0.9, s * 0.3);
    shell.lineTo(s * 0.8, s * 0.7);
    shell.lineTo(s * 0.2, s * 0.7);
    shell.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 96), 2));
    p.setBrush(QColor(190, 194, 200));
    p.drawPath(shell);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 48));
    for (int i = 0; i < 5; ++i) {
        p.drawEllipse(QPointF(s * (0.26 + i * 0.12), s * 0.42), s * 0.035, s * 0.035);
    }
    for (int i = 0; i < 4; ++i) {
        p.drawEllipse(QPointF(s * (0.32 + i * 0.12), s * 0.58), s * 0.035, s * 0.035);
    }
    // Screw posts.
    p.setBrush(QColor(150, 150, 156));
    p.drawEllipse(QPointF(s * 0.05, s * 0.5), s * 0.04, s * 0.04);
    p.drawEllipse(QPointF(s * 0.95, s * 0.5), s * 0.04, s * 0.04);
    return pixmap;
}

QPixmap Arrow(int size, bool up) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    QPolygonF arrow;
    arrow << QPointF(s * 0.5, s * 0.1) << QPointF(s * 0.85, s * 0.48) << QPointF(s * 0.62, s * 0.48)
          << QPointF(s * 0.62, s * 0.9) << QPointF(s * 0.38, s * 0.9) << QPointF(s * 0.38, s * 0.48)
          << QPointF(s * 0.15, s * 0.48);
    if (!up) {
        for (QPointF& point : arrow) {
            point.setY(s - point.y());
        }
    }
    p.setPen(QPen(QColor(20, 100, 40), 2));
    p.setBrush(up ? QColor(60, 170, 80) : QColor(60, 140, 200));
    if (!up) {
        p.setPen(QPen(QColor(20, 70, 140), 2));
    }
    p.drawPolygon(arrow);
    return pixmap;
}

QPixmap PowerSymbol(int size) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.setPen(QPen(QColor(205, 30, 30), s * 0.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(s * 0.2, s * 0.22, s * 0.6, s * 0.6);
    p.drawArc(ring, 120 * 16, -300 * 16);
    p.drawLine(QPointF(s * 0.5, s * 0.12), QPointF(s * 0.5, s * 0.5));
    return pixmap;
}

QPixmap Word(int size, const QString& text, const QColor& colour) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(140), 2));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(QRectF(3, size * 0.25, size - 6, size * 0.5), 5, 5);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(static_cast<int>(size * 0.3));
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, text);
    return pixmap;
}

// The pictures in index order, so that each sits at the index its name gives.
template <std::size_t N>
TImageList Listed(int size, const QPixmap (&drawn)[N]) {
    TImageList images(QSize(size, size));
    for (const QPixmap& picture : drawn) {
        images.Add(picture);
    }
    return images;
}

const QColor kTileFace(226, 232, 240);
const QColor kTileEdge(110, 120, 138);

// Paints the program's icon into the box it is asked for, so every size is drawn sharp.
class AppIconEngine : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const int side = std::min(rect.width(), rect.height());
        painter->save();
        painter->translate(rect.x() + (rect.width() - side) / 2.0,
                           rect.y() + (rect.height() - side) / 2.0);
        PaintAppIcon(*painter, side);
        painter->restore();
    }
    QIconEngine* clone() const override { return new AppIconEngine; }
    // The sizes a window system picks from when it wants a list.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(32, 32),   QSize(48, 48),
                QSize(64, 64), QSize(128, 128), QSize(256, 256)};
    }
};

}  // namespace

void PaintAppIcon(QPainter& painter, double side) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double edge = std::max(1.0, side * 0.03);
    painter.setPen(QPen(kTileEdge, edge));
    painter.setBrush(kTileFace);
    const double inset = side * 0.06 + edge / 2;
    painter.drawRoundedRect(QRectF(inset, inset, side - 2 * inset, side - 2 * inset), side * 0.16,
                            side * 0.16);
    // The plug pair spans the tile's inner width.
    const double margin = side * 0.1;
    painter.translate(margin, margin);
    painter.scale((side - 2 * margin) / side, (side - 2 * margin) / side);
    DrawPlugPair(painter, side, 0.0);
    painter.restore();
}

QIcon MakeAppIcon() {
    return QIcon(new AppIconEngine);  // the icon owns its engine
}

TImageList MakeStatusImages() {
    constexpr int kSize = 12;
    QPixmap drawn[kStatusPictureCount];
    drawn[kStatusPartedPlug] = PlugPicture(kSize, false);
    drawn[kStatusJoinedPlug] = PlugPicture(kSize, true);
    drawn[kStatusRedCross] = RedCross(kSize);
    return Listed(kSize, drawn);
}

TImageList MakeToolbarImages() {
    constexpr int kSize = 56;
    QPixmap drawn[kToolbarPictureCount];
    drawn[kToolbarPartedPlug] = PlugPicture(kSize, false);
    drawn[kToolbarJoinedPlug] = PlugPicture(kSize, true);
    drawn[kToolbarQuestionMark] = QuestionMark(kSize);
    drawn[kToolbarSerialConnector] = SerialConnector(kSize);
    drawn[kToolbarArrowUp] = Arrow(kSize, true);
    drawn[kToolbarArrowDown] = Arrow(kSize, false);
    drawn[kToolbarUnused6] = Blank(kSize);
    drawn[kToolbarPowerSymbol] = PowerSymbol(kSize);
    drawn[kToolbarWordLow] = Word(kSize, "Low", QColor(30, 90, 170));
    drawn[kToolbarWordHigh] = Word(kSize, "High", QColor(190, 60, 20));
    drawn[kToolbarUnused10] = Blank(kSize);
    return Listed(kSize, drawn);
}

}  // namespace pictures
