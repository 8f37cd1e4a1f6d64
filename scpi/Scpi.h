#pragma once
// The command senders: SendCommand writes the line(s) of a catalogued command with the
// pauses the instrument needs, then records the command in CurrentCommand so the reply
// that comes next is interpreted under the right id. Runs on the GUI thread and blocks it
// while it paces the line.

#include <cstdint>
#include <string>

#include "scpi/CommandId.h"

class TComm;

// How long the session waits for the reply to a command before its timer sends the next one:
// the period of the main window's cmd_timer, and the time-out recorded with every command.
inline constexpr std::int32_t kCmdTimerMs = 500;

// The record of the last command sent.
struct S_SCPI_CMD {
    std::string text;            // the last line written, without its line feed
    CommandId id = 0;            // the id its reply is interpreted under
    std::uint32_t sendTick = 0;  // tick count when the record was written
    std::int32_t timeout = 0;    // always kCmdTimerMs
    std::int32_t awaitReply = 0;
};

extern S_SCPI_CMD CurrentCommand;

// Runs the sender of id when it is routed; any other id writes nothing, sleeps nothing
// and leaves CurrentCommand as it is. Only param1 is used: it replaces "%s" unchanged.
void SendCommand(TComm& comm, CommandId id, const std::string& param1 = {},
                 const std::string& param2 = {}, const std::string& param3 = {});

// ":SYST:LOC", which SendCommand does not route: the disconnect hands the instrument's
// front panel back with it.
void SendSystLocal(TComm& comm);

// Milliseconds that characters of 10 bits each take at baudRate (integer division).
std::uint32_t TransmissionAllowanceMs(std::size_t characters, std::uint32_t baudRate);
