// What the operator sees through the window system, on the program's own start-up path
// against the simulated instrument: the title bar texts and where the windows appear.
#include <QPushButton>
#include <QTest>
#include <optional>
#include <utility>
#include <vector>

#include "app/About.h"
#include "app/Unit1.h"
#include "controls/Unit6.h"
#include "serial/Com_config.h"
#include "session/Unit5.h"
#include "tests/app/PanelFixture.h"
#include "tests/app/XWindowQuery.h"

namespace {

class WindowSystemTest : public PanelFixture {
  protected:
    void SetUp() override {
        if (!RunsOnX11()) {
            GTEST_SKIP() << "no X server: window-system titles and places cannot be read";
        }
        PanelFixture::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    }
    void TearDown() override {
        if (RunsOnX11()) {
            PanelFixture::TearDown();
        }
    }
    // Waits until the server has the window where the toolkit was told to put it.
    static bool WaitUntilPlaced(const QWidget& window, const QPoint& at) {
        return WaitFor([&] { return ScreenGeometry(window).topLeft() == at; }, 5000);
    }
};

void ExpectTitles(const std::vector<std::pair<const QWidget*, QString>>& windows) {
    for (const auto& [window, caption] : windows) {
        const std::optional<QString> netName = NetWmName(*window);
        ASSERT_TRUE(netName.has_value()) << caption.toStdString();
        EXPECT_EQ(*netName, caption);
        // Older window managers read only WM_NAME: it must say the same where it is set.
        if (const std::optional<QString> name = WmName(*window)) {
            EXPECT_EQ(*name, caption);
        }
    }
}

TEST_F(WindowSystemTest, TitleBarsShowExactlyTheCaptions) {
    QTest::mouseClick(Form1->btn17, Qt::LeftButton);  // About
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
    Form3->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form3));
    ExpectTitles({{Form1, "DC Power Supply"}, {Form2, "about"}, {Form3, "RS232 Config"}});
    Form3->hide();

    // The instrument's LOW range: 18 V and 3 A.
    ConnectAndWaitForTheLink();
    ExpectTitles({{Form1, "DC Power Supply      18.000V,3.000000A"}});
}

TEST_F(WindowSystemTest, ProgressWindowAppearsCentredOverTheMainWindow) {
    // Away from the screen's centre, where a window without an owner would be put.
    Form1->move(0, 0);
    ASSERT_TRUE(WaitUntilPlaced(*Form1, QPoint(0, 0)));
    const QPoint mainCentre = ScreenGeometry(*Form1).center();

    QTest::mouseClick(Form1->btn16, Qt::LeftButton);  // connect: synchronisation starts
    ASSERT_TRUE(WaitFor([] { return Form5->isVisible(); }));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form5));
    QRect progress = ScreenGeometry(*Form5);
    EXPECT_EQ(progress.size(), QSize(272, 111));
    EXPECT_LE((progress.center() - mainCentre).manhattanLength(), 1)
        << progress.center().x() << "," << progress.center().y();
    ASSERT_TRUE(WaitFor([] { return LinkConfirmed == 1 && !Form5->isVisible(); }));

    // A recall shows it again for the read-back, over the main window where it now is.
    Form1->move(40, 20);
    ASSERT_TRUE(WaitUntilPlaced(*Form1, QPoint(40, 20)));
    QTest::mouseClick(Form1->btn12, Qt::LeftButton);
    QTest::mouseClick(Form6->Button1, Qt::LeftButton);
    ASSERT_TRUE(Form5->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form5));
    progress = ScreenGeometry(*Form5);
    EXPECT_LE((progress.center() - ScreenGeometry(*Form1).center()).manhattanLength(), 1)
        << progress.center().x() << "," << progress.center().y();
}

TEST_F(WindowSystemTest, AboutWindowIsItsOuterSizeOnTheScreen) {
    QTest::mouseClick(Form1->btn17, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
    // Without a window manager there is no frame: the window itself is the outer size.
    EXPECT_EQ(Form2->frameGeometry().size(), QSize(411, 256));
    EXPECT_EQ(ScreenGeometry(*Form2).size(), Form2->size());
}

}  // namespace
