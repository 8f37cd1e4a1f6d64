// The psu-sim tool as a user runs it: --help, a bad option, and a run with --link that a
// stop signal ends, taking its link with it.

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "sim/SimOptions.h"
#include "tests/support/PtyClient.h"

namespace {

using simtest::milliseconds;

struct ToolRun {
    int exitCode = -1;
    std::string output;
};

ToolRun runTool(const std::string& args) {
    ToolRun run;
    const std::string command = std::string(PSU_SIM_TOOL) + " " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        run.output += buffer.data();
    }
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// A running psu-sim with its standard output on a pipe.
class RunningTool {
  public:
    explicit RunningTool(const std::vector<std::string>& args) {
        std::array<int, 2> out{};
        if (pipe(out.data()) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            std::vector<char*> argv{const_cast<char*>(PSU_SIM_TOOL)};
            for (const std::string& arg : args) {
                argv.push_back(const_cast<char*>(arg.c_str()));
            }
            argv.push_back(nullptr);
            execv(PSU_SIM_TOOL, argv.data());
            _exit(127);
        }
        close(out[1]);
        output_ = fdopen(out[0], "r");
    }
    ~RunningTool() {
        if (pid_ > 0 && !reaped_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (output_ != nullptr) {
            fclose(output_);
        }
    }
    std::string readLine() {
        std::array<char, 256> buffer{};
        if (output_ == nullptr || std::fgets(buffer.data(), buffer.size(), output_) == nullptr) {
            return {};
        }
        std::string line = buffer.data();
        if (!line.empty() && line.back() == '\n') {
            line.pop_back();
        }
        return line;
    }
    // The exit status after the signal, or -1 if it did not end in time.
    int signalAndWait(int signal) {
        kill(pid_, signal);
        int status = 0;
        const bool ended = simtest::waitUntil(
            [&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, milliseconds(5000));
        reaped_ = ended;
        return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    FILE* output_ = nullptr;
    bool reaped_ = false;
};

TEST(SimTool, HelpDocumentsEveryOption) {
    const ToolRun run = runTool("--help");
    EXPECT_EQ(run.exitCode, 0);
    for (const sim::SimOptionInfo& option : sim::simOptionTable()) {
        EXPECT_NE(run.output.find("--" + std::string(option.name)), std::string::npos)
            << option.name;
    }
    EXPECT_NE(run.output.find("--help"), std::string::npos);
    EXPECT_NE(run.output.find("--version"), std::string::npos);
}

TEST(SimTool, BadOptionExitsWithAReason) {
    const ToolRun run = runTool("--baud 1234");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.output.find("--baud"), std::string::npos) << run.output;
}

TEST(SimTool, RunsUntilSignalledAndRemovesItsLink) {
    const std::filesystem::path link =
        std::filesystem::temp_directory_path() / ("psu-sim-test-" + std::to_string(getpid()));
    for (const int signal : {SIGTERM, SIGINT}) {
        RunningTool tool({"--latency", "0", "--link", link.string()});
        const std::string device = tool.readLine();
        ASSERT_EQ(device.rfind("/dev/pts/", 0), 0u) << device;
        ASSERT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(std::filesystem::read_symlink(link).string(), device);

        simtest::PtyClient client(link.string(), sim::LineSettings{});
        ASSERT_TRUE(client.isOpen());
        EXPECT_EQ(client.ask("*OPC?"), "1\n");

        EXPECT_EQ(tool.signalAndWait(signal), 0) << signal;
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link))) << signal;
    }
}

}  // namespace
