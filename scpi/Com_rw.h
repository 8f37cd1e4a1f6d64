#pragma once
// The line writer: every line to the instrument goes through here, preceded by a 100 ms
// pause so the instrument has finished with the previous line.

#include <cstdint>
#include <string_view>

class TComm;

// Writes length characters of text plus a line feed. Returns what TComm::WriteCommData
// returns: false for a closed port or a failed hand-off.
bool WriteLine(TComm& comm, const char* text, std::uint16_t length);

// The same for any text. The line is sized to the text; a text whose line would not fit a
// 16-bit byte count (65535 characters or more) is refused after the usual pause.
bool WriteLine(TComm& comm, std::string_view text);
