#include <gtest/gtest.h>

#include <QFrame>
#include <QImage>
#include <QLabel>

#include "session/Unit5.h"

namespace {

TEST(ProgressWindow, BorderlessOnTopBlueWithYellowFrameAndLabels) {
    QWidget owner;
    owner.setGeometry(200, 150, 665, 400);
    owner.show();
    TForm5 form(&owner);
    form.show();

    EXPECT_TRUE(form.isWindow());
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form.size(), QSize(272, 111));
    EXPECT_EQ(form.geometry().center(), owner.frameGeometry().center());

    EXPECT_EQ(form.Label1->text(), "Device synchronization");
    EXPECT_EQ(form.Label2->text(), "Waiting");
    EXPECT_EQ(form.Label3->text(), "............");
    for (const QLabel* label : {form.Label1, form.Label2, form.Label3}) {
        EXPECT_EQ(label->font().pixelSize(), 16);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    }
    // The dots stay right of "Waiting" and room is left for them to grow.
    EXPECT_GT(form.Label3->x(), form.Label2->geometry().right());
    EXPECT_LE(form.Label3->geometry().right(), form.width());

    const QImage image = form.grab().toImage();
    const QRgb yellow = qRgb(255, 255, 0);
    const QRgb blue = qRgb(0, 0, 255);
    for (const QPoint frame : {QPoint(0, 0), QPoint(271, 0), QPoint(0, 110), QPoint(271, 110),
                               QPoint(136, 0), QPoint(0, 55)}) {
        EXPECT_EQ(image.pixel(frame), yellow) << frame.x() << "," << frame.y();
    }
    for (const QPoint inside : {QPoint(1, 1), QPoint(270, 109), QPoint(10, 55)}) {
        EXPECT_EQ(image.pixel(inside), blue) << inside.x() << "," << inside.y();
    }
}

}  // namespace
