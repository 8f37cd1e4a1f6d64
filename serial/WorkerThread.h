#pragma once
// A thread that runs one function and is waited for before its owner goes away.

#include <functional>
#include <thread>

class WorkerThread {
  public:
    WorkerThread() = default;
    ~WorkerThread() { Wait(); }
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Throws std::system_error when no thread can be had.
    void Start(std::function<void()> body) { thread_ = std::thread(std::move(body)); }
    void Wait() {
        if (thread_.joinable()) {
            thread_.join();
        }
    }

  private:
    std::thread thread_;
};
