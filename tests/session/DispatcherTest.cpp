#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "scpi/CommandId.h"
#include "scpi/Scpi.h"
#include "session/LinkHealth.h"
#include "tests/session/DispatcherRig.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kNavy(0, 0, 128);

class DispatcherTest : public ::testing::Test, public DispatcherRig {
  protected:
    // Known values before each reply, so a reply that must change nothing shows it.
    void SetUp() override {
        edt1.SetValue(2);
        edt2.SetValue(1);
        isvnsgmntnlg1.SetValue(7);
        iLedRectangle1.SetActive(true);
        iLedRectangle1.SetActiveColor(kRed);
        iLedRectangle2.SetActive(false);
        LinkConfirmed = 1;
    }
    void recordCommand(CommandId id) { CurrentCommand = S_SCPI_CMD{"", id, 0, 500, 1}; }
};

struct ReplyCase {
    const char* name;
    CommandId id;
    std::string reply;
    std::function<void(DispatcherRig&)> expect;
};

void PrintTo(const ReplyCase& c, std::ostream* os) {
    *os << c.name;
}

void ExpectLamp(const TiLedRectangle& lamp, bool active, const QColor& colour) {
    EXPECT_EQ(lamp.Active(), active);
    EXPECT_EQ(lamp.ActiveColor(), colour);
}

const ReplyCase kReplies[] = {
    {"Identity", 0x0401, "PSU,X1,0001,1.0\n",
     [](DispatcherRig& r) {
         EXPECT_EQ(r.stat1.PanelText(2), "Device Version:PSU,X1,0001,1.0\n");
         EXPECT_EQ(r.aboutDevice.text(), "PSU,X1,0001,1.0\n");
     }},
    {"ScpiVersion", 0x3B01, "1999.0\n",
     [](DispatcherRig& r) {
         EXPECT_EQ(r.stat1.PanelText(3), "SCPI Version 1999.0\n");
         EXPECT_EQ(r.aboutScpi.text(), "1999.0\n");
     }},
    {"SetPoints", 0x0C02, "1.234,0.567\n",
     [](DispatcherRig& r) {
         EXPECT_EQ(r.edt1.Text(), "1.234");
         EXPECT_EQ(r.edt2.Text(), "0.567");
     }},
    {"SetPointsOneField", 0x0C02, "5.000\n",
     [](DispatcherRig& r) {
         EXPECT_DOUBLE_EQ(r.edt1.Value(), 2);
         EXPECT_DOUBLE_EQ(r.edt2.Value(), 1);
     }},
    {"SetPointsThreeFields", 0x0C02, "5.000,1.000,0.000\n",
     [](DispatcherRig& r) {
         EXPECT_DOUBLE_EQ(r.edt1.Value(), 2);
         EXPECT_DOUBLE_EQ(r.edt2.Value(), 1);
     }},
    {"SetPointsClampedByTheEdit", 0x0C02, "40,0.5\n",
     [](DispatcherRig& r) {
         EXPECT_DOUBLE_EQ(r.edt1.Value(), 36);
         EXPECT_DOUBLE_EQ(r.edt2.Value(), 0.5);
     }},
    {"MeasuredVoltageKeepsLastDigit", 0x1701, "12.345\n",
     [](DispatcherRig& r) { EXPECT_DOUBLE_EQ(r.isvnsgmntnlg1.Value(), 12.345f); }},
    {"MeasuredVoltageGarbled", 0x1701, "12.3?5\n",
     [](DispatcherRig& r) { EXPECT_DOUBLE_EQ(r.isvnsgmntnlg1.Value(), 7); }},
    {"MeasuredCurrent", 0x1501, "0.512\n",
     [](DispatcherRig& r) { EXPECT_DOUBLE_EQ(r.isvnsgmntnlg2.Value(), 0.512f); }},
    {"MeasuredPower", 0x1601, "6.1\n",
     [](DispatcherRig& r) { EXPECT_DOUBLE_EQ(r.iSevenSegmentAnalog1.Value(), 6.1f); }},
    {"OutputOn", 0x1801, "ON\n",
     [](DispatcherRig& r) {
         EXPECT_TRUE(r.ildrctngl1.Active());
         EXPECT_EQ(r.img2.ShowState(), 2);
     }},
    {"OutputOffWhenNotExactlyOn", 0x1801, "ON \n",
     [](DispatcherRig& r) {
         EXPECT_FALSE(r.ildrctngl1.Active());
         EXPECT_EQ(r.img2.ShowState(), 0);
     }},
    {"OcpEnabled", 0x1A01, "ON\n", [](DispatcherRig& r) { EXPECT_EQ(r.img3.ShowState(), 2); }},
    {"OvpEnabled", 0x2001, "ON\n", [](DispatcherRig& r) { EXPECT_EQ(r.img1.ShowState(), 2); }},
    {"OvpDisabled", 0x2001, "OFF\n", [](DispatcherRig& r) { EXPECT_EQ(r.img1.ShowState(), 0); }},
    {"OcpTripped", 0x1B01, "ON\n",
     [](DispatcherRig& r) { ExpectLamp(r.iLedRectangle2, true, kRed); }},
    {"OvpNotTripped", 0x2101, "OFF\n",
     [](DispatcherRig& r) { ExpectLamp(r.iLedRectangle1, false, kNavy); }},
    {"OcpLevel", 0x1C02, "2.5\n", [](DispatcherRig& r) { EXPECT_DOUBLE_EQ(r.edt4.Value(), 2.5); }},
    {"OcpMaximum", 0x1C03, "3.3\n",
     [](DispatcherRig& r) { EXPECT_DOUBLE_EQ(r.edt4.MaxValue(), 3.3f); }},
    {"OvpLevel", 0x2202, "31.5\n",
     [](DispatcherRig& r) { EXPECT_DOUBLE_EQ(r.edt3.Value(), 31.5); }},
    {"OvpMaximum", 0x2203, "39.6\n",
     [](DispatcherRig& r) { EXPECT_DOUBLE_EQ(r.edt3.MaxValue(), 39.6f); }},
    {"CurrentMaximumAndCaption", 0x1E03, "5\n",
     [](DispatcherRig& r) {
         EXPECT_DOUBLE_EQ(r.edt2.MaxValue(), 5);
         EXPECT_EQ(r.mainWindow.windowTitle(), "DC Power Supply      36.000V,5.000000A");
     }},
    {"VoltageMaximumAndCaption", 0x2503, "30.5\n",
     [](DispatcherRig& r) {
         EXPECT_DOUBLE_EQ(r.edt1.MaxValue(), 30.5);
         EXPECT_EQ(r.mainWindow.windowTitle(), "DC Power Supply      30.500V,3.000000A");
     }},
    {"VoltageMaximumGarbled", 0x2503, "x\n",
     [](DispatcherRig& r) {
         EXPECT_DOUBLE_EQ(r.edt1.MaxValue(), 36);
         EXPECT_EQ(r.mainWindow.windowTitle(), "");
     }},
    {"RangeLowOffersHigh", 0x2301, "LOW\n",
     [](DispatcherRig& r) {
         EXPECT_EQ(r.stat1.PanelText(1), "Range: LOW\n");
         EXPECT_EQ(r.btn20.ImageIndex(), 9);
         EXPECT_FALSE(r.btn20.isHidden());
     }},
    {"RangeHighOffersLow", 0x2301, "HIGH\n",
     [](DispatcherRig& r) {
         EXPECT_EQ(r.stat1.PanelText(1), "Range: HIGH\n");
         EXPECT_EQ(r.btn20.ImageIndex(), 8);
         EXPECT_FALSE(r.btn20.isHidden());
     }},
    {"OperationStatusBothTripped", 0x2801, "+3\n",
     [](DispatcherRig& r) {
         ExpectLamp(r.iLedRectangle1, true, kRed);
         ExpectLamp(r.iLedRectangle2, true, kRed);
     }},
    {"OperationStatusOcpOnly", 0x2801, "+2\n",
     [](DispatcherRig& r) {
         ExpectLamp(r.iLedRectangle1, false, kNavy);
         ExpectLamp(r.iLedRectangle2, true, kRed);
     }},
    {"OperationStatusWithoutSignLeavesLamps", 0x2801, "3\n",
     [](DispatcherRig& r) {
         ExpectLamp(r.iLedRectangle1, true, kRed);
         ExpectLamp(r.iLedRectangle2, false, kNavy);
     }},
    {"MemorySlot", 0x3801, "3\n", [](DispatcherRig& r) { EXPECT_EQ(r.slot.Value(), 3); }},
    {"MemorySlotGarbled", 0x3801, "3\r\n", [](DispatcherRig& r) { EXPECT_EQ(r.slot.Value(), 0); }},
    {"ClearStatusOnlyMovesOn", 0x0100, "5.000\n",
     [](DispatcherRig& r) { EXPECT_DOUBLE_EQ(r.isvnsgmntnlg1.Value(), 7); }},
    {"LevelSettingReadBackOnlyMovesOn", 0x2200, "31.5\n",
     [](DispatcherRig& r) { EXPECT_DOUBLE_EQ(r.edt3.Value(), 0); }},
};

class ReplyRows : public DispatcherTest, public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(ReplyRows, UpdatesItsTargetsThenPausesAndTicks) {
    const ReplyCase& c = GetParam();
    recordCommand(c.id);
    receive(c.reply);
    c.expect(*this);
    EXPECT_EQ(CurrentCommand.awaitReply, 0);
    // Idle scheduler: the tick sends nothing, so the only pause is the dispatcher's.
    EXPECT_EQ(clock.sleeps(), std::vector<std::uint32_t>{10});
    EXPECT_TRUE(timerArmed());
}

INSTANTIATE_TEST_SUITE_P(Dispatcher, ReplyRows, ::testing::ValuesIn(kReplies),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DispatcherTest, IdOutsideTheCatalogueIsIgnoredAndLeavesTheTimerDisarmed) {
    ArmCmdTimer(controls);
    recordCommand(0x7777);
    receive("12.345\n");
    EXPECT_EQ(CurrentCommand.awaitReply, 1);
    EXPECT_DOUBLE_EQ(isvnsgmntnlg1.Value(), 7);
    EXPECT_TRUE(clock.sleeps().empty());
    EXPECT_FALSE(cmd_timer.isActive());
}

TEST_F(DispatcherTest, LongReplyIsHandledAsItsFirst256Bytes) {
    recordCommand(0x0401);
    std::string reply(300, 'a');
    reply[255] = 'z';
    receive(reply);
    EXPECT_EQ(aboutDevice.text(), QString::fromStdString(reply.substr(0, 256)));
}

TEST_F(DispatcherTest, BytesAboveAsciiBecomeOneCharacterEach) {
    recordCommand(0x3B01);
    receive("1999\xB5\n");
    EXPECT_EQ(aboutScpi.text(), QString::fromLatin1("1999\xB5\n"));
}

TEST_F(DispatcherTest, ReplySplitInTwoEventsIsTwoReplies) {
    SessionPhase = 2;
    PollIndex = 3;
    tick();  // ":MEAS?"
    receive("12.");
    EXPECT_DOUBLE_EQ(isvnsgmntnlg1.Value(), 12);
    EXPECT_EQ(CurrentCommand.text, ":MEAS:CURR?");  // its tick sent the next poll
    receive("345\n");
    EXPECT_DOUBLE_EQ(isvnsgmntnlg2.Value(), 345);
    EXPECT_EQ(CurrentCommand.text, ":MEAS:POW?");
}

TEST_F(DispatcherTest, LastSyncReplyConfirmsTheLinkAfterItsTick) {
    LinkConfirmed = 0;
    SessionPhase = 1;
    SyncIndex = 20;
    tick();  // ":VOLT:PROT? MAX", the last synchronisation command
    ASSERT_EQ(CurrentCommand.id, 0x2203);
    ASSERT_EQ(SessionPhase, 2);

    receive("39.6\n");
    EXPECT_EQ(connectionEvents, (std::vector<std::string>{"error", "ok"}));
    EXPECT_EQ(LinkConfirmed, 1);
    EXPECT_EQ(CurrentCommand.text, ":OUTP?");
    EXPECT_FALSE(cmd_timer.isActive());  // the failing tick disarmed it
    EXPECT_DOUBLE_EQ(edt3.MaxValue(), 39.6f);

    receive("OFF\n");  // polling goes on and re-arms the timer
    EXPECT_TRUE(timerArmed());

    // Asked again later (after a recall): only the bound changes.
    recordCommand(0x2203);
    receive("30\n");
    EXPECT_EQ(connectionEvents, (std::vector<std::string>{"error", "ok"}));
    EXPECT_DOUBLE_EQ(edt3.MaxValue(), 30);
}

// Synchronisation reads each level before its maximum: a level above the edit's design bound
// arrives clamped and is shown as reported once its maximum raises the bound.
TEST_F(DispatcherTest, RaisedBoundShowsTheLevelItClampedAsReported) {
    struct Step {
        CommandId id;      // a reply to this command, or with 0 the operator typing
        const char* text;  // the reply, or what the operator types
        TFlatSpinEditFloat* typedInto = nullptr;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        const TFlatSpinEditFloat* edit;
        const char* shown;
    };
    const Case cases[] = {
        {"OVP level above 36",
         {{cmd::VoltProtQuery, "39.6\n"}, {cmd::VoltProtMaxQuery, "39.6\n"}},
         &edt3,
         "39.600"},
        {"OCP level above 3",
         {{cmd::CurrProtQuery, "3.3\n"}, {cmd::CurrProtMaxQuery, "3.3\n"}},
         &edt4,
         "3.300"},
        {"level still above the raised bound",
         {{cmd::VoltProtQuery, "39.6\n"}, {cmd::VoltProtMaxQuery, "38\n"}},
         &edt3,
         "38.000"},
        {"level inside the bound",
         {{cmd::VoltProtQuery, "20\n"}, {cmd::VoltProtMaxQuery, "39.6\n"}},
         &edt3,
         "20.000"},
        {"bound lowered: the text stays",
         {{cmd::VoltProtQuery, "39.6\n"}, {cmd::VoltProtMaxQuery, "30\n"}},
         &edt3,
         "36.000"},
        {"operator typed in between",
         {{cmd::CurrProtQuery, "3.3\n"}, {0, "2.5", &edt4}, {cmd::CurrProtMaxQuery, "3.3\n"}},
         &edt4,
         "2.5"},
        {"set voltage",
         {{cmd::ApplyQuery, "40.000,3.500\n"}, {cmd::VoltMaxQuery, "45\n"}},
         &edt1,
         "40.000"},
        {"set current",
         {{cmd::ApplyQuery, "40.000,3.500\n"}, {cmd::CurrMaxQuery, "4\n"}},
         &edt2,
         "3.500"},
    };
    for (const Case& c : cases) {
        for (auto [edit, max] :
             {std::pair{&edt1, 36.0}, {&edt2, 3.0}, {&edt3, 36.0}, {&edt4, 3.0}}) {
            edit->SetMaxValue(max);
        }
        for (const Step& step : c.steps) {
            if (step.typedInto != nullptr) {
                step.typedInto->SetText(step.text);
                continue;
            }
            recordCommand(step.id);
            receive(step.text);
        }
        EXPECT_EQ(c.edit->Text(), c.shown) << c.name;
    }
    // The edit still clamps what is written into it.
    edt3.SetValue(50);
    EXPECT_EQ(edt3.Text(), "36.000");
}

// The same reply three times under one command: only numbers that do not parse and bytes
// that are neither printable nor line ends make the link unreadable; an ON test that fails
// is an ordinary OFF.
TEST_F(DispatcherTest, TellsTheLinkHealthWhichRepliesCouldBeRead) {
    struct Case {
        CommandId id;
        std::string reply;
        LinkState expected;
    };
    const Case cases[] = {
        {cmd::MeasQuery, "12.345\n", LinkState::Live},
        {cmd::MeasQuery, "12.3?5\n", LinkState::Unreadable},
        {cmd::MeasPowQuery, "\n", LinkState::Unreadable},
        {cmd::CurrProtMaxQuery, "3.1\n", LinkState::Live},
        {cmd::ApplyQuery, "5.000,1.000\n", LinkState::Live},
        {cmd::ApplyQuery, "5.000\n", LinkState::Unreadable},
        {cmd::StatOperQuery, "+3\n", LinkState::Live},
        {cmd::StatOperQuery, "3\n", LinkState::Unreadable},
        {cmd::SystMemQuery, "x\n", LinkState::Unreadable},
        {cmd::OutpQuery, "OF?F\n", LinkState::Live},
        {cmd::IdnQuery, "PSU,X1,0001,1.0\n", LinkState::Live},
        {cmd::IdnQuery, "\xF3\x8C\x01", LinkState::Unreadable},
        {cmd::Cls, "\x80\n", LinkState::Unreadable},
    };
    for (const Case& c : cases) {
        linkHealth.SessionStarted();
        for (int i = 0; i < 3; ++i) {
            recordCommand(c.id);
            receive(c.reply);
        }
        EXPECT_EQ(linkHealth.State(), c.expected) << c.id << " " << testing::PrintToString(c.reply);
    }
}

}  // namespace
