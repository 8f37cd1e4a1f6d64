#pragma once
// A pseudo-terminal pair for tests: the component opens the slave by name, the test plays
// the instrument on the master side.

#include <string>

class PtyPair {
  public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& SlaveName() const { return slaveName_; }
    // A slave descriptor kept open to read back the line settings the component applied.
    int Slave() const { return slave_; }
    int Master() const { return master_; }

    // Writes every byte to the master side (blocking).
    void Send(const std::string& bytes);
    // Reads from the master until count bytes arrived or timeoutMs passed without any.
    std::string Receive(std::size_t count, int timeoutMs);
    // The instrument goes away.
    void CloseMaster();

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string slaveName_;
};
