#include "scpi/CommandCatalogue.h"

#include <algorithm>

namespace {

constexpr Pacing None = Pacing::NoSender;
constexpr Pacing Qry = Pacing::Query;
constexpr Pacing Cls = Pacing::ClearStatus;
constexpr Pacing Set = Pacing::SettingThenQuery;
constexpr Pacing Rem = Pacing::RemoteLocal;

// Grouped as the instrument's command set is grouped. The texts are sent byte for byte:
// the query of 0x2001 really ends with a blank.
// clang-format off
constexpr CommandRow kRows[] = {
    // id      keyword                pacing routed first line              further follow-up              recorded await
    // IEEE 488.2 common commands
    {0x0100, "*CLS",                 Cls,  true,  "*CLS",                 0,    nullptr,               0x0100, 0},
    {0x0200, "*ESE",                 None, false, nullptr,                0,    nullptr,               0,      0},
    {0x0201, "*ESE",                 None, false, nullptr,                0,    nullptr,               0,      0},
    {0x0301, "*ESR?",                None, false, nullptr,                0,    nullptr,               0,      0},
    {0x0401, "*IDN?",                Qry,  true,  "*IDN?",                0,    nullptr,               0x0401, 1},
    {0x0500, "*OPC?",                None, false, nullptr,                0,    nullptr,               0,      0},
    {0x0501, "*OPC?",                None, false, nullptr,                0,    nullptr,               0,      0},
    {0x0600, "*PSC",                 None, false, nullptr,                0,    nullptr,               0,      0},
    {0x0601, "*PSC",                 None, false, nullptr,                0,    nullptr,               0,      0},
    // the instrument needs a second to load or store a slot before it answers
    {0x0700, "*RCL",                 Set,  true,  "*RCL %s",              1000, ":SYST:MEM?",          0x3801, 0},
    {0x0800, "*RST",                 None, false, nullptr,                0,    nullptr,               0,      0},
    {0x0900, "*SAV",                 Set,  true,  "*SAV %s",              1000, ":SYST:MEM?",          0x3801, 0},
    {0x0A00, "*SRE",                 None, false, nullptr,                0,    nullptr,               0,      0},
    {0x0A01, "*SRE",                 None, false, nullptr,                0,    nullptr,               0,      0},
    {0x0B01, "*STB?",                None, false, nullptr,                0,    nullptr,               0,      0},
    // Apply
    {0x0C01, ":APPL",                Set,  true,  ":APPL %s",             0,    ":APPL?",              0x0C02, 1},
    {0x0C02, ":APPL",                Qry,  true,  ":APPL?",               0,    nullptr,               0x0C02, 1},
    {0x0C03, ":APPL",                None, false, nullptr,                0,    nullptr,               0,      0},
    // Calibration
    {0x0D01, ":CAL:COUN?",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x0E00, ":CAL:CURR",            None, false, nullptr,                0,    nullptr,               0,      0},
    {0x0F00, ":CAL:CURR:LEV",        None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1000, ":CAL:SEC:CODE",        None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1100, ":CAL:SEC:STAT",        None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1101, ":CAL:SEC:STAT",        None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1200, ":CAL:VOLT",            None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1300, ":CAL:VOLT:LEV",        None, false, nullptr,                0,    nullptr,               0,      0},
    // Hot key
    {0x1400, ":HOTK",                None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1401, ":HOTK",                Qry,  true,  ":HOTK?",               0,    nullptr,               0x1401, 1},
    // Measure
    {0x1501, ":MEAS:CURR?",          Qry,  true,  ":MEAS:CURR?",          0,    nullptr,               0x1501, 1},
    {0x1601, ":MEAS:POW?",           Qry,  true,  ":MEAS:POW?",           0,    nullptr,               0x1601, 1},
    {0x1701, ":MEAS?",               Qry,  true,  ":MEAS?",               0,    nullptr,               0x1701, 1},
    // Output
    {0x1800, ":OUTP",                Set,  true,  ":OUTP %s",             0,    ":OUTP?",              0x1801, 1},
    {0x1801, ":OUTP",                Qry,  true,  ":OUTP?",               0,    nullptr,               0x1801, 1},
    // Current
    {0x1900, ":CURR:PROT:CLE",       None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1A00, ":CURR:PROT:STAT",      Set,  true,  ":CURR:PROT:STAT %s",   0,    ":CURR:PROT:STAT?",    0x1A01, 1},
    {0x1A01, ":CURR:PROT:STAT",      Qry,  true,  ":CURR:PROT:STAT?",     0,    nullptr,               0x1A01, 1},
    {0x1B01, ":CURR:PROT:TRIP?",     Qry,  true,  ":CURR:PROT:TRIP?",     0,    nullptr,               0x1B01, 1},
    // the level settings record their own id, so their read-back only moves the scheduler on
    {0x1C00, ":CURR:PROT",           Set,  true,  ":CURR:PROT %s",        0,    ":CURR:PROT?",         0x1C00, 1},
    {0x1C01, ":CURR:PROT",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1C02, ":CURR:PROT",           Qry,  true,  ":CURR:PROT?",          0,    nullptr,               0x1C02, 1},
    {0x1C03, ":CURR:PROT",           Qry,  true,  ":CURR:PROT? MAX",      0,    nullptr,               0x1C03, 1},
    {0x1D00, ":CURR:STEP",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1D01, ":CURR:STEP",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1D02, ":CURR:STEP",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1D03, ":CURR:STEP",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1E00, ":CURR",                None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1E01, ":CURR",                None, false, nullptr,                0,    nullptr,               0,      0},
    {0x1E02, ":CURR",                Qry,  true,  ":CURR?",               0,    nullptr,               0x1E02, 1},
    {0x1E03, ":CURR",                Qry,  true,  ":CURR? MAX",           0,    nullptr,               0x1E03, 1},
    // Voltage
    {0x1F00, ":VOLT:PROT:CLE",       None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2000, ":VOLT:PROT:STAT",      Set,  true,  ":VOLT:PROT:STAT %s",   0,    ":VOLT:PROT:STAT?",    0x2000, 1},
    {0x2001, ":VOLT:PROT:STAT",      Qry,  true,  ":VOLT:PROT:STAT? ",    0,    nullptr,               0x2001, 1},
    {0x2101, ":VOLT:PROT:TRIP?",     Qry,  true,  ":VOLT:PROT:TRIP?",     0,    nullptr,               0x2101, 1},
    {0x2200, ":VOLT:PROT",           Set,  true,  ":VOLT:PROT %s",        0,    ":VOLT:PROT?",         0x2200, 1},
    {0x2201, ":VOLT:PROT",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2202, ":VOLT:PROT",           Qry,  true,  ":VOLT:PROT?",          0,    nullptr,               0x2202, 1},
    {0x2203, ":VOLT:PROT",           Qry,  true,  ":VOLT:PROT? MAX",      0,    nullptr,               0x2203, 1},
    {0x2300, ":VOLT:RANG",           Set,  true,  ":VOLT:RANG %s",        0,    ":VOLT:RANG?",         0x2301, 1},
    {0x2301, ":VOLT:RANG",           Qry,  true,  ":VOLT:RANG?",          0,    nullptr,               0x2301, 1},
    {0x2400, ":VOLT:STEP",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2401, ":VOLT:STEP",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2402, ":VOLT:STEP",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2403, ":VOLT:STEP",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2500, ":VOLT",                None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2501, ":VOLT",                None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2502, ":VOLT",                Qry,  true,  ":VOLT?",               0,    nullptr,               0x2502, 1},
    {0x2503, ":VOLT",                Qry,  true,  ":VOLT? MAX",           0,    nullptr,               0x2503, 1},
    // Status
    {0x2600, ":STAT:OPER:COND?",     None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2700, ":STAT:OPER:ENAB",      None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2701, ":STAT:OPER:ENAB",      None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2801, ":STAT:OPER?",          Qry,  true,  ":STAT:OPER?",          0,    nullptr,               0x2801, 1},
    {0x2900, ":STAT:PRES",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2A01, ":STAT:QUES:COND?",     None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2B00, ":STAT:QUES:ENAB",      None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2B01, ":STAT:QUES:ENAB",      None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2C01, "STAT:QUES?",           None, false, nullptr,                0,    nullptr,               0,      0},
    // System
    {0x2D00, ":SYST:AUTO:CYCL",      None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2D01, ":SYST:AUTO:CYCL",      None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2E00, ":SYST:AUTO:DEL",       None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2E01, ":SYST:AUTO:DEL",       None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2F00, ":SYST:AUTO:STAR",      None, false, nullptr,                0,    nullptr,               0,      0},
    {0x2F01, ":SYST:AUTO:STAR",      None, false, nullptr,                0,    nullptr,               0,      0},
    {0x3000, ":SYST:AUTO",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x3001, ":SYST:AUTO",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x3100, ":SYST:AUTO:STOP",      None, false, nullptr,                0,    nullptr,               0,      0},
    {0x3101, ":SYST:AUTO:STOP",      None, false, nullptr,                0,    nullptr,               0,      0},
    {0x3200, ":SYST:BEEP:STAT",      None, false, nullptr,                0,    nullptr,               0,      0},
    {0x3201, ":SYST:BEEP:STAT",      None, false, nullptr,                0,    nullptr,               0,      0},
    {0x3300, ":SYST:BEEP",           None, false, nullptr,                0,    nullptr,               0,      0},
    {0x3400, ":SYST:COMM:SER:BAUD",  None, false, nullptr,                0,    nullptr,               0,      0},
    {0x3501, ":SYST:ERR:COUN?",      None, false, nullptr,                0,    nullptr,               0,      0},
    {0x3601, ":SYST:ERR?",           None, false, nullptr,                0,    nullptr,               0,      0},
    // sent only on disconnect, by SendSystLocal
    {0x3700, ":SYST:LOC",            Rem,  false, ":SYST:LOC",            0,    nullptr,               0x3700, 1},
    {0x3801, ":SYST:MEM?",           Rem,  true,  ":SYST:MEM?",           0,    nullptr,               0x3801, 1},
    // the instrument needs a moment to switch its front panel to remote
    {0x3900, ":SYST:REM",            Rem,  true,  ":SYST:REM",            200,  nullptr,               0x3900, 1},
    {0x3A00, ":SYST:RWL",            None, false, nullptr,                0,    nullptr,               0,      0},
    {0x3B01, ":SYST:VERS?",          Qry,  true,  ":SYST:VERS?",          0,    nullptr,               0x3B01, 1},
};
// clang-format on

static_assert(std::is_sorted(std::begin(kRows), std::end(kRows),
                             [](const CommandRow& a, const CommandRow& b) { return a.id < b.id; }),
              "rows must stay sorted by id for the lookup");

}  // namespace

std::span<const CommandRow> CommandCatalogue() {
    return kRows;
}

const CommandRow* FindCommand(CommandId id) {
    const auto* row =
        std::lower_bound(std::begin(kRows), std::end(kRows), id,
                         [](const CommandRow& r, CommandId key) { return r.id < key; });
    return row != std::end(kRows) && row->id == id ? row : nullptr;
}
