#include "worker/worker_control.h"

namespace nuvelo::worker {

WorkerControl::Step WorkerControl::checkpoint(const std::function<void()>& beforeWait) {
    if (stop_.load(std::memory_order_relaxed)) return Step::Stop;
    if (!pause_.load(std::memory_order_relaxed)) return Step::Go;
    if (beforeWait) beforeWait();
    std::unique_lock<std::mutex> lock(mutex_);
    cv_.wait(lock, [&] { return !pause_.load() || stop_.load(); });
    return stop_.load() ? Step::Stop : Step::Resumed;
}

bool WorkerControl::waitFor(const std::function<bool()>& done) {
    std::unique_lock<std::mutex> lock(mutex_);
    cv_.wait(lock, [&] { return stop_.load() || done(); });
    return !stop_.load();
}

void WorkerControl::notify() {
    { std::lock_guard<std::mutex> lock(mutex_); }
    cv_.notify_all();
}

void WorkerControl::requestPause() { pause_.store(true); }

void WorkerControl::requestResume() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pause_.store(false);
    }
    cv_.notify_all();
}

void WorkerControl::requestStop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_.store(true);
    }
    cv_.notify_all();
}

}  // namespace nuvelo::worker
