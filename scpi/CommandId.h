#pragma once
// Command identifiers. High byte: the command number (1 to 59), low byte: the variant
// (0 setting, 1 query for the simple commands; 0 value, 1 maximum, 2 query, 3 query of the
// maximum for the commands that also have a maximum form). The scheduler's lists carry them
// as decimal text.

#include <cstdint>

using CommandId = std::int32_t;

// The identifiers that the session refers to by name.
namespace cmd {
inline constexpr CommandId Cls = 0x0100;                // *CLS
inline constexpr CommandId IdnQuery = 0x0401;           // *IDN?
inline constexpr CommandId Recall = 0x0700;             // *RCL n
inline constexpr CommandId Reset = 0x0800;              // *RST (no sender)
inline constexpr CommandId Save = 0x0900;               // *SAV n
inline constexpr CommandId Apply = 0x0C01;              // :APPL v,i
inline constexpr CommandId ApplyQuery = 0x0C02;         // :APPL?
inline constexpr CommandId MeasCurrQuery = 0x1501;      // :MEAS:CURR?
inline constexpr CommandId MeasPowQuery = 0x1601;       // :MEAS:POW?
inline constexpr CommandId MeasQuery = 0x1701;          // :MEAS? (voltage)
inline constexpr CommandId Outp = 0x1800;               // :OUTP ON|OFF
inline constexpr CommandId OutpQuery = 0x1801;          // :OUTP?
inline constexpr CommandId CurrProtStat = 0x1A00;       // :CURR:PROT:STAT ON|OFF
inline constexpr CommandId CurrProtStatQuery = 0x1A01;  // :CURR:PROT:STAT?
inline constexpr CommandId CurrProtTripQuery = 0x1B01;  // :CURR:PROT:TRIP?
inline constexpr CommandId CurrProt = 0x1C00;           // :CURR:PROT level
inline constexpr CommandId CurrProtQuery = 0x1C02;      // :CURR:PROT?
inline constexpr CommandId CurrProtMaxQuery = 0x1C03;   // :CURR:PROT? MAX
inline constexpr CommandId CurrMaxQuery = 0x1E03;       // :CURR? MAX
inline constexpr CommandId VoltProtStat = 0x2000;       // :VOLT:PROT:STAT ON|OFF
inline constexpr CommandId VoltProtStatQuery = 0x2001;  // :VOLT:PROT:STAT? (trailing blank)
inline constexpr CommandId VoltProtTripQuery = 0x2101;  // :VOLT:PROT:TRIP?
inline constexpr CommandId VoltProt = 0x2200;           // :VOLT:PROT level
inline constexpr CommandId VoltProtQuery = 0x2202;      // :VOLT:PROT?
inline constexpr CommandId VoltProtMaxQuery = 0x2203;   // :VOLT:PROT? MAX
inline constexpr CommandId VoltRang = 0x2300;           // :VOLT:RANG LOW|HIGH
inline constexpr CommandId VoltRangQuery = 0x2301;      // :VOLT:RANG?
inline constexpr CommandId VoltMaxQuery = 0x2503;       // :VOLT? MAX
inline constexpr CommandId StatOperQuery = 0x2801;      // :STAT:OPER?
inline constexpr CommandId SystLocal = 0x3700;          // :SYST:LOC
inline constexpr CommandId SystMemQuery = 0x3801;       // :SYST:MEM?
inline constexpr CommandId SystRemote = 0x3900;         // :SYST:REM
inline constexpr CommandId SystVersQuery = 0x3B01;      // :SYST:VERS?
}  // namespace cmd
