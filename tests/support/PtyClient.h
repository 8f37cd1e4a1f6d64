#pragma once
// The instrument's user in the tests: opens the simulator's slave device with plain
// termios, as a serial port, writes command lines and reads what comes back.

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "sim/SimOptions.h"

namespace simtest {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

class PtyClient {
  public:
    PtyClient(const std::string& path, const sim::LineSettings& line);
    ~PtyClient();
    PtyClient(const PtyClient&) = delete;
    PtyClient& operator=(const PtyClient&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    bool setLine(const sim::LineSettings& line);
    void send(std::string_view line);  // adds the line feed
    // Bytes until a line feed (included) or the timeout; whatever came.
    std::string readLine(milliseconds timeout = milliseconds(2000));
    // Every byte arriving within the window.
    std::string readFor(milliseconds window);
    std::string ask(std::string_view line) {
        send(line);
        return readLine();
    }
    // True when the other side hung up within the timeout.
    bool seesHangup(milliseconds timeout);

  private:
    int fd_ = -1;
};

// Polls the condition until it holds or the deadline passes.
bool waitUntil(const std::function<bool()>& condition, milliseconds timeout = milliseconds(3000));

}  // namespace simtest
