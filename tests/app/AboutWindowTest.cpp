#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/About.h"
#include "app/Unit1.h"
#include "tests/app/AppFixture.h"
#include "widgets/TToolImageButton.h"

namespace {

using AboutWindowTest = AppFixture;

TEST_F(AboutWindowTest, ShowsTheProgramAndEmptyInstrumentValuesBeforeAnyConnection) {
    Form1->show();
    QTest::mouseClick(Form1->btn17, Qt::LeftButton);
    ASSERT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->StaticText1->text(), "DC Power Supply");
    EXPECT_EQ(Form2->Label1->text(), "Device Version:");
    EXPECT_EQ(Form2->Label2->text(), "SCPI Version:");
    EXPECT_EQ(Form2->lbl4->text(), "Version:1.0.0.2");
    EXPECT_EQ(Form2->btn1->text(), "ok");
    EXPECT_TRUE(Form2->Label3->text().isEmpty());
    EXPECT_TRUE(Form2->Label4->text().isEmpty());
    // The outer size, frame included (the headless platform gives windows a 2-pixel frame).
    EXPECT_EQ(Form2->frameGeometry().size(), QSize(411, 256));
    // Only the title, the device row and the button have large fonts.
    const std::pair<const QWidget*, int> fonts[] = {
        {Form2->StaticText1, 32}, {Form2->Label1, 16}, {Form2->Label3, 16}, {Form2->btn1, 16},
        {Form2->Label2, 11},      {Form2->Label4, 11}, {Form2->lbl4, 11}};
    for (const auto& [control, pixels] : fonts) {
        EXPECT_EQ(control->font().pixelSize(), pixels) << control->objectName().toStdString();
    }
}

TEST_F(AboutWindowTest, OkAndLosingTheFocusBothCloseItAndItKeepsItsValues) {
    Form1->show();
    Form2->Label3->setText("SIM,PSU-1,0,1.0\n");
    Form2->ShowOver(Form1);
    QTest::mouseClick(Form2->btn1, Qt::LeftButton);
    EXPECT_FALSE(Form2->isVisible());

    Form2->ShowOver(Form1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form2));
    Form1->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([] { return !Form2->isVisible(); }, 2000));
    EXPECT_EQ(Form2->Label3->text(), "SIM,PSU-1,0,1.0\n");
}

}  // namespace
