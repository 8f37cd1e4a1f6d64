#pragma once
// The commands a connect sends to synchronise with the instrument, in the order they go
// out, each with the line it puts on the wire: what the scheduler, session and end-to-end
// tests expect and what the wire-timing benchmark counts.

#include <iterator>
#include <string>
#include <vector>

#include "scpi/CommandId.h"

struct SyncCommand {
    CommandId id;
    const char* line;
};

inline constexpr SyncCommand kSyncCommands[] = {
    {0x3900, ":SYST:REM"},        {0x0100, "*CLS"},
    {0x3B01, ":SYST:VERS?"},      {0x0401, "*IDN?"},
    {0x3801, ":SYST:MEM?"},       {0x1801, ":OUTP?"},
    {0x0C02, ":APPL?"},           {0x1701, ":MEAS?"},
    {0x2202, ":VOLT:PROT?"},      {0x2001, ":VOLT:PROT:STAT? "},
    {0x2101, ":VOLT:PROT:TRIP?"}, {0x1501, ":MEAS:CURR?"},
    {0x1C02, ":CURR:PROT?"},      {0x1A01, ":CURR:PROT:STAT?"},
    {0x1B01, ":CURR:PROT:TRIP?"}, {0x2301, ":VOLT:RANG?"},
    {0x2801, ":STAT:OPER?"},      {0x1E03, ":CURR? MAX"},
    {0x1C03, ":CURR:PROT? MAX"},  {0x2503, ":VOLT? MAX"},
    {0x2203, ":VOLT:PROT? MAX"},
};
inline constexpr std::size_t kSyncCommandCount = std::size(kSyncCommands);

inline std::vector<std::string> SyncLines() {
    std::vector<std::string> lines;
    for (const SyncCommand& command : kSyncCommands) {
        lines.emplace_back(command.line);
    }
    return lines;
}

inline std::vector<CommandId> SyncOrder() {
    std::vector<CommandId> ids;
    for (const SyncCommand& command : kSyncCommands) {
        ids.push_back(command.id);
    }
    return ids;
}
