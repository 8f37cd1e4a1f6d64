#include "controls/OperatorActions.h"
#include "tests/controls/ControlsFixture.h"

namespace {

using SetpointActionsTest = ControlsFixture;

TEST_F(SetpointActionsTest, SetQueuesBothSetpointsAsShortNumberText) {
    c.edt1->SetValue(5);
    c.edt2->SetValue(0.5);
    controls::act_cmd_vol_change(c);
    EXPECT_EQ(Queue(), QStringList{"3073"});
    EXPECT_EQ(Args(), QStringList{"5,0.5"});
}

TEST_F(SetpointActionsTest, EachPresetSetsItsEditAndQueuesItWithTheOtherEdit) {
    struct PresetCase {
        int index;
        const char* argument;
        const char* voltageText;
        const char* currentText;
    };
    const PresetCase cases[] = {
        {0, "1.2,0.5", "1.200", "0.500"}, {1, "3.3,0.5", "3.300", "0.500"},
        {2, "5,0.5", "5.000", "0.500"},   {3, "24,0.5", "24.000", "0.500"},
        {4, "10,0.2", "10.000", "0.200"}, {5, "10,0.5", "10.000", "0.500"},
        {6, "10,1", "10.000", "1.000"},   {7, "10,3", "10.000", "3.000"},
    };
    for (const PresetCase& preset : cases) {
        UserQueue->clear();
        UserQueueArgs->clear();
        c.edt1->SetValue(preset.index < 4 ? 0 : 10);
        c.edt2->SetValue(0.5);
        controls::PresetClick(c, preset.index);
        EXPECT_EQ(Args(), QStringList{preset.argument}) << preset.index;
        EXPECT_EQ(c.edt1->Text().toStdString(), preset.voltageText) << preset.index;
        EXPECT_EQ(c.edt2->Text().toStdString(), preset.currentText) << preset.index;
    }
}

TEST_F(SetpointActionsTest, APresetAboveTheReportedMaximumQueuesTheMaximum) {
    c.edt1->SetMaxValue(18);
    c.edt2->SetValue(1);
    controls::PresetClick(c, 3);  // 24V
    EXPECT_EQ(Args(), QStringList{"18,1"});
}

TEST_F(SetpointActionsTest, SetTwiceLeavesOneEntryWithTheNewestValuesAtItsPlace) {
    UserQueue->append("6144");
    UserQueueArgs->append("ON");
    c.edt1->SetValue(1);
    controls::act_cmd_vol_change(c);
    controls::PresetClick(c, 2);  // 5.0V
    UserQueue->append("8704");
    UserQueueArgs->append("30");
    c.edt2->SetValue(2);
    controls::act_cmd_vol_change(c);
    EXPECT_EQ(Queue(), (QStringList{"6144", "3073", "8704"}));
    EXPECT_EQ(Args(), (QStringList{"ON", "5,2", "30"}));
}

TEST_F(SetpointActionsTest, TypedTextIsQueuedAsTypedNeitherRoundedNorClamped) {
    c.edt1->SetText("12.3456");
    c.edt1->SetMaxValue(10);
    c.edt2->SetText("0.25");
    controls::act_cmd_vol_change(c);
    EXPECT_EQ(Args(), QStringList{"12.3456,0.25"});
}

TEST_F(SetpointActionsTest, TextThatIsNotANumberQueuesTheMinimum) {
    c.edt1->SetText("");
    c.edt2->SetText("1.5");
    controls::act_cmd_vol_change(c);
    EXPECT_EQ(Args(), QStringList{"0,1.5"});
}

TEST_F(SetpointActionsTest, ASecondPointWithinTheFirstFifteenCharactersIsRefused) {
    struct KeyCase {
        const char* text;
        char key;
        char expected;
    };
    const KeyCase cases[] = {
        {"12", '.', '.'},
        {"12.5", '.', 0},
        {"12.5", '7', '7'},
        {"123456789012345.6", '.', '.'},  // the only point lies beyond the fifteenth character
        {"12345678901234.56", '.', 0},    // the fifteenth character is the point
    };
    for (const KeyCase& k : cases) {
        c.edt1->SetText(k.text);
        char key = k.key;
        controls::EditKeyPress(c.edt1, key);
        EXPECT_EQ(key, k.expected) << k.text << " + " << k.key;
    }
    EXPECT_TRUE(UserQueue->isEmpty());  // typing never queues
}

}  // namespace
