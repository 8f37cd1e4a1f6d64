// TComm on pseudo-terminals: the master side plays the instrument.
#include <gtest/gtest.h>

#include <dirent.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTemporaryFile>
#include <QTest>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/SerialLineSettings.h"
#include "serial/PanelLine.h"
#include "serial/TComm.h"
#include "tests/serial/PtyPair.h"

namespace {

constexpr int kEventTimeoutMs = 5000;

struct Received {
    std::string bytes;
    bool zeroAfter = false;
};

class TCommOnPty : public ::testing::Test {
  protected:
    void SetUp() override {
        ConfigurePanelLine(comm);
        comm.SetCommName(pty.SlaveName());
        comm.OnReceiveData = [this](TComm* sender, const char* buffer, std::uint16_t length) {
            EXPECT_EQ(sender, &comm);
            received.push_back({std::string(buffer, length), buffer[length] == '\0'});
        };
        comm.OnRequestHangup = [this](TComm*) { ++hangups; };
        comm.OnSendDataEmpty = [this](TComm*) { ++sendEmpties; };
    }

    bool WaitForEvents(std::size_t count) {
        return QTest::qWaitFor([&] { return received.size() >= count; }, kEventTimeoutMs);
    }

    std::string AllReceived() const {
        std::string all;
        for (const auto& r : received) {
            all += r.bytes;
        }
        return all;
    }

    // A round trip both ways: the link works.
    void ExpectLinkWorks(TComm& link, PtyPair& instrument) {
        ASSERT_TRUE(link.WriteCommData("*IDN?\n", 6));
        EXPECT_EQ(instrument.Receive(6, kEventTimeoutMs), "*IDN?\n");
        const std::size_t before = received.size();
        instrument.Send("ID\n");
        ASSERT_TRUE(WaitForEvents(before + 1));
        EXPECT_EQ(received.back().bytes, "ID\n");
    }

    PtyPair pty;
    TComm comm;
    std::vector<Received> received;
    int hangups = 0;
    int sendEmpties = 0;
};

std::string StartError(TComm& comm) {
    try {
        comm.StartComm();
    } catch (const ECommsError& error) {
        return error.what();
    }
    return "";
}

// Runs the system's flock tool on path without waiting for the lock: 0 when it got the
// lock, 1 when the device was taken. Spawned without fork, which threads do not mix with.
int RunFlockNonBlocking(const std::string& path) {
    std::string tool = "flock", option = "--nonblock", program = "true";
    std::string target = path;
    char* argv[] = {tool.data(), option.data(), target.data(), program.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, "flock", nullptr, nullptr, argv, environ) != 0) {
        return -1;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int OpenDescriptorCount() {
    int count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir) != nullptr) {
            ++count;
        }
        closedir(dir);
    }
    return count;
}

// Lowers the descriptor limit so that only `spare` more descriptors can be opened, until
// Restore() or the end of the scope.
class DescriptorLimit {
  public:
    explicit DescriptorLimit(int spare) {
        const int lowestFree = dup(0);
        if (lowestFree < 0 || getrlimit(RLIMIT_NOFILE, &original_) != 0) {
            return;
        }
        close(lowestFree);
        rlimit tight = original_;
        tight.rlim_cur = static_cast<rlim_t>(lowestFree + spare);
        applied_ = setrlimit(RLIMIT_NOFILE, &tight) == 0;
    }
    ~DescriptorLimit() { Restore(); }
    DescriptorLimit(const DescriptorLimit&) = delete;
    DescriptorLimit& operator=(const DescriptorLimit&) = delete;

    bool Applied() const { return applied_; }
    void Restore() {
        if (applied_) {
            setrlimit(RLIMIT_NOFILE, &original_);
            applied_ = false;
        }
    }

  private:
    rlimit original_{};
    bool applied_ = false;
};

}  // namespace

TEST_F(TCommOnPty, StartFailuresRaiseTheirMessageAndLeaveNothingOpen) {
    QTemporaryFile regularFile;
    ASSERT_TRUE(regularFile.open());
    const struct {
        std::string name;
        const char* message;
    } cases[] = {
        {"COM7", "Error opening serial port"},  // no such device on this system
        {"ttyNoSuchPort", "Error opening serial port"},
        {"", "Error opening serial port"},
        {regularFile.fileName().toStdString(), "File handle is not a comm handle "},
        {"/dev/null", "Cannot setup comm buffer"},
        {"null", "Cannot setup comm buffer"},  // a bare name is looked up under /dev/
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int descriptorsBefore = OpenDescriptorCount();
        comm.SetCommName(c.name);
        EXPECT_EQ(StartError(comm), c.message);
        EXPECT_FALSE(comm.IsOpen());
        EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore);
        EXPECT_FALSE(comm.WriteCommData("x", 1));
    }
    // The failed attempts leave no trace: a valid port opens afterwards.
    comm.SetCommName(pty.SlaveName());
    comm.StartComm();
    ExpectLinkWorks(comm, pty);
}

TEST_F(TCommOnPty, StartOnAnOpenPortIsRefusedAndTheLinkKeepsWorking) {
    comm.StartComm();
    EXPECT_EQ(StartError(comm), "This serial port already opened");
    EXPECT_TRUE(comm.IsOpen());
    ExpectLinkWorks(comm, pty);
}

TEST_F(TCommOnPty, SecondOpenerIsRefusedInThisAndAnotherProcess) {
    comm.StartComm();

    TComm second;
    ConfigurePanelLine(second);
    second.SetCommName(pty.SlaveName());
    EXPECT_EQ(StartError(second), "Error opening serial port");
    EXPECT_FALSE(second.IsOpen());

    // Another program that locks the device before use finds it taken.
    EXPECT_EQ(RunFlockNonBlocking(pty.SlaveName()), 1);

    ExpectLinkWorks(comm, pty);

    // Once stopped, the device is free again.
    comm.StopComm();
    EXPECT_EQ(RunFlockNonBlocking(pty.SlaveName()), 0);
    second.StartComm();
    EXPECT_TRUE(second.IsOpen());
}

TEST_F(TCommOnPty, BytesArrivingTogetherFormOneEventWithAZeroAfterThem) {
    comm.StartComm();
    pty.Send("1.234\n");
    ASSERT_TRUE(WaitForEvents(1));
    EXPECT_EQ(received[0].bytes, "1.234\n");
    EXPECT_TRUE(received[0].zeroAfter);
    // No further event follows the reply.
    QTest::qWait(250);
    EXPECT_EQ(received.size(), 1u);
}

TEST_F(TCommOnPty, APauseLongerThanTheIntervalSplitsEvents) {
    comm.StartComm();
    pty.Send("abc");
    ASSERT_TRUE(WaitForEvents(1));  // delivered only after the interval passed in silence
    pty.Send("def");
    ASSERT_TRUE(WaitForEvents(2));
    EXPECT_EQ(received[0].bytes, "abc");
    EXPECT_EQ(received[1].bytes, "def");
}

TEST_F(TCommOnPty, APauseShorterThanTheIntervalKeepsOneEvent) {
    // A long interval, set while open, so the short pause is short by a wide margin.
    comm.StartComm();
    comm.SetReadIntervalTimeout(600);
    pty.Send("ab");
    QTest::qWait(20);  // the instrument pauses mid-reply; only a read in progress sees it
    pty.Send("cd");
    QTest::qWait(80);
    pty.Send("ef");
    ASSERT_TRUE(WaitForEvents(1));
    QTest::qWait(700);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].bytes, "abcdef");
}

TEST_F(TCommOnPty, AnUnbrokenStreamArrivesInReadsOfAtMost2048Bytes) {
    comm.StartComm();
    std::string stream(3000, '\0');
    for (std::size_t i = 0; i < stream.size(); ++i) {
        stream[i] = static_cast<char>('A' + i % 26);
    }
    pty.Send(stream);
    ASSERT_TRUE(WaitForEvents(2));
    EXPECT_EQ(received[0].bytes.size(), 2048u);
    EXPECT_EQ(received[1].bytes.size(), 952u);
    EXPECT_TRUE(received[0].zeroAfter);
    EXPECT_TRUE(received[1].zeroAfter);
    EXPECT_EQ(AllReceived(), stream);
}

TEST_F(TCommOnPty, IgnoreNullCharDropsZeroBytes) {
    comm.SetIgnoreNullChar(true);
    comm.StartComm();
    pty.Send(std::string("a\0b\0\0c", 6));
    ASSERT_TRUE(WaitForEvents(1));
    EXPECT_EQ(received[0].bytes, "abc");
}

TEST_F(TCommOnPty, WriteIsRefusedForZeroBytesAndOnAClosedPort) {
    EXPECT_FALSE(comm.WriteCommData("x", 1));
    comm.StartComm();
    EXPECT_FALSE(comm.WriteCommData("x", 0));
    ASSERT_TRUE(comm.WriteCommData(":OUTP ON\n", 9));
    EXPECT_EQ(pty.Receive(9, kEventTimeoutMs), ":OUTP ON\n");
    // The refused zero-count write put nothing on the line.
    EXPECT_EQ(pty.Receive(1, 200), "");
    comm.StopComm();
    EXPECT_FALSE(comm.WriteCommData("x", 1));
}

TEST_F(TCommOnPty, StopTwiceIsTheSameAsOnceAndThePortOpensAgain) {
    comm.StopComm();  // closed: nothing
    comm.StartComm();
    comm.StopComm();
    comm.StopComm();
    EXPECT_FALSE(comm.IsOpen());
    comm.StartComm();
    ExpectLinkWorks(comm, pty);
}

TEST_F(TCommOnPty, StopDiscardsBytesQueuedButNotYetSent) {
    comm.StartComm();
    // The instrument reads nothing, so the driver's queue fills and the writer waits;
    // far more is queued behind it than any pseudo-terminal buffers.
    const std::string block(2048, 'x');
    for (int i = 0; i < 256; ++i) {
        ASSERT_TRUE(comm.WriteCommData(block.data(), static_cast<std::uint16_t>(block.size())));
    }
    ASSERT_TRUE(comm.WriteCommData("MARK\n", 5));
    EXPECT_FALSE(comm.SendQueueEmpty());
    comm.StopComm();
    EXPECT_TRUE(comm.SendQueueEmpty());

    const std::string delivered = pty.Receive(block.size() * 257, 300);
    EXPECT_LT(delivered.size(), block.size() * 256);
    EXPECT_EQ(delivered.find("MARK"), std::string::npos);
}

TEST_F(TCommOnPty, SendDataEmptyFiresAtStartAndWhenTheQueueRunsDry) {
    comm.StartComm();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sendEmpties == 1; }, kEventTimeoutMs));
    EXPECT_TRUE(comm.SendQueueEmpty());

    // One buffer: with two, the writer may legitimately run dry between them.
    ASSERT_TRUE(comm.WriteCommData("A\nB\n", 4));
    EXPECT_EQ(pty.Receive(4, kEventTimeoutMs), "A\nB\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return sendEmpties == 2; }, kEventTimeoutMs));
    EXPECT_TRUE(comm.SendQueueEmpty());
    // An idle writer does not repeat itself.
    QTest::qWait(150);
    EXPECT_EQ(sendEmpties, 2);
}

TEST_F(TCommOnPty, InstrumentGoingAwayRequestsHangupAndTheComponentRecovers) {
    comm.StartComm();
    pty.Send("partial");
    ASSERT_TRUE(WaitForEvents(1));
    pty.CloseMaster();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hangups == 1; }, kEventTimeoutMs));
    // The component stays open until stopped; writing to a lost line is harmless.
    EXPECT_TRUE(comm.IsOpen());
    comm.WriteCommData("x\n", 2);
    QTest::qWait(100);
    comm.StopComm();
    EXPECT_FALSE(comm.IsOpen());

    PtyPair returned;
    comm.SetCommName(returned.SlaveName());
    comm.StartComm();
    ExpectLinkWorks(comm, returned);
}

TEST_F(TCommOnPty, DestroyingAnOpenComponentStopsItAndFreesTheDevice) {
    auto owner = std::make_unique<TComm>();
    ConfigurePanelLine(*owner);
    owner->SetCommName(pty.SlaveName());
    owner->StartComm();
    pty.Send("unread reply\n");  // a notification may still be queued when it goes
    QTest::qWait(20);
    owner.reset();
    QCoreApplication::processEvents();

    comm.StartComm();
    ExpectLinkWorks(comm, pty);
}

TEST_F(TCommOnPty, NoDescriptorForTheCloseEventRaisesUnableToCreateEvent) {
    // Allow exactly one more descriptor: the device gets it, the close event cannot.
    DescriptorLimit limit(1);
    ASSERT_TRUE(limit.Applied());
    std::string message;
    try {
        comm.StartComm();
    } catch (const ECommsError& error) {
        // Restored first: the sanitizers need a descriptor to check the exception object.
        limit.Restore();
        message = error.what();
    }
    limit.Restore();

    EXPECT_EQ(message, "Unable to create event");
    EXPECT_FALSE(comm.IsOpen());
    comm.StartComm();  // the device was closed again
    ExpectLinkWorks(comm, pty);
}

TEST_F(TCommOnPty, AComponentWithoutAWakeDescriptorRefusesToOpenAPort) {
    // No descriptor free while the component is made: its notifications could never wake
    // this thread.
    DescriptorLimit limit(0);
    ASSERT_TRUE(limit.Applied());
    auto deaf = std::make_unique<TComm>();
    limit.Restore();

    ConfigurePanelLine(*deaf);
    const struct {
        std::string name;
        const char* message;
    } cases[] = {
        {pty.SlaveName(), "Unable to create event"},
        {"ttyNoSuchPort", "Error opening serial port"},  // the checks keep their order
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int descriptorsBefore = OpenDescriptorCount();
        deaf->SetCommName(c.name);
        EXPECT_EQ(StartError(*deaf), c.message);
        EXPECT_FALSE(deaf->IsOpen());
        EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore);
    }
    // The device was closed again and is free for a component that can deliver.
    deaf.reset();
    comm.StartComm();
    ExpectLinkWorks(comm, pty);
}

// Line settings reach the device as the properties change.
class TCommLineSettings : public TCommOnPty {
  protected:
    termios Line() const {
        termios tio{};
        tcgetattr(pty.Slave(), &tio);
        return tio;
    }
};

TEST_F(TCommLineSettings, RatesOfThePortDialogReachTheLine) {
    comm.StartComm();
    EXPECT_EQ(platform::ReadLineSpeed(pty.Slave()), 9600u);
    // Standard rates directly; the others exactly, as the pseudo-terminal accepts any.
    for (std::uint32_t rate : {110u, 300u, 600u, 1200u, 2400u, 4800u, 14400u, 19200u, 38400u,
                               56000u, 57600u, 115200u, 128000u, 256000u, 9600u}) {
        comm.SetBaudRate(rate);
        EXPECT_EQ(platform::ReadLineSpeed(pty.Slave()), rate);
    }
    ExpectLinkWorks(comm, pty);
}

TEST_F(TCommLineSettings, AnUnchangedValueIsNotAppliedAgain) {
    comm.StartComm();
    // Someone else changes the line; setting the same rate leaves that alone.
    termios tio = Line();
    cfsetspeed(&tio, B19200);
    ASSERT_EQ(tcsetattr(pty.Slave(), TCSANOW, &tio), 0);
    comm.SetBaudRate(9600);
    EXPECT_EQ(platform::ReadLineSpeed(pty.Slave()), 19200u);
    comm.SetBaudRate(4800);
    EXPECT_EQ(platform::ReadLineSpeed(pty.Slave()), 4800u);
}

// A pseudo-terminal always reports eight data bits and no parity enable, but keeps the
// odd, mark/space and stop-bit flags: those show what was applied.
TEST_F(TCommLineSettings, ParityWaitsForTheNextApplication) {
    comm.StartComm();
    comm.SetParity(TParity::Mark);
    EXPECT_EQ(Line().c_cflag & (PARODD | CMSPAR), 0u);
    comm.SetStopBits(TStopBits::_2);
    EXPECT_EQ(Line().c_cflag & (PARODD | CMSPAR), static_cast<tcflag_t>(PARODD | CMSPAR));
    EXPECT_NE(Line().c_cflag & CSTOPB, 0u);
}

TEST_F(TCommLineSettings, StartAppliesTheStoredSettingsInRawMode) {
    comm.SetParity(TParity::Space);
    comm.SetStopBits(TStopBits::_1_5);
    comm.SetBaudRate(115200);
    comm.SetOutx_XonXoffFlow(true);
    comm.StartComm();
    const termios tio = Line();
    EXPECT_EQ(tio.c_cflag & (PARODD | CMSPAR), static_cast<tcflag_t>(CMSPAR));
    EXPECT_NE(tio.c_cflag & CSTOPB, 0u);
    EXPECT_NE(tio.c_iflag & IXON, 0u);
    EXPECT_EQ(tio.c_iflag & IXOFF, 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_EQ(platform::ReadLineSpeed(pty.Slave()), 115200u);
}

TEST_F(TCommLineSettings, CommNameChangesOnlyAtTheNextStart) {
    comm.StartComm();
    PtyPair other;
    comm.SetCommName(other.SlaveName());
    ExpectLinkWorks(comm, pty);
    comm.StopComm();
    comm.StartComm();
    ExpectLinkWorks(comm, other);
}
