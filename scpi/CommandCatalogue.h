#pragma once
// The instrument's command catalogue: one row per identifier, holding how its sender paces
// the line, the texts it writes and what it records. Rows without a sender are catalogued so
// that replies recorded under them are still recognised.

#include <cstdint>
#include <span>

#include "scpi/CommandId.h"

// What follows the first line a sender writes.
enum class Pacing {
    NoSender,          // catalogued only: nothing is written
    Query,             // no wait
    ClearStatus,       // 500 ms for the instrument to clear its queues
    SettingThenQuery,  // transmission allowance + 100 ms, then the read-back query
    RemoteLocal,       // transmission allowance + 50 ms
};

// Fields in the order a reader of the table expects; the padding of some sixty constant rows
// costs nothing worth reordering for.
// NOLINTNEXTLINE(clang-analyzer-optin.performance.Padding)
struct CommandRow {
    CommandId id;
    const char* keyword;  // the command as the instrument's command set names it
    Pacing pacing;
    bool routed;                  // SendCommand runs this sender for this id
    const char* firstLine;        // "%s" stands for the argument; nullptr without a sender
    std::uint32_t furtherWaitMs;  // an extra pause after the first wait (memory, remote)
    const char* followUp;         // the read-back query, or nullptr
    CommandId recordedId;         // the id the reply will be interpreted under
    std::int32_t awaitReply;
};

std::span<const CommandRow> CommandCatalogue();

// The row of id, or nullptr for a value outside the catalogue.
const CommandRow* FindCommand(CommandId id);
inline bool IsCatalogued(CommandId id) {
    return FindCommand(id) != nullptr;
}
