// A port the user may not open: the open reports the lack of permission, and StartComm
// raises the standard message with the access hint below it. Root passes every permission
// check, so as root the test thread takes an unprivileged effective user for the open (the
// raw system call changes the calling thread's credentials only, and keeps root as the
// saved user to come back to).
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/SerialDevice.h"
#include "serial/PanelLine.h"
#include "serial/TComm.h"
#include "tests/support/PtyPair.h"

namespace {

constexpr long kNobody = 65534;

// For its lifetime, the device at path cannot be opened by this thread: as root by taking
// an unprivileged effective user id, otherwise by taking away the owner's permissions.
class AccessDenied {
  public:
    explicit AccessDenied(const std::string& path) : path_(path) {
        struct stat info {};
        if (stat(path.c_str(), &info) != 0) {
            return;
        }
        if (geteuid() == 0) {
            // Only works while nobody is neither the owner nor in the group of the device.
            if (info.st_uid != kNobody && syscall(SYS_setresuid, -1L, kNobody, -1L) == 0) {
                droppedRoot_ = true;
                active_ = true;
            }
        } else if (info.st_uid == geteuid() && chmod(path.c_str(), 0) == 0) {
            oldMode_ = info.st_mode & 07777;
            active_ = true;
        }
    }
    ~AccessDenied() {
        if (droppedRoot_) {
            syscall(SYS_setresuid, -1L, 0L, -1L);
        } else if (active_) {
            chmod(path_.c_str(), oldMode_);
        }
    }
    AccessDenied(const AccessDenied&) = delete;
    AccessDenied& operator=(const AccessDenied&) = delete;

    bool Active() const { return active_; }

  private:
    std::string path_;
    bool active_ = false;
    bool droppedRoot_ = false;
    mode_t oldMode_ = 0;
};

TEST(PortAccessTest, OnlyARefusedPermissionCountsAsNoPermission) {
    const struct {
        int error;
        platform::OpenError expected;
    } cases[] = {
        {EACCES, platform::OpenError::NoPermission}, {EPERM, platform::OpenError::NoPermission},
        {ENOENT, platform::OpenError::CannotOpen},   {EBUSY, platform::OpenError::CannotOpen},
        {ENXIO, platform::OpenError::CannotOpen},    {ENODEV, platform::OpenError::CannotOpen},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::OpenErrorForErrno(c.error), c.expected) << c.error;
    }
}

TEST(PortAccessTest, AForbiddenPortGivesTheStandardMessageWithTheAccessHint) {
    PtyPair pty;
    TComm comm;
    ConfigurePanelLine(comm);
    comm.SetCommName(pty.SlaveName());
    {
        AccessDenied denied(pty.SlaveName());
        if (!denied.Active()) {
            GTEST_SKIP() << "cannot make " << pty.SlaveName() << " unopenable for this user";
        }
        platform::OpenError error = platform::OpenError::None;
        EXPECT_EQ(platform::SerialDevice::Open(pty.SlaveName(), error), nullptr);
        EXPECT_EQ(error, platform::OpenError::NoPermission);
        try {
            comm.StartComm();
            ADD_FAILURE() << "StartComm opened a port the user may not open";
        } catch (const ECommsError& failure) {
            EXPECT_STREQ(failure.what(), "Error opening serial port");
            EXPECT_EQ(failure.Hint(), kPortAccessHint);
        }
        EXPECT_FALSE(comm.IsOpen());
    }
    // With access back the same port opens: it was only the permission.
    comm.StartComm();
    EXPECT_TRUE(comm.IsOpen());
    comm.StopComm();
}

TEST(PortAccessTest, AnAbsentPortHasNoHint) {
    TComm comm;
    comm.SetCommName("ttyNoSuchPort");
    try {
        comm.StartComm();
        ADD_FAILURE() << "StartComm opened an absent port";
    } catch (const ECommsError& failure) {
        EXPECT_STREQ(failure.what(), "Error opening serial port");
        EXPECT_TRUE(failure.Hint().empty());
    }
}

}  // namespace
