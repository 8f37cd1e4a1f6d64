#pragma once
// A pseudo-terminal pair for tests: the component under test opens the slave side by its
// path, the test reads what was written from the master side.

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>

class PtyLink {
  public:
    PtyLink() {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&master_, &slave, name, nullptr, nullptr) == 0) {
            // Raw mode on the slave, so the line discipline passes the bytes as written.
            termios settings{};
            ::tcgetattr(slave, &settings);
            ::cfmakeraw(&settings);
            ::tcsetattr(slave, TCSANOW, &settings);
            slavePath_ = name;
            // Keep a slave descriptor open so the master sees no hang-up between opens.
            slave_ = slave;
        }
    }
    ~PtyLink() {
        if (slave_ >= 0) {
            ::close(slave_);
        }
        if (master_ >= 0) {
            ::close(master_);
        }
    }
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;

    bool ok() const { return master_ >= 0 && !slavePath_.empty(); }
    const std::string& slavePath() const { return slavePath_; }

    // Reads until `count` bytes have arrived or the deadline has passed.
    std::string read(std::size_t count, std::chrono::milliseconds deadline) {
        std::string bytes;
        const auto end = std::chrono::steady_clock::now() + deadline;
        while (bytes.size() < count) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                end - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                break;
            }
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) {
                continue;
            }
            char chunk[512];
            const auto got = ::read(master_, chunk, std::min(sizeof chunk, count - bytes.size()));
            if (got > 0) {
                bytes.append(chunk, static_cast<std::size_t>(got));
            }
        }
        return bytes;
    }

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};
