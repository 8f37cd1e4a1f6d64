// TComm when things go wrong around it: a receive handler that throws, memory running out
// while the port opens. This program has its own main: its application catches errors
// escaping an event, as the panel's application does, and records them.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/ioctl.h>

#include <QApplication>
#include <QTest>

#include <exception>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "serial/PanelLine.h"
#include "serial/TComm.h"
#include "tests/serial/FailingAllocation.h"
#include "tests/serial/PtyPair.h"

namespace {

class RecordingApplication : public QApplication {
  public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            errors.push_back(error.what());
        }
        return false;
    }

    std::vector<std::string> errors;
};

RecordingApplication* Application() {
    return static_cast<RecordingApplication*>(QCoreApplication::instance());
}

constexpr int kEventTimeoutMs = 5000;

int EntryCount(const char* directory) {
    int count = 0;
    if (DIR* dir = opendir(directory)) {
        while (readdir(dir) != nullptr) {
            ++count;
        }
        closedir(dir);
    }
    return count;
}

// Waits, without running the event loop, until the component's reader has taken every byte
// the instrument sent, then for well over the read interval, so that the read has completed
// and its data is queued.
void WaitUntilQueued(const PtyPair& pty) {
    for (int waited = 0; waited < kEventTimeoutMs; waited += 5) {
        int pending = 0;
        if (ioctl(pty.Slave(), FIONREAD, &pending) == 0 && pending == 0) {
            break;
        }
        platform::Sleep(5);
    }
    platform::Sleep(300);
}

class TCommFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        Application()->errors.clear();
        ConfigurePanelLine(comm);
        comm.SetCommName(pty.SlaveName());
    }

    bool WaitForReceived(const std::string& text) {
        return QTest::qWaitFor([&] { return received == text; }, kEventTimeoutMs);
    }

    PtyPair pty;
    TComm comm;
    std::string received;
};

}  // namespace

TEST_F(TCommFaults, AThrowingReceiveHandlerEndsOnlyItselfAndEveryLaterByteArrives) {
    bool thrown = false;
    comm.OnReceiveData = [&](TComm*, const char* buffer, std::uint16_t length) {
        received += std::string(buffer, length) + "|";
        if (!thrown) {
            thrown = true;
            throw std::runtime_error("handler fault");
        }
    };
    comm.StartComm();
    // Two replies wait in the queue, in separate notifications, before this thread looks:
    // the first one's handler throws with the second still behind it.
    pty.Send("first");
    WaitUntilQueued(pty);
    pty.Send("queued");
    WaitUntilQueued(pty);
    ASSERT_TRUE(WaitForReceived("first|queued|"));
    EXPECT_EQ(Application()->errors, std::vector<std::string>{"handler fault"});

    pty.Send("later");
    ASSERT_TRUE(WaitForReceived("first|queued|later|"));

    comm.StopComm();
    comm.StartComm();
    pty.Send("restarted");
    ASSERT_TRUE(WaitForReceived("first|queued|later|restarted|"));
    EXPECT_EQ(Application()->errors.size(), 1u);
}

TEST_F(TCommFaults, RunningOutOfMemoryAtAnyStepLeavesTheComponentClosed) {
    const std::set<std::string> messages = {
        "This serial port already opened",
        "Error opening serial port",
        "File handle is not a comm handle ",
        "Cannot setup comm buffer",
        "Unable to create event",
        "Unable to create read thread",
        "Unable to create write thread",
    };
    comm.OnReceiveData = [&](TComm*, const char* buffer, std::uint16_t length) {
        received += std::string(buffer, length);
    };
    // Once open and closed first: the sanitizers' own helper thread starts with the first
    // thread the program creates.
    comm.StartComm();
    comm.StopComm();
    const int descriptorsBefore = EntryCount("/proc/self/fd");
    const int threadsBefore = EntryCount("/proc/self/task");
    std::set<std::string> seen;
    bool started = false;
    // Each allocation StartComm makes fails in turn, until it makes no more than are let
    // through and the port opens.
    for (int letThrough = 0; !started && letThrough < 1000; ++letThrough) {
        SCOPED_TRACE(letThrough);
        std::string message;
        bool fired = false;
        try {
            ScopedAllocationFailure failure(letThrough);
            try {
                comm.StartComm();
                started = true;
            } catch (const ECommsError& error) {
                message = error.what();
            }
            fired = failure.Fired();
        } catch (const std::bad_alloc&) {
            ADD_FAILURE() << "std::bad_alloc escaped StartComm";
            continue;
        }
        if (started) {
            EXPECT_FALSE(fired);
            break;
        }
        EXPECT_TRUE(fired) << message;
        EXPECT_EQ(messages.count(message), 1u) << message;
        seen.insert(message);
        EXPECT_FALSE(comm.IsOpen());
        EXPECT_FALSE(comm.WriteCommData("x", 1));
        // The device, the events and the parked workers are all gone again.
        EXPECT_EQ(EntryCount("/proc/self/fd"), descriptorsBefore);
        EXPECT_EQ(EntryCount("/proc/self/task"), threadsBefore);
    }
    ASSERT_TRUE(started);
    // The workers are ours to allocate: their steps fail with their own messages.
    EXPECT_EQ(seen.count("Unable to create read thread"), 1u);
    EXPECT_EQ(seen.count("Unable to create write thread"), 1u);

    ASSERT_TRUE(comm.WriteCommData("*IDN?\n", 6));
    EXPECT_EQ(pty.Receive(6, kEventTimeoutMs), "*IDN?\n");
    pty.Send("ID\n");
    ASSERT_TRUE(WaitForReceived("ID\n"));
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    RecordingApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
