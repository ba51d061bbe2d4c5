#include "worker/generation_worker.h"

#include <system_error>

namespace nuvelo::worker {

线程操作类::~线程操作类() { stopWorker(); }

void 线程操作类::joinHeld(std::unique_lock<std::mutex>& lock) {
    if (control_) control_->requestStop();
    std::thread old = std::move(thread_);
    control_.reset();
    finished_.reset();
    if (old.joinable()) {
        lock.unlock();
        old.join();
        lock.lock();
    }
}

bool 线程操作类::startWorker(Routine routine, int parameter) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (thread_.joinable() && thread_.get_id() == std::this_thread::get_id()) return false;
    joinHeld(lock);
    auto control = std::make_shared<WorkerControl>();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    try {
        thread_ = std::thread([control, finished, routine = std::move(routine), parameter] {
            routine(*control, parameter);
            finished->store(true);
        });
    } catch (const std::system_error&) {
        return false;
    }
    control_ = std::move(control);
    finished_ = std::move(finished);
    return true;
}

void 线程操作类::stopWorker() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (thread_.joinable() && thread_.get_id() == std::this_thread::get_id()) {
        if (control_) control_->requestStop();
        return;
    }
    joinHeld(lock);
}

void 线程操作类::pauseWorker() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (control_) control_->requestPause();
}

void 线程操作类::resumeWorker() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (control_) control_->requestResume();
}

bool 线程操作类::isRunning() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return finished_ && !finished_->load();
}

}  // namespace nuvelo::worker
