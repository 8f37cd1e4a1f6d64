#pragma once
// The pseudo-terminal the instrument sits on. The instrument works the master side; a
// client opens the slave by its path as it would open a serial port. The instrument keeps
// the slave open itself, so a client may close and reopen it without the master seeing a
// hang-up, and the line settings persist between clients as on a real port.

#include <memory>
#include <string>

#include "sim/SimOptions.h"
#include "sim/UniqueFd.h"

namespace sim {

class PtyLine {
  public:
    // A new pty in raw mode with the given settings; nullptr and a reason on failure.
    static std::unique_ptr<PtyLine> open(const LineSettings& line, std::string* error);

    int master() const { return master_.get(); }
    int slave() const { return slave_.get(); }
    const std::string& path() const { return path_; }
    // Closes both sides: the client sees a hang-up and the device node disappears.
    void drop();

  private:
    PtyLine() = default;
    UniqueFd master_;
    UniqueFd slave_;
    std::string path_;
};

// A symbolic link to the device that lives as long as this object. An existing symbolic
// link at the path (left by a run that was killed) is replaced; anything else is kept.
class DeviceLink {
  public:
    static std::unique_ptr<DeviceLink> create(const std::string& linkPath,
                                              const std::string& target, std::string* error);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

  private:
    DeviceLink(std::string linkPath, std::string target)
        : linkPath_(std::move(linkPath)), target_(std::move(target)) {}
    std::string linkPath_;
    std::string target_;
};

}  // namespace sim
