// WorkerControl: what a running routine sees of its worker.
//
// The routine calls checkpoint() between two units of work (candidates,
// pool entries). It returns at once while the worker runs, blocks while the
// worker is paused, and tells the routine to end once a stop was asked for.
// The routine holds no lock across a checkpoint, so pausing or stopping can
// never leave anything locked. Thread-safe.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace nuvelo::worker {

class WorkerControl {
public:
    enum class Step { Go, Resumed, Stop };

    // Go: continue. Resumed: continue, the worker was paused meanwhile (inputs
    // may have changed). Stop: end the routine now. `beforeWait` runs on the
    // worker thread just before it blocks for a pause (to hand over work done).
    Step checkpoint(const std::function<void()>& beforeWait = {});
    bool stopRequested() const { return stop_.load(std::memory_order_relaxed); }

    // Blocks until `done()` is true (re-checked after every notify()) or a
    // stop is asked for; returns false on stop.
    bool waitFor(const std::function<bool()>& done);
    void notify();

    void requestPause();
    void requestResume();
    void requestStop();

private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> pause_{false};
    std::mutex mutex_;
    std::condition_variable cv_;
};

}  // namespace nuvelo::worker
