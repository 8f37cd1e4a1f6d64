// psu-make-icons OUTPUT_DIR: paints the program's icon into an icon theme tree under
// OUTPUT_DIR: hicolor/NxN/apps/<desktop id>.png for each bitmap size and
// hicolor/scalable/apps/<desktop id>.svg, all from the drawing code of the window icon.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "ProgramInfo.h"
#include "app/Pictures.h"
#include "packaging/SvgPicture.h"

namespace {

// The bitmap sizes desktops look for in the hicolor theme.
constexpr int kBitmapSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// The scalable icon's nominal size in user units.
constexpr int kScalableSide = 256;

bool Fail(const QString& message) {
    std::fprintf(stderr, "psu-make-icons: %s\n", message.toLocal8Bit().constData());
    return false;
}

bool WriteBitmap(const QDir& root, int side) {
    const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(side);
    if (!root.mkpath(folder)) {
        return Fail("cannot make " + root.filePath(folder));
    }
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        pictures::PaintAppIcon(painter, side);
    }
    const QString path = root.filePath(folder + "/" + kDesktopId + ".png");
    return image.save(path, "PNG") || Fail("cannot write " + path);
}

bool WriteScalable(const QDir& root) {
    const QString folder = QStringLiteral("hicolor/scalable/apps");
    if (!root.mkpath(folder)) {
        return Fail("cannot make " + root.filePath(folder));
    }
    SvgPicture picture(QSize(kScalableSide, kScalableSide));
    {
        QPainter painter(&picture);
        pictures::PaintAppIcon(painter, kScalableSide);
    }
    if (!picture.unsupported().isEmpty()) {
        return Fail("the icon uses what SVG output cannot hold: " + picture.unsupported());
    }
    const QString path = root.filePath(folder + "/" + kDesktopId + ".svg");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(picture.document().toUtf8()) < 0 || !file.flush()) {
        return Fail("cannot write " + path);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: psu-make-icons OUTPUT_DIR\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (int side : kBitmapSizes) {
        if (!WriteBitmap(root, side)) {
            return 1;
        }
    }
    return WriteScalable(root) ? 0 : 1;
}
