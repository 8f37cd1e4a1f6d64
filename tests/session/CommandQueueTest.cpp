#include "session/CommandQueue.h"

#include <gtest/gtest.h>

#include "scpi/CommandId.h"
#include "session/SessionState.h"

namespace {

class CommandQueueTest : public ::testing::Test {
  protected:
    void SetUp() override { CreateSessionLists(); }
    void TearDown() override { DestroySessionLists(); }
};

TEST_F(CommandQueueTest, AppendsWithFollowUpsAndMergesInPlace) {
    EXPECT_TRUE(QueueUserCommand(3073, "1.2,0.5"));
    EXPECT_TRUE(QueueUserCommand(1792, "3", {{8707, ""}, {9475, "x"}}));
    EXPECT_TRUE(QueueUserCommand(6144, "ON"));
    EXPECT_EQ(*UserQueue, (QStringList{"3073", "1792", "8707", "9475", "6144"}));
    EXPECT_EQ(*UserQueueArgs, (QStringList{"1.2,0.5", "3", "", "x", "ON"}));

    // The same id again: newest argument, older position, no follow-ups.
    EXPECT_FALSE(QueueUserCommand(1792, "5", {{2304, "9"}}));
    EXPECT_FALSE(QueueUserCommand(3073, "24,3"));
    EXPECT_EQ(*UserQueue, (QStringList{"3073", "1792", "8707", "9475", "6144"}));
    EXPECT_EQ(*UserQueueArgs, (QStringList{"24,3", "5", "", "x", "ON"}));
}

TEST_F(CommandQueueTest, MergesIntoTheFirstEqualEntryOnly) {
    // A follow-up can put an id in the queue twice; a merge touches the first one.
    EXPECT_TRUE(QueueUserCommand(1792, "1", {{14337, ""}}));
    EXPECT_TRUE(QueueUserCommand(2304, "2", {{14337, ""}}));
    EXPECT_FALSE(QueueUserCommand(14337, "z"));
    EXPECT_EQ(*UserQueue, (QStringList{"1792", "14337", "2304", "14337"}));
    EXPECT_EQ(*UserQueueArgs, (QStringList{"1", "z", "2", ""}));
}

TEST_F(CommandQueueTest, DropCountsTheOperatorsSettingsNotTheirReadBacks) {
    EXPECT_EQ(DropUserCommands(), 0);
    QueueUserCommand(cmd::VoltProt, "30", {{cmd::VoltProtQuery, "0"}});
    QueueUserCommand(cmd::Outp, "ON");
    QueueUserCommand(cmd::Recall, "2", {{cmd::OutpQuery, "0"}, {cmd::ApplyQuery, "0"}});
    QueueUserCommand(cmd::VoltRang, "LOW", {{cmd::CurrMaxQuery, "LOW"}});
    EXPECT_EQ(DropUserCommands(), 4);
    EXPECT_TRUE(UserQueue->isEmpty());
    EXPECT_TRUE(UserQueueArgs->isEmpty());

    // A read-back left over from a setting already sent is dropped but is no setting.
    UserQueue->append(QString::number(cmd::ApplyQuery));
    UserQueueArgs->append("0");
    EXPECT_EQ(DropUserCommands(), 0);
    EXPECT_TRUE(UserQueue->isEmpty());
}

}  // namespace
