#include "controls/OperatorActions.h"
#include "tests/controls/ControlsFixture.h"

namespace {

using StateActionsTest = ControlsFixture;

TEST_F(StateActionsTest, ProtectionSwitchesQueueThePicturesState) {
    c.img1->SetShowState(2);
    controls::act_cmd_ovp_en(c);
    controls::act_cmd_ocp_en(c);  // img3 still shows 0
    EXPECT_EQ(Queue(), (QStringList{"8192", "6656"}));
    EXPECT_EQ(Args(), (QStringList{"ON", "OFF"}));

    // Switching back before the first was sent only replaces its argument.
    c.img1->SetShowState(0);
    controls::act_cmd_ovp_en(c);
    EXPECT_EQ(Queue(), (QStringList{"8192", "6656"}));
    EXPECT_EQ(Args(), (QStringList{"OFF", "OFF"}));
}

TEST_F(StateActionsTest, ProtectionLevelsQueueTheLevelAndItsReadBack) {
    c.edt3->SetValue(30);
    controls::act_cmd_ovp_v(c);
    c.edt4->SetValue(1.5);
    controls::act_cmd_ocp_i(c);
    EXPECT_EQ(Queue(), (QStringList{"8704", "8706", "7168", "7170"}));
    EXPECT_EQ(Args(), (QStringList{"30", "0", "1.5", "0"}));

    // A second Set before sending changes the waiting level only; no second read-back.
    c.edt3->SetValue(31.5);
    controls::act_cmd_ovp_v(c);
    EXPECT_EQ(Queue(), (QStringList{"8704", "8706", "7168", "7170"}));
    EXPECT_EQ(Args(), (QStringList{"31.5", "0", "1.5", "0"}));
}

TEST_F(StateActionsTest, OutputQueuesTheLampsStateAndAnEvenNumberOfClicksRestoresIt) {
    c.ildrctngl1->SetActive(true);
    controls::act_cmd_outp(c);
    EXPECT_EQ(Args(), QStringList{"ON"});
    c.ildrctngl1->SetActive(false);
    controls::act_cmd_outp(c);
    EXPECT_EQ(Queue(), QStringList{"6144"});
    EXPECT_EQ(Args(), QStringList{"OFF"});
}

TEST_F(StateActionsTest, RangeQueuesTheWordAndThreeQueriesOnce) {
    controls::act_cmd_rang_high();
    controls::act_cmd_rang_high();
    EXPECT_EQ(Queue(), (QStringList{"8960", "7683", "9475", "3074"}));
    EXPECT_EQ(Args(), (QStringList{"High", "High", "High", "High"}));
    controls::act_cmd_rang_low();
    EXPECT_EQ(Queue(), (QStringList{"8960", "7683", "9475", "3074"}));
    EXPECT_EQ(Args(), (QStringList{"LOW", "High", "High", "High"}));
}

}  // namespace
