#pragma once
// A thread that runs one function and is waited for before its owner goes away. The thread
// is created parked: its function runs only once Start() releases it, so an owner can have
// every thread it needs before any of them does anything. A thread never started ends
// without running its function.

#include <functional>
#include <future>
#include <thread>

class WorkerThread {
  public:
    // Throws std::system_error (or std::bad_alloc) when no thread can be had.
    explicit WorkerThread(std::function<void()> body);
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Lets the function run; only the first call counts.
    void Start() { Release(true); }
    // Waits for the function to end; a thread not yet started is released without running.
    void Wait();

  private:
    void Release(bool run);

    std::promise<bool> go_;
    bool released_ = false;
    std::thread thread_;
};
