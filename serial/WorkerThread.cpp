#include "serial/WorkerThread.h"

#include <utility>

WorkerThread::WorkerThread(std::function<void()> body) {
    std::future<bool> go = go_.get_future();
    thread_ = std::thread([go = std::move(go), body = std::move(body)]() mutable {
        if (go.get()) {
            body();
        }
    });
}

WorkerThread::~WorkerThread() {
    Wait();
}

void WorkerThread::Release(bool run) {
    if (!released_) {
        released_ = true;
        go_.set_value(run);
    }
}

void WorkerThread::Wait() {
    Release(false);
    if (thread_.joinable()) {
        thread_.join();
    }
}
