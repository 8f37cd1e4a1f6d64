#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "session/LinkHealth.h"
#include "sim/LineCheck.h"

namespace {

// One letter per event the session reports:
//   S session started   E session ended   L line lost   T command unanswered (timer tick)
//   G readable text reply   N number that parsed   U number that did not parse (printable)
//   F reply with foreign bytes
void Play(LinkHealth& health, const std::string& events) {
    for (const char event : events) {
        switch (event) {
            case 'S':
                health.SessionStarted();
                break;
            case 'E':
                health.SessionEnded();
                break;
            case 'L':
                health.LineLost();
                break;
            case 'T':
                health.CommandUnanswered();
                break;
            case 'G':
                health.ReplyReceived("ON\n", ReplyReading::Text);
                break;
            case 'N':
                health.ReplyReceived("12.345\n", ReplyReading::NumberParsed);
                break;
            case 'U':
                health.ReplyReceived("12.3", ReplyReading::NumberUnparsed);
                break;
            case 'F':
                health.ReplyReceived("\xF3\x8C\x01\xE7", ReplyReading::NumberUnparsed);
                break;
            default:
                FAIL() << "unknown event " << event;
        }
    }
}

struct Transition {
    const char* name;
    const char* events;
    std::vector<LinkState> changes;  // every state entered, in order
};

void PrintTo(const Transition& t, std::ostream* os) {
    *os << t.name;
}

using S = LinkState;

const Transition kTransitions[] = {
    {"OneLateReplyRaisesNothing", "SNTN", {S::Live}},
    {"TwoLateRepliesRaiseNothing", "SNTTNTTG", {S::Live}},
    {"ThreeUnansweredGoSilentFirstReplyEndsIt", "SNTTTTG", {S::Live, S::Silent, S::Live}},
    {"AnyReplyEndsSilenceEvenGarbled", "STTTF", {S::Live, S::Silent, S::Live}},
    {"OneGarbledReplyRaisesNothing", "SNFNG", {S::Live}},
    {"OneSplitReplyRaisesNothing", "SNUUN", {S::Live}},
    {"ThreeUnparsedNumbersAreUnreadable", "SUUUN", {S::Live, S::Unreadable, S::Live}},
    {"TwoForeignByteRepliesAreUnreadable", "SFFG", {S::Live, S::Unreadable, S::Live}},
    {"ForeignAndUnparsedMixedInOneRun", "SFUF", {S::Live, S::Unreadable}},
    {"ReadableReplyEndsTheRun", "SUUGUUNFGF", {S::Live}},
    {"UnreadableSurvivesTwoLateReplies", "SFFTTF", {S::Live, S::Unreadable}},
    {"UnreadableLineFallingSilent", "SFFTTT", {S::Live, S::Unreadable, S::Silent}},
    {"SilentLineAnsweringGarbage", "STTTFF", {S::Live, S::Silent, S::Live, S::Unreadable}},
    {"LostAtOnceFromLive", "SNL", {S::Live, S::Lost}},
    {"LostFromSilent", "STTTL", {S::Live, S::Silent, S::Lost}},
    {"LostIgnoresLateRepliesAndTicks", "SLGNTTTFF", {S::Live, S::Lost}},
    {"ReconnectAfterLossIsLive", "SLSN", {S::Live, S::Lost, S::Live}},
    {"DisconnectEndsAnyState", "STTTE", {S::Live, S::Silent, S::Disconnected}},
    {"NothingCountsWithoutASession", "GTTTFFFL", {}},
    {"NewSessionForgetsOldCounts", "STTSTTFSF", {S::Live}},
};

class LinkHealthTransitionTest : public ::testing::TestWithParam<Transition> {};

TEST_P(LinkHealthTransitionTest, EntersExactlyTheseStates) {
    platform::VirtualClock clock(5000);
    platform::ScopedClockOverride use(clock);
    LinkHealth health;
    std::vector<LinkState> entered;
    health.OnStateChange = [&](LinkState state) {
        EXPECT_EQ(state, health.State());
        entered.push_back(state);
    };
    Play(health, GetParam().events);
    EXPECT_EQ(entered, GetParam().changes);
    EXPECT_EQ(health.State(), entered.empty() ? S::Disconnected : entered.back());
}

INSTANTIATE_TEST_SUITE_P(Events, LinkHealthTransitionTest, ::testing::ValuesIn(kTransitions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LinkHealthTest, RemembersTheLastReadableReplyOnThePlatformClock) {
    platform::VirtualClock clock(0xFFFFF000u);  // wraps during the test
    platform::ScopedClockOverride use(clock);
    LinkHealth health;
    health.SessionStarted();
    EXPECT_EQ(health.LastGoodReplyTick(), std::nullopt);
    EXPECT_EQ(health.MsSinceLastGoodReply(), std::nullopt);

    Play(health, "N");
    const std::uint32_t goodAt = platform::GetTickCount();
    clock.advance(1500);
    Play(health, "TUFT");  // neither ticks nor unreadable replies count as good
    clock.advance(47000);
    EXPECT_EQ(health.LastGoodReplyTick(), goodAt);
    EXPECT_EQ(health.MsSinceLastGoodReply(), 48500u);

    Play(health, "L");
    clock.advance(500);
    EXPECT_EQ(health.MsSinceLastGoodReply(), 49000u) << "the time stays across a loss";

    Play(health, "S");
    EXPECT_EQ(health.LastGoodReplyTick(), std::nullopt) << "a new connect starts afresh";
}

TEST(LinkHealthTest, ForeignBytesAreThoseNeitherPrintableNorLineEnds) {
    struct Case {
        std::string reply;
        bool foreign;
    };
    const Case cases[] = {
        {"12.345\n", false}, {"ON\r\n", false}, {"PSU,X1,0001,1.0\n", false},
        {"", false},         {" ~\n", false},   {std::string("1.0\0\n", 5), true},
        {"1.0\t\n", true},   {"\x7F\n", true},  {"5.00\xB0\n", true},
        {"\x1B[0m\n", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HoldsForeignBytes(c.reply), c.foreign) << testing::PrintToString(c.reply);
    }
}

TEST(LinkHealthTest, EveryAnswerAtAMismatchedRateHoldsForeignBytes) {
    std::uint32_t state = 1;
    for (const char* answer : {"ON\n", "OFF\n", "12.345\n", "5.000,1.000\n", "1999.0\n"}) {
        EXPECT_TRUE(HoldsForeignBytes(sim::garbleBytes(answer, state))) << answer;
    }
}

}  // namespace
