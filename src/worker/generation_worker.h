// 线程操作类: the process-wide generation worker object.
//
// It holds at most one worker thread. Pausing and stopping are cooperative:
// they take effect at the routine's next WorkerControl::checkpoint(), where
// it holds nothing shared, so no thread is ever suspended or killed.
//
// All operations may be called from any thread; startWorker, stopWorker,
// pauseWorker and resumeWorker are normally called from the window thread,
// stopWorker also from the worker itself at the end of its routine (it then
// only marks the worker as ending; the next start or stop joins it).
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "worker/worker_control.h"

namespace nuvelo::worker {

class 线程操作类 {
public:
    using Routine = std::function<void(WorkerControl&, int parameter)>;

    线程操作类() = default;
    ~线程操作类();
    线程操作类(const 线程操作类&) = delete;
    线程操作类& operator=(const 线程操作类&) = delete;

    // Stops and joins the held worker, then starts routine(control, parameter)
    // on a new thread. False when the thread could not be created.
    bool startWorker(Routine routine, int parameter = 0);
    // Ends the held worker (waiting for it to reach a checkpoint and return)
    // and releases it. From the worker thread itself: asks it to end only.
    void stopWorker();
    void pauseWorker();
    void resumeWorker();

    // True while a started routine has not returned.
    bool isRunning() const;

private:
    void joinHeld(std::unique_lock<std::mutex>& lock);

    mutable std::mutex mutex_;
    std::thread thread_;
    std::shared_ptr<WorkerControl> control_;
    std::shared_ptr<std::atomic<bool>> finished_;
};

}  // namespace nuvelo::worker
