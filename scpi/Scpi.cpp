#include "scpi/Scpi.h"

#include "platform/Clock.h"
#include "scpi/Com_rw.h"
#include "scpi/CommandCatalogue.h"
#include "serial/TComm.h"

S_SCPI_CMD CurrentCommand;

namespace {

// The instrument clears its queues before it takes the next command.
constexpr std::uint32_t kClearStatusMs = 500;
// Beyond the line's own transmission time: a setting settles before it is read back, and a
// change between remote and local control before the next command.
constexpr std::uint32_t kSettleAfterSettingMs = 100;
constexpr std::uint32_t kSettleAfterRemoteLocalMs = 50;

std::string FillArgument(const char* firstLine, const std::string& argument) {
    std::string text = firstLine;
    if (const auto at = text.find("%s"); at != std::string::npos) {
        text.replace(at, 2, argument);
    }
    return text;
}

void RunSender(TComm& comm, const CommandRow& row, const std::string& argument) {
    const std::string first = FillArgument(row.firstLine, argument);
    WriteLine(comm, first);

    const std::uint32_t allowance = TransmissionAllowanceMs(first.size(), comm.BaudRate());
    switch (row.pacing) {
        case Pacing::ClearStatus:
            platform::Sleep(kClearStatusMs);
            break;
        case Pacing::SettingThenQuery:
            platform::Sleep(allowance + kSettleAfterSettingMs);
            break;
        case Pacing::RemoteLocal:
            platform::Sleep(allowance + kSettleAfterRemoteLocalMs);
            break;
        case Pacing::Query:
        case Pacing::NoSender:
            break;
    }
    if (row.furtherWaitMs > 0) {
        platform::Sleep(row.furtherWaitMs);
    }

    std::string last = first;
    if (row.followUp != nullptr) {
        last = row.followUp;
        WriteLine(comm, last);
    }
    // Recorded only now, after every pause, so a reply is never read under an older id.
    CurrentCommand = S_SCPI_CMD{std::move(last), row.recordedId, platform::GetTickCount(),
                                kCmdTimerMs, row.awaitReply};
}

}  // namespace

std::uint32_t TransmissionAllowanceMs(std::size_t characters, std::uint32_t baudRate) {
    if (baudRate == 0) {
        return 0;  // a rate of 0 is never set; no division by it either way
    }
    return static_cast<std::uint32_t>(characters * 10000u / baudRate);
}

void SendCommand(TComm& comm, CommandId id, const std::string& param1, const std::string& param2,
                 const std::string& param3) {
    (void)param2;  // accepted for the callers' sake; no sender takes a second or third argument
    (void)param3;
    const CommandRow* row = FindCommand(id);
    if (row == nullptr || !row->routed) {
        return;
    }
    RunSender(comm, *row, param1);
}

void SendSystLocal(TComm& comm) {
    RunSender(comm, *FindCommand(cmd::SystLocal), {});
}
