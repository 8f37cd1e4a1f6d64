#include <gtest/gtest.h>

#include <QProcess>

#include "app/PanelOptions.h"

namespace {

struct OptionsCase {
    QStringList arguments;
    bool help;
    bool simulate;
    bool connect;
    QString port;
    bool error;
};

TEST(PanelOptionsTest, ReadsTheCommandLine) {
    const OptionsCase cases[] = {
        {{"psu-panel"}, false, false, false, "", false},
        {{"psu-panel", "--help"}, true, false, false, "", false},
        {{"psu-panel", "-h"}, true, false, false, "", false},
        {{"psu-panel", "--simulate", "--connect"}, false, true, true, "", false},
        {{"psu-panel", "--port", "ttyUSB0"}, false, false, false, "ttyUSB0", false},
        {{"psu-panel", "--port=/dev/ttyS1", "--simulate"}, false, true, false, "/dev/ttyS1", false},
        {{"psu-panel", "--port"}, false, false, false, "", true},
        {{"psu-panel", "--bogus"}, false, false, false, "", true},
        // The toolkit's own options and their values pass through.
        {{"psu-panel", "-platform", "offscreen"}, false, false, false, "", false},
        {{"psu-panel", "--platform", "xcb", "--simulate"}, false, true, false, "", false},
        {{"psu-panel", "-display", ":1", "-geometry", "+0+0", "--connect"},
         false,
         false,
         true,
         "",
         false},
        {{"psu-panel", "-qwindowgeometry", "665x400+0+0", "-reverse", "--port", "ttyS0"},
         false,
         false,
         false,
         "ttyS0",
         false},
        {{"psu-panel", "-style", "fusion", "-stylesheet", "a.qss", "--simulate"},
         false,
         true,
         false,
         "",
         false},
        {{"psu-panel", "-style=fusion", "--stylesheet=a.qss"}, false, false, false, "", false},
        {{"psu-panel", "-platform"}, false, false, false, "", true},
        {{"psu-panel", "-platform=offscreen"}, false, false, false, "", true},
        {{"psu-panel", "-reverse=1"}, false, false, false, "", true},
        {{"psu-panel", "-bogus"}, false, false, false, "", true},
    };
    for (const OptionsCase& c : cases) {
        const PanelOptions options = ParsePanelOptions(c.arguments);
        const std::string line = c.arguments.join(' ').toStdString();
        EXPECT_EQ(options.help, c.help) << line;
        EXPECT_EQ(options.simulate, c.simulate) << line;
        EXPECT_EQ(options.connect, c.connect) << line;
        EXPECT_EQ(options.port, c.port) << line;
        EXPECT_EQ(!options.error.isEmpty(), c.error) << line;
    }
}

TEST(PanelOptionsTest, AsksForTheVersion) {
    EXPECT_TRUE(ParsePanelOptions({"psu-panel", "--version"}).version);
    EXPECT_TRUE(ParsePanelOptions({"psu-panel", "--port", "ttyS0", "--version"}).version);
    EXPECT_FALSE(ParsePanelOptions({"psu-panel", "--simulate"}).version);
    EXPECT_TRUE(ParsePanelOptions({"psu-panel", "--version=1"}).error.contains("--version=1"));
}

TEST(PanelOptionsTest, UsageNamesEveryOption) {
    const QString usage = PanelUsage();
    for (const char* option : {"--port", "--simulate", "--connect", "--version", "--help"}) {
        EXPECT_TRUE(usage.contains(option)) << option;
    }
}

struct ProgramRun {
    int exitCode = -1;
    QString output;  // standard output and error
};

ProgramRun RunPanel(const QStringList& arguments) {
    QProcess panel;
    panel.setProcessChannelMode(QProcess::MergedChannels);
    panel.start(PSU_PANEL_PATH, arguments);
    ProgramRun run;
    if (!panel.waitForFinished(20000)) {
        panel.kill();
        panel.waitForFinished();
        return run;
    }
    run.exitCode = panel.exitStatus() == QProcess::NormalExit ? panel.exitCode() : -1;
    run.output = QString::fromLocal8Bit(panel.readAll());
    return run;
}

TEST(PanelOptionsTest, TheProgramHandsToolkitOptionsOnAndRefusesUnknownOnes) {
    const ProgramRun unknown = RunPanel({"-platform", "offscreen", "-bogus"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.output.contains("unknown option: -bogus")) << unknown.output.toStdString();
    EXPECT_TRUE(unknown.output.contains("Usage: psu-panel")) << unknown.output.toStdString();

    const ProgramRun help = RunPanel({"-platform", "offscreen", "-style", "fusion", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.startsWith("Usage: psu-panel")) << help.output.toStdString();

    // The toolkit itself reads the platform name: one that does not exist stops it, naming it.
    const ProgramRun platform = RunPanel({"-platform", "no-such-platform"});
    EXPECT_NE(platform.exitCode, 0);
    EXPECT_FALSE(platform.output.contains("unknown option")) << platform.output.toStdString();
    EXPECT_TRUE(platform.output.contains("no-such-platform")) << platform.output.toStdString();
}

}  // namespace
