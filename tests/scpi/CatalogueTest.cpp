#include "scpi/CommandCatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The identifiers SendCommand runs a sender for, as the instrument's command set lists them.
const std::set<CommandId> kRouted = {
    0x0100, 0x0401, 0x0700, 0x0900, 0x0C01, 0x0C02, 0x1401, 0x1501, 0x1601, 0x1701, 0x1800, 0x1801,
    0x1A00, 0x1A01, 0x1B01, 0x1C00, 0x1C02, 0x1C03, 0x1E02, 0x1E03, 0x2000, 0x2001, 0x2101, 0x2200,
    0x2202, 0x2203, 0x2300, 0x2301, 0x2502, 0x2503, 0x2801, 0x3801, 0x3900, 0x3B01,
};

TEST(CommandCatalogue, HoldsEveryCommandNumberAndOnlyTheListedSendersAreRouted) {
    std::set<int> numbers;
    std::set<CommandId> routed;
    int identifiers = 0;
    for (CommandId id = -1; id <= 0x10000; ++id) {
        const CommandRow* row = FindCommand(id);
        if (row == nullptr) {
            continue;
        }
        ASSERT_EQ(row->id, id);
        ++identifiers;
        numbers.insert(id >> 8);
        if (row->routed) {
            routed.insert(id);
        }
        // A routed row must have something to send; an unsent row nothing to record.
        EXPECT_EQ(row->routed, row->pacing != Pacing::NoSender && id != 0x3700) << std::hex << id;
    }
    EXPECT_EQ(identifiers, 97);
    ASSERT_EQ(numbers.size(), 59u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 59);
    EXPECT_EQ(routed, kRouted);
    EXPECT_TRUE(IsCatalogued(0x3700));
    EXPECT_FALSE(IsCatalogued(0));
}

}  // namespace
