#include "sim/PtyLine.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "sim/LineCheck.h"

namespace sim {
namespace {

std::string reason(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

bool setFlags(int fd) {
    const int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0 &&
           fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

}  // namespace

std::unique_ptr<PtyLine> PtyLine::open(const LineSettings& line, std::string* error) {
    int masterFd = -1;
    int slaveFd = -1;
    if (openpty(&masterFd, &slaveFd, nullptr, nullptr, nullptr) != 0) {
        *error = reason("cannot create a pseudo-terminal");
        return nullptr;
    }
    std::unique_ptr<PtyLine> pty(new PtyLine());
    pty->master_.reset(masterFd);
    pty->slave_.reset(slaveFd);
    std::array<char, 128> name{};
    if (ptsname_r(masterFd, name.data(), name.size()) != 0) {
        *error = reason("cannot name the pseudo-terminal");
        return nullptr;
    }
    pty->path_ = name.data();
    if (!setFlags(masterFd) || fcntl(slaveFd, F_SETFD, FD_CLOEXEC) != 0) {
        *error = reason("cannot configure the pseudo-terminal");
        return nullptr;
    }
    // Raw from the start: an echoing slave would hand every answer back as a command.
    if (!applyLineSettings(slaveFd, line)) {
        *error = reason("cannot set the line settings");
        return nullptr;
    }
    return pty;
}

void PtyLine::drop() {
    master_.reset();
    slave_.reset();
}

std::unique_ptr<DeviceLink> DeviceLink::create(const std::string& linkPath,
                                               const std::string& target, std::string* error) {
    struct stat existing {};
    if (lstat(linkPath.c_str(), &existing) == 0) {
        if (!S_ISLNK(existing.st_mode)) {
            *error = "cannot link " + linkPath + ": a file that is not a link is in the way";
            return nullptr;
        }
        unlink(linkPath.c_str());
    }
    if (symlink(target.c_str(), linkPath.c_str()) != 0) {
        *error = reason(("cannot link " + linkPath).c_str());
        return nullptr;
    }
    return std::unique_ptr<DeviceLink>(new DeviceLink(linkPath, target));
}

DeviceLink::~DeviceLink() {
    // Remove the link only if it is still ours; another run may have taken the path over.
    std::array<char, 256> pointsTo{};
    const ssize_t length = readlink(linkPath_.c_str(), pointsTo.data(), pointsTo.size() - 1);
    if (length >= 0 && std::string(pointsTo.data(), static_cast<std::size_t>(length)) == target_) {
        unlink(linkPath_.c_str());
    }
}

}  // namespace sim
