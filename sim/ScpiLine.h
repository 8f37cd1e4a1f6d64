#pragma once
// Reading one SCPI command line: its header (matched against patterns that name the short
// and long form of every mnemonic) and its comma-separated parameters.

#include <string>
#include <string_view>
#include <vector>

namespace sim {

// A received line taken apart. The header keeps its spelling; the leading colon, blanks and
// the carriage return before the line feed are gone.
struct ScpiLine {
    std::string header;               // e.g. "VOLT:PROT:STAT" or "*IDN"
    bool query = false;               // the header ended with '?'
    std::vector<std::string> params;  // trimmed; empty when none were given
};

ScpiLine splitScpiLine(std::string_view line);

// A command header pattern such as "VOLTage:PROTection:STATe" or "MEASure[:VOLTage]": the
// upper-case letters of each mnemonic are its short form, the whole word its long form, and
// a bracketed mnemonic may be left out. Matching is case-insensitive and accepts exactly
// the short or the long form of each mnemonic.
class HeaderPattern {
  public:
    explicit HeaderPattern(std::string_view pattern);
    bool matches(std::string_view header) const;

  private:
    struct Mnemonic {
        std::string shortForm;  // upper case
        std::string longForm;   // upper case
        bool optional = false;
    };
    std::vector<Mnemonic> mnemonics_;
};

}  // namespace sim
