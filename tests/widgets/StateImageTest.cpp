// The picture switch: flips on a left click before its event, raises the event for every
// button; and the program's switch pictures.
#include <gtest/gtest.h>

#include <QTest>

#include "PaintCounter.h"
#include "QtPrinters.h"
#include "widgets/SwitchPictures.h"
#include "widgets/TStateImage.h"

namespace {

QImage Filled(QColor color) {
    QImage image(60, 25, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

struct ClickCase {
    int stateBefore;
    Qt::MouseButton button;
    int stateAfter;
};

TEST(StateImage, LeftClickFlipsBeforeTheEventEveryButtonRaisesIt) {
    const ClickCase cases[] = {
        {0, Qt::LeftButton, 2},  {2, Qt::LeftButton, 0},   {1, Qt::LeftButton, 0},
        {0, Qt::RightButton, 0}, {2, Qt::MiddleButton, 2}, {2, Qt::RightButton, 2},
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stateBefore << " button " << c.button);
        TStateImage image;
        image.SetState1Picture(Filled(Qt::red));
        image.SetState2Picture(Filled(Qt::green));
        image.SetShowState(c.stateBefore);

        int events = 0;
        image.OnMouseDown = [&](TStateImage* sender, Qt::MouseButton button,
                                Qt::KeyboardModifiers shift, QPoint position) {
            ++events;
            EXPECT_EQ(sender, &image);
            EXPECT_EQ(button, c.button);
            EXPECT_EQ(shift, Qt::ShiftModifier);
            EXPECT_EQ(position, QPoint(7, 9));
            EXPECT_EQ(sender->ShowState(), c.stateAfter);  // already flipped
        };
        QTest::mousePress(&image, c.button, Qt::ShiftModifier, QPoint(7, 9));
        EXPECT_EQ(events, 1);
        EXPECT_EQ(image.ShowState(), c.stateAfter);
        EXPECT_EQ(image.Picture().pixelColor(0, 0),
                  c.stateAfter != 0 ? QColor(Qt::green) : QColor(Qt::red));
    }
}

TEST(StateImage, StateWritesPicturesAndSize) {
    TStateImage image;
    image.SetState1Picture(Filled(Qt::red));
    image.SetState2Picture(Filled(Qt::green));
    EXPECT_EQ(image.size(), QSize(60, 25));  // takes its picture's size
    EXPECT_EQ(image.grab().toImage().pixelColor(30, 12), QColor(Qt::red));
    image.SetShowState(1);
    EXPECT_EQ(image.grab().toImage().pixelColor(30, 12), QColor(Qt::green));

    widgets_test::PaintCounter paints(image);
    image.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&image));
    QTRY_VERIFY(paints.count() >= 1);
    paints.reset();
    image.SetShowState(1);
    paints.flush();
    EXPECT_EQ(paints.count(), 0);
    image.SetShowState(0);
    QTRY_COMPARE(paints.count(), 1);
}

// Share of pixels in a region that are clearly of one hue.
double ShareOf(const QImage& image, const QRect& region, bool (*is)(QColor)) {
    int hits = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            hits += is(image.pixelColor(x, y));
        }
    }
    return double(hits) / (region.width() * region.height());
}

bool Reddish(QColor c) {
    return c.red() > 150 && c.green() < 80 && c.blue() < 80;
}
bool Greenish(QColor c) {
    return c.green() > 100 && c.red() < 80 && c.blue() < 80;
}

double MeanLightness(const QImage& image, const QRect& region) {
    double sum = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            sum += image.pixelColor(x, y).lightness();
        }
    }
    return sum / (region.width() * region.height());
}

bool Opaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 255) {
                return false;
            }
        }
    }
    return true;
}

TEST(SwitchPictures, SlideSwitchShowsItsLegendOnTheFreeSide) {
    const QImage off = widgets::SlideSwitchPicture(false);
    const QImage on = widgets::SlideSwitchPicture(true);
    for (const QImage& picture : {off, on}) {
        EXPECT_EQ(picture.size(), QSize(60, 25));
        EXPECT_TRUE(Opaque(picture));
    }
    const QRect left(3, 3, 27, 19);
    const QRect right(30, 3, 27, 19);
    EXPECT_GT(ShareOf(off, left, Reddish), 0.03);  // red "OFF"
    EXPECT_EQ(ShareOf(off, right, Reddish), 0);
    EXPECT_EQ(ShareOf(off, off.rect(), Greenish), 0);
    EXPECT_GT(ShareOf(on, right, Greenish), 0.03);  // green "ON"
    EXPECT_EQ(ShareOf(on, left, Greenish), 0);
    EXPECT_EQ(ShareOf(on, on.rect(), Reddish), 0);
}

TEST(SwitchPictures, RockerPressedSideIsDarker) {
    const QImage off = widgets::RockerSwitchPicture(false);
    const QImage on = widgets::RockerSwitchPicture(true);
    const QRect oSide(2, 2, 21, 20);
    const QRect iSide(25, 2, 21, 20);
    for (const QImage& picture : {off, on}) {
        EXPECT_EQ(picture.size(), QSize(48, 24));
        EXPECT_TRUE(Opaque(picture));
    }
    EXPECT_LT(MeanLightness(off, oSide) + 20, MeanLightness(off, iSide));
    EXPECT_LT(MeanLightness(on, iSide) + 20, MeanLightness(on, oSide));
}

}  // namespace
