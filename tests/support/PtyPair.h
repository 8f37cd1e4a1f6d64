#pragma once
// A pseudo-terminal pair for tests and benchmarks: the serial component opens the slave by
// name, the test plays the instrument on the master side. A slave descriptor stays open so
// the master sees no hang-up between the component's opens.

#include <chrono>
#include <cstddef>
#include <string>

// Raw: the slave is put in raw mode before anyone opens it, so the line discipline passes
// the bytes as written.
enum class PtySlave { AsOpened, Raw };

class PtyPair {
  public:
    explicit PtyPair(PtySlave mode = PtySlave::AsOpened);  // IsOpen(): could it be created

    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool IsOpen() const { return master_ >= 0 && !slaveName_.empty(); }
    const std::string& SlaveName() const { return slaveName_; }
    // The kept slave descriptor, to read back the line settings the component applied.
    int Slave() const { return slave_; }
    int Master() const { return master_; }

    // Writes every byte to the master side (blocking); throws when the master is gone.
    void Send(const std::string& bytes);
    // Reads from the master until count bytes arrived or timeoutMs passed without any.
    std::string Receive(std::size_t count, int timeoutMs);
    // Reads from the master until count bytes arrived or the whole deadline has passed.
    std::string ReceiveWithin(std::size_t count, std::chrono::milliseconds deadline);
    // The instrument goes away.
    void CloseMaster();

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string slaveName_;
};
