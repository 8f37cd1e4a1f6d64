#pragma once
// The operator's way into the scheduler: every operator action queues its command here and
// the scheduler sends it ahead of polling.

#include <QString>
#include <utility>
#include <vector>

// Queues id with its argument. When id is already waiting, only its argument is replaced,
// in place, no follow-up is added and the result is false. Otherwise id and then each
// follow-up (id with its own argument) are appended and the result is true.
bool QueueUserCommand(int id, const QString& argument,
                      const std::vector<std::pair<int, QString>>& followUps = {});

// Empties UserQueue and UserQueueArgs, so nothing the operator asked for before is sent
// later. Returns how many of the removed entries were the operator's own settings; the
// read-back queries that follow them are not counted.
int DropUserCommands();
