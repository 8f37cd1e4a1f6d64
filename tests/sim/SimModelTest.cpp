// The supply's behaviour as a user sees it over the line: settings change what queries
// report, the load gives constant-voltage or constant-current operation, protections trip,
// memory slots round-trip, ranges clamp.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/sim/SimSession.h"

namespace {

using simtest::SimSession;

void sendAll(SimSession& session, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        session.send(line);
    }
}

TEST(SimModel, SettingsChangeWhatQueriesReportAndAnswerNothing) {
    const struct {
        const char* setting;
        const char* query;
        const char* answer;
    } cases[] = {
        {":VOLT 12.5", ":VOLT?", "12.500\n"},
        {":VOLT 20", ":VOLT?", "18.000\n"},  // clamped to the low range
        {":VOLT MAX", ":VOLT?", "18.000\n"},
        {":VOLT +1.2346", ":VOLT?", "1.235\n"},
        {":VOLT UP", ":VOLT?", "5.100\n"},
        {":CURR 0.25", ":CURR?", "0.250\n"},
        {":CURR 5", ":CURR?", "3.000\n"},
        {":APPL 1.2,0.5", ":APPL?", "1.200,0.500\n"},
        {":APPL 12", ":APPL?", "12.000,1.000\n"},
        {":OUTP ON", ":OUTP?", "ON\n"},
        {":OUTP 1", ":OUTP?", "ON\n"},
        {":VOLT:PROT 30", ":VOLT:PROT?", "30.000\n"},
        {":VOLT:PROT 50", ":VOLT:PROT?", "39.600\n"},
        {":CURR:PROT 2.5", ":CURR:PROT?", "2.500\n"},
        {":CURR:PROT:STAT ON", ":CURR:PROT:STAT?", "ON\n"},
        {":VOLT:PROT:STAT on", ":VOLT:PROT:STAT? ", "ON\n"},
        {":VOLT:RANG High", ":VOLT:RANG?", "HIGH\n"},
        {":VOLT:RANG HIGH", ":VOLT? MAX", "36.000\n"},
        {":VOLT:RANG HIGH", ":CURR? MAX", "1.500\n"},
        {":HOTK ON", ":HOTK?", "ON\n"},
        {"*ESE 32", "*ESE?", "+32\n"},
        {":STAT:OPER:ENAB 3", ":STAT:OPER:ENAB?", "+3\n"},
        {":SYST:AUTO:CYCL 5", ":SYST:AUTO:CYCL?", "5\n"},
        {":SYST:BEEP:STAT OFF", ":SYST:BEEP:STAT?", "OFF\n"},
    };
    for (const auto& c : cases) {
        SimSession session;
        ASSERT_TRUE(session.ok()) << session.error;
        session.send(c.setting);
        EXPECT_EQ(session.ask(c.query), c.answer) << c.setting;
        EXPECT_EQ(session.instrument.answersSent().size(), 1u) << c.setting;
        EXPECT_EQ(session.instrument.state().errorCount, 0) << c.setting;
    }
}

TEST(SimModel, SwitchingTheRangeClampsTheSetpoints) {
    SimSession session;
    ASSERT_TRUE(session.ok()) << session.error;
    sendAll(session, {":VOLT:RANG HIGH", ":APPL 30,1.2", ":VOLT:RANG LOW"});
    EXPECT_EQ(session.ask(":APPL?"), "18.000,1.200\n");
    sendAll(session, {":CURR 2.5", ":VOLT:RANG HIGH"});
    EXPECT_EQ(session.ask(":APPL?"), "18.000,1.500\n");
    EXPECT_EQ(session.instrument.state().settings.range, sim::VoltageRange::High);
}

TEST(SimModel, LoadGivesConstantVoltageOrConstantCurrent) {
    const struct {
        double ohms;
        const char* apply;
        const char* volts;
        const char* amps;
        const char* watts;
        const char* questionable;  // bit 0: constant current
    } cases[] = {
        {10, ":APPL 5,1", "5.000\n", "0.500\n", "2.500\n", "+0\n"},
        {10, ":APPL 12,0.5", "5.000\n", "0.500\n", "2.500\n", "+1\n"},
        {2, ":APPL 5,3", "5.000\n", "2.500\n", "12.500\n", "+0\n"},
        {2, ":APPL 5,2", "4.000\n", "2.000\n", "8.000\n", "+1\n"},
        {1000, ":APPL 18,3", "18.000\n", "0.018\n", "0.324\n", "+0\n"},
    };
    for (const auto& c : cases) {
        SimSession session;
        ASSERT_TRUE(session.ok()) << session.error;
        session.instrument.setLoadOhms(c.ohms);
        sendAll(session, {c.apply, ":OUTP ON"});
        EXPECT_EQ(session.ask(":MEAS?"), c.volts) << c.ohms << " " << c.apply;
        EXPECT_EQ(session.ask(":MEAS:CURR?"), c.amps) << c.ohms << " " << c.apply;
        EXPECT_EQ(session.ask(":MEAS:POW?"), c.watts) << c.ohms << " " << c.apply;
        EXPECT_EQ(session.ask(":STAT:QUES:COND?"), c.questionable) << c.ohms << " " << c.apply;
        session.send(":OUTP OFF");
        EXPECT_EQ(session.ask(":MEAS?"), "0.000\n");
        EXPECT_EQ(session.ask(":MEAS:CURR?"), "0.000\n");
    }
}

TEST(SimModel, LoadFromOptionsIsInForce) {
    sim::SimOptions options = simtest::fastOptions();
    options.loadOhms = 4;
    SimSession session(options);
    ASSERT_TRUE(session.ok()) << session.error;
    sendAll(session, {":APPL 8,3", ":OUTP ON"});
    EXPECT_EQ(session.ask(":MEAS:CURR?"), "2.000\n");
}

TEST(SimModel, ExceededProtectionTripsUntilCleared) {
    const struct {
        std::vector<std::string> setup;  // ends with the output switched on
        bool ovpTrips;
        bool ocpTrips;
        const char* operation;
    } cases[] = {
        {{":VOLT:PROT 10", ":VOLT:PROT:STAT ON", ":APPL 12,3", ":OUTP ON"}, true, false, "+1\n"},
        {{":CURR:PROT 1", ":CURR:PROT:STAT ON", ":APPL 12,3", ":OUTP ON"}, false, true, "+2\n"},
        // At the level is not above it.
        {{":VOLT:PROT 12", ":VOLT:PROT:STAT ON", ":APPL 12,3", ":OUTP ON"}, false, false, "+0\n"},
        // A disabled protection never trips.
        {{":VOLT:PROT 1", ":CURR:PROT 0.1", ":APPL 12,3", ":OUTP ON"}, false, false, "+0\n"},
        // In constant current the output voltage, not the setpoint, counts: 0.5 A x 10 ohm.
        {{":VOLT:PROT 6", ":VOLT:PROT:STAT ON", ":APPL 12,0.5", ":OUTP ON"}, false, false, "+0\n"},
        // Lowering the level below the running output trips at once.
        {{":CURR:PROT:STAT ON", ":APPL 5,3", ":OUTP ON", ":CURR:PROT 0.4"}, false, true, "+2\n"},
    };
    for (const auto& c : cases) {
        SimSession session;
        ASSERT_TRUE(session.ok()) << session.error;
        sendAll(session, c.setup);
        const bool tripped = c.ovpTrips || c.ocpTrips;
        const std::string label = c.setup[0] + " " + c.setup[2];
        EXPECT_EQ(session.ask(":OUTP?"), tripped ? "OFF\n" : "ON\n") << label;
        EXPECT_EQ(session.ask(":VOLT:PROT:TRIP?"), c.ovpTrips ? "ON\n" : "OFF\n") << label;
        EXPECT_EQ(session.ask(":CURR:PROT:TRIP?"), c.ocpTrips ? "ON\n" : "OFF\n") << label;
        EXPECT_EQ(session.ask(":STAT:OPER?"), c.operation) << label;
        if (tripped) {
            EXPECT_EQ(session.ask(":MEAS?"), "0.000\n") << label;
            // The trip state holds until it is cleared; the output stays off.
            EXPECT_EQ(session.ask(":STAT:OPER?"), c.operation) << label;
            sendAll(session, {":VOLT:PROT:CLE", ":CURR:PROT:CLE"});
            EXPECT_EQ(session.ask(":STAT:OPER?"), "+0\n") << label;
            EXPECT_EQ(session.ask(":OUTP?"), "OFF\n") << label;
        }
    }
}

TEST(SimModel, MemorySlotsRoundTrip) {
    SimSession session;
    ASSERT_TRUE(session.ok()) << session.error;
    sendAll(session, {":VOLT:RANG HIGH", ":APPL 24,1.1", ":VOLT:PROT 30", ":CURR:PROT 1.4",
                      ":VOLT:PROT:STAT ON", ":CURR:PROT:STAT ON", ":OUTP ON", "*SAV 3"});
    EXPECT_EQ(session.ask(":SYST:MEM?"), "3\n");
    const sim::Settings saved = session.instrument.state().settings;
    sendAll(session, {"*RST", ":APPL 2,0.2", "*SAV 7"});
    EXPECT_EQ(session.ask(":SYST:MEM?"), "7\n");
    session.send("*RCL 3");
    EXPECT_EQ(session.ask(":SYST:MEM?"), "3\n");
    EXPECT_EQ(session.instrument.state().settings, saved);
    EXPECT_EQ(session.ask(":APPL?"), "24.000,1.100\n");
    EXPECT_EQ(session.ask(":VOLT:RANG?"), "HIGH\n");
    EXPECT_EQ(session.ask(":VOLT:PROT?"), "30.000\n");
    EXPECT_EQ(session.ask(":CURR:PROT:STAT?"), "ON\n");
    EXPECT_EQ(session.ask(":OUTP?"), "ON\n");
    session.send("*RCL 7");
    EXPECT_EQ(session.ask(":APPL?"), "2.000,0.200\n");
    EXPECT_EQ(session.ask(":VOLT:RANG?"), "LOW\n");
}

TEST(SimModel, ResetRestoresDefaultsAndRemoteStateIsVisible) {
    SimSession session;
    ASSERT_TRUE(session.ok()) << session.error;
    EXPECT_EQ(session.instrument.state().remote, sim::RemoteState::Local);
    sendAll(session, {":SYST:REM", ":APPL 9,2", ":VOLT:RANG HIGH", ":OUTP ON", ":VOLT:PROT 20"});
    EXPECT_TRUE(simtest::waitUntil(
        [&] { return session.instrument.state().remote == sim::RemoteState::Remote; }));
    session.send("*RST");
    EXPECT_EQ(session.ask(":APPL?"), "5.000,1.000\n");
    EXPECT_EQ(session.instrument.state().settings, sim::Settings{});
    session.send(":SYST:RWL");
    EXPECT_TRUE(simtest::waitUntil(
        [&] { return session.instrument.state().remote == sim::RemoteState::RemoteLocked; }));
    session.send(":SYST:LOC");
    EXPECT_TRUE(simtest::waitUntil(
        [&] { return session.instrument.state().remote == sim::RemoteState::Local; }));
}

// Noise is off by default (every test above reads exact values); when on, it stays within
// its bound and repeats for the same seed.
TEST(SimModel, MeasurementNoiseIsBoundedAndRepeatsForASeed) {
    const auto readings = [](std::uint32_t seed) {
        sim::SimOptions options = simtest::fastOptions();
        options.noise = 0.01;
        options.seed = seed;
        SimSession session(options);
        std::vector<std::string> values;
        if (!session.ok()) {
            return values;
        }
        session.send(":OUTP ON");
        for (int i = 0; i < 8; ++i) {
            values.push_back(session.ask(":MEAS?"));
        }
        return values;
    };
    const std::vector<std::string> first = readings(7);
    ASSERT_EQ(first.size(), 8u);
    EXPECT_EQ(readings(7), first);
    EXPECT_NE(readings(8), first);
    bool varies = false;
    for (const std::string& value : first) {
        const double volts = std::stod(value);
        EXPECT_NEAR(volts, 5.0, 0.0505) << value;
        varies = varies || value != first.front();
    }
    EXPECT_TRUE(varies);
}

}  // namespace
