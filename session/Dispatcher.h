#pragma once
// The reply dispatcher: every receive event of cm1 is the instrument's reply to
// CurrentCommand. It writes what the reply says into the named controls, then runs the
// next scheduler tick at once.

#include <cstdint>

#include "session/SessionControls.h"

// cm1ReceiveData hands its buffer here. A reply of more than 256 bytes is handled as its
// first 256; a reply under an id outside the catalogue is ignored and leaves the timer
// disarmed.
void DispatchReply(const SessionControls& controls, const char* bytes, std::uint16_t count);
