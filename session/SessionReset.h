#pragma once
// Puts the device session back to its state before the first connect: idle, both lists
// filled and read from their first entries, no operator command queued, link not confirmed.
// The lists must exist (CreateSessionLists).

void ResetSession();
