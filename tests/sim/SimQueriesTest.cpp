// The simulator over its pseudo-terminal: every query answers in the form the panel reads,
// headers are recognised in all their spellings, and bad lines land on the error queue.

#include <gtest/gtest.h>

#include <regex>

#include "tests/sim/SimSession.h"

namespace {

using simtest::SimSession;

TEST(SimQueries, EveryQueryAnswersOneLineInItsForm) {
    SimSession session;
    ASSERT_TRUE(session.ok()) << session.error;
    const struct {
        const char* query;
        const char* answer;  // a regular expression over the whole answer
    } cases[] = {
        {"*IDN?", "[^,\n]+,[^,\n]+,[^,\n]+,[^,\n]+\n"},
        {"*OPC?", "1\n"},
        {"*ESE?", "\\+0\n"},
        {"*ESR?", "\\+0\n"},
        {"*PSC?", "1\n"},
        {"*SRE?", "\\+0\n"},
        {"*STB?", "\\+0\n"},
        {":APPL?", "5\\.000,1\\.000\n"},
        {":CAL:COUN?", "0\n"},
        {":CAL:SEC:STAT?", "ON\n"},
        {":HOTK?", "OFF\n"},
        {":MEAS:CURR?", "0\\.000\n"},
        {":MEAS:POW?", "0\\.000\n"},
        {":MEAS?", "0\\.000\n"},
        {":OUTP?", "OFF\n"},
        {":CURR:PROT:STAT?", "OFF\n"},
        {":CURR:PROT:TRIP?", "OFF\n"},
        {":CURR:PROT?", "3\\.300\n"},
        {":CURR:PROT? MAX", "3\\.300\n"},
        {":CURR:STEP?", "0\\.100\n"},
        {":CURR?", "1\\.000\n"},
        {":CURR? MAX", "3\\.000\n"},
        {":VOLT:PROT:STAT? ", "OFF\n"},
        {":VOLT:PROT:TRIP?", "OFF\n"},
        {":VOLT:PROT?", "39\\.600\n"},
        {":VOLT:PROT? MAX", "39\\.600\n"},
        {":VOLT:RANG?", "LOW\n"},
        {":VOLT:STEP? MAX", "18\\.000\n"},
        {":VOLT?", "5\\.000\n"},
        {":VOLT? MAX", "18\\.000\n"},
        {":VOLT? MIN", "0\\.000\n"},
        {":STAT:OPER:COND?", "\\+0\n"},
        {":STAT:OPER:ENAB?", "\\+0\n"},
        {":STAT:OPER?", "\\+0\n"},
        {":STAT:QUES:COND?", "\\+0\n"},
        {":STAT:QUES:ENAB?", "\\+0\n"},
        {"STAT:QUES?", "\\+0\n"},
        {":SYST:AUTO:CYCL?", "1\n"},
        {":SYST:AUTO:DEL?", "1\\.000\n"},
        {":SYST:AUTO:STAR?", "0\n"},
        {":SYST:AUTO?", "OFF\n"},
        {":SYST:AUTO:STOP?", "9\n"},
        {":SYST:BEEP:STAT?", "ON\n"},
        {":SYST:COMM:SER:BAUD?", "115200\n"},
        {":SYST:ERR:COUN?", "0\n"},
        {":SYST:ERR?", "0,\"No error\"\n"},
        {":SYST:MEM?", "0\n"},
        {":SYST:VERS?", "1999\\.0\n"},
    };
    for (const auto& c : cases) {
        const std::string answer = session.ask(c.query);
        EXPECT_TRUE(std::regex_match(answer, std::regex(c.answer)))
            << c.query << " answered \"" << answer << "\"";
    }
    EXPECT_EQ(session.instrument.state().errorCount, 0);
}

TEST(SimQueries, HeadersAcceptShortAndLongFormsInAnyCase) {
    SimSession session;
    ASSERT_TRUE(session.ok()) << session.error;
    const struct {
        const char* line;
        const char* answer;
    } cases[] = {
        {":VOLT:PROT:STAT?", "OFF\n"},
        {":VOLTAGE:PROTECTION:STATE?", "OFF\n"},
        {"volt:prot:stat?", "OFF\n"},
        {"Voltage:Prot:State?", "OFF\n"},
        {":VOLT:PROT:STAT?\r", "OFF\n"},
        {"  :OUTPut?   ", "OFF\n"},
        {":MEASure:VOLTage?", "0.000\n"},
        {":MEASURE:CURRENT?", "0.000\n"},
        {":STATus:OPERation:EVENt?", "+0\n"},
        {":SYSTEM:ERROR:COUNT?", "0\n"},
        {"*opc?", "1\n"},
        {":APPLY?", "5.000,1.000\n"},
        {":CURRent? maximum", "3.000\n"},
        {":VOLT?  MAX  ", "18.000\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(session.ask(c.line), c.answer) << c.line;
    }
    EXPECT_EQ(session.instrument.state().errorCount, 0);
}

TEST(SimQueries, BadLinesAnswerNothingPushAnErrorAndChangeNothing) {
    SimSession session;
    ASSERT_TRUE(session.ok()) << session.error;
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {":VOLTA?", "-113,\"Undefined header\""},  // neither short nor long form
        {":VOL 3", "-113,\"Undefined header\""},
        {":OUTP:FOO?", "-113,\"Undefined header\""},
        {"VOLT:PROT:STAT:X?", "-113,\"Undefined header\""},
        {":OUTP ", "-109,\"Missing parameter\""},
        {":OUTP ON,OFF", "-108,\"Parameter not allowed\""},
        {":OUTP? ON", "-108,\"Parameter not allowed\""},
        {":OUTP MAYBE", "-224,\"Illegal parameter value\""},
        {":VOLT:RANG MEDIUM", "-224,\"Illegal parameter value\""},
        {":VOLT? 5", "-224,\"Illegal parameter value\""},
        {":SYST:COMM:SER:BAUD 1234", "-224,\"Illegal parameter value\""},
        {":VOLT abc", "-104,\"Data type error\""},
        {":VOLT 1,5V", "-108,\"Parameter not allowed\""},
        {":VOLT -1", "-222,\"Data out of range\""},
        {":APPL 3,-1", "-222,\"Data out of range\""},
        {"*SAV 10", "-222,\"Data out of range\""},
        {"*RCL -1", "-222,\"Data out of range\""},
        {"*RCL 1.5", "-222,\"Data out of range\""},
        {"*ESE 256", "-222,\"Data out of range\""},
        {":CAL:VOLT 1", "-203,\"Command protected\""},
        {"::OUTP ON", "-113,\"Undefined header\""},  // one leading colon only, found by fuzzing
    };
    const sim::Settings before = session.instrument.state().settings;
    for (const auto& c : cases) {
        session.send(c.line);
        // Nothing came for the bad line: the next answer is the error query's.
        EXPECT_EQ(session.ask(":SYST:ERR:COUN?"), "1\n") << c.line;
        EXPECT_EQ(session.ask(":SYST:ERR?"), std::string(c.error) + "\n") << c.line;
        EXPECT_EQ(session.instrument.state().settings, before) << c.line;
    }
}

TEST(SimQueries, ErrorQueueKeepsOrderOverflowsAndClears) {
    SimSession session;
    ASSERT_TRUE(session.ok()) << session.error;
    session.send(":BOGUS");
    session.send(":VOLT -1");
    EXPECT_EQ(session.ask(":SYST:ERR?"), "-113,\"Undefined header\"\n");
    EXPECT_EQ(session.ask(":SYST:ERR?"), "-222,\"Data out of range\"\n");
    EXPECT_EQ(session.ask(":SYST:ERR?"), "0,\"No error\"\n");

    for (int i = 0; i < 25; ++i) {
        session.send(":BOGUS");
    }
    EXPECT_EQ(session.ask(":SYST:ERR:COUN?"), "20\n");
    for (int i = 0; i < 19; ++i) {
        EXPECT_EQ(session.ask(":SYST:ERR?"), "-113,\"Undefined header\"\n");
    }
    EXPECT_EQ(session.ask(":SYST:ERR?"), "-350,\"Queue overflow\"\n");

    // The event register collects the kinds of error since it was last read.
    EXPECT_EQ(session.ask("*ESR?"), "+48\n");
    session.send(":BOGUS");
    EXPECT_EQ(session.ask("*ESR?"), "+32\n");
    session.send("*CLS");
    EXPECT_EQ(session.ask(":SYST:ERR:COUN?"), "0\n");
}

}  // namespace
