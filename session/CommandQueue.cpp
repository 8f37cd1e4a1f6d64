#include "session/CommandQueue.h"

#include <cstring>

#include "scpi/CommandCatalogue.h"
#include "session/SessionState.h"

bool QueueUserCommand(int id, const QString& argument,
                      const std::vector<std::pair<int, QString>>& followUps) {
    const QString idText = QString::number(id);
    if (const auto waiting = UserQueue->indexOf(idText); waiting >= 0) {
        (*UserQueueArgs)[waiting] = argument;
        return false;
    }
    UserQueue->append(idText);
    UserQueueArgs->append(argument);
    for (const auto& [followUpId, followUpArgument] : followUps) {
        UserQueue->append(QString::number(followUpId));
        UserQueueArgs->append(followUpArgument);
    }
    return true;
}

int DropUserCommands() {
    int settings = 0;
    for (const QString& idText : *UserQueue) {
        const CommandRow* row = FindCommand(static_cast<CommandId>(idText.toInt()));
        const bool query = row == nullptr || row->firstLine == nullptr ||
                           std::strchr(row->firstLine, '?') != nullptr;
        settings += query ? 0 : 1;
    }
    UserQueue->clear();
    UserQueueArgs->clear();
    return settings;
}
