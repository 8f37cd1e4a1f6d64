// Many lines of random length out through the component and echoed back by the
// instrument side: every byte must come back, in order. Built for ThreadSanitizer too.
#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTest>

#include <atomic>
#include <cerrno>
#include <random>
#include <string>
#include <thread>

#include "serial/PanelLine.h"
#include "serial/TComm.h"
#include "tests/support/PtyPair.h"

namespace {

// Reads whatever the component sends and writes it straight back, until expected bytes
// went through or stop is set.
void Echo(int master, std::size_t expected, const std::atomic<bool>& stop,
          std::atomic<std::size_t>& echoed) {
    char chunk[4096];
    while (echoed.load() < expected && !stop.load()) {
        pollfd entry{master, POLLIN, 0};
        if (poll(&entry, 1, 50) <= 0) {
            continue;
        }
        const ssize_t got = read(master, chunk, sizeof chunk);
        if (got <= 0) {
            if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
                continue;
            }
            return;
        }
        std::size_t offset = 0;
        while (offset < static_cast<std::size_t>(got)) {
            const ssize_t put = write(master, chunk + offset, got - offset);
            if (put < 0) {
                if (errno == EINTR || errno == EAGAIN) {
                    continue;
                }
                return;
            }
            offset += static_cast<std::size_t>(put);
        }
        echoed += static_cast<std::size_t>(got);
    }
}

}  // namespace

// The suite's name is what CI selects the test by.
TEST(serial_stress, TenThousandLinesEchoedBackCompleteAndInOrder) {
    PtyPair pty;
    TComm comm;
    ConfigurePanelLine(comm);
    comm.SetCommName(pty.SlaveName());

    std::string received;
    std::size_t events = 0;
    bool zeroAfterEach = true;
    comm.OnReceiveData = [&](TComm*, const char* buffer, std::uint16_t length) {
        received.append(buffer, length);
        zeroAfterEach = zeroAfterEach && buffer[length] == '\0';
        ++events;
    };

    const unsigned seed = 20240607;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> lineLength(1, 300);
    std::uniform_int_distribution<int> printable(' ', '~');
    std::string sent;
    std::vector<std::string> lines;
    for (int i = 0; i < 10000; ++i) {
        std::string line(static_cast<std::size_t>(lineLength(random)), ' ');
        for (char& c : line) {
            c = static_cast<char>(printable(random));
        }
        line += '\n';
        sent += line;
        lines.push_back(std::move(line));
    }

    comm.StartComm();
    std::atomic<bool> stop{false};
    std::atomic<std::size_t> echoed{0};
    std::thread instrument(Echo, pty.Master(), sent.size(), std::cref(stop), std::ref(echoed));

    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_TRUE(
            comm.WriteCommData(lines[i].data(), static_cast<std::uint16_t>(lines[i].size())))
            << "line " << i;
        if (i % 64 == 0) {
            QCoreApplication::processEvents();  // receive while still sending
        }
    }
    const bool complete = QTest::qWaitFor([&] { return received.size() >= sent.size(); }, 50000);
    stop = true;
    instrument.join();
    comm.StopComm();

    ASSERT_TRUE(complete) << "seed " << seed << ": " << received.size() << " of " << sent.size()
                          << " bytes came back, " << echoed.load() << " echoed";
    EXPECT_EQ(received.size(), sent.size());
    EXPECT_TRUE(received == sent) << "seed " << seed << ": bytes lost or out of order";
    EXPECT_TRUE(zeroAfterEach);
    EXPECT_GT(events, 1u);
}
