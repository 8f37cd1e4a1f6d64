#pragma once
// The serial line as the instrument sees it on a pseudo-terminal: master and slave share
// one set of termios settings, so the instrument can read the rate and frame the client
// chose and tell whether they match its own.

#include <termios.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sim/SimOptions.h"

namespace sim {

// Raw mode with the given rate and frame in a terminal's settings; false for a rate the
// simulator does not know.
bool setLineInTermios(termios& tio, const LineSettings& line);
// The rate and frame in a terminal's settings; nothing for a rate the simulator does not
// know.
std::optional<LineSettings> lineFromTermios(const termios& tio);
// Whether a client on the client's line hears the instrument's answers garbled: any
// difference in rate or frame, or a line that could not be read, garbles them.
bool clientLineGarbles(const std::optional<LineSettings>& client, const LineSettings& configured);

// Raw mode with the given rate and frame; false if the terminal refuses.
bool applyLineSettings(int fd, const LineSettings& line);
// The rate and frame currently set on the terminal; nothing if it cannot be read or the
// rate is not one the simulator knows.
std::optional<LineSettings> readLineSettings(int fd);

// What a receiver sampling at the wrong rate makes of the bytes: as many bytes, none of them
// printable ASCII nor a line feed. Deterministic for a given state, which it advances.
std::string garbleBytes(std::string_view bytes, std::uint32_t& state);

}  // namespace sim
