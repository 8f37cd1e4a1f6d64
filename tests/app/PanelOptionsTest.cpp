#include <gtest/gtest.h>

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

}  // namespace
