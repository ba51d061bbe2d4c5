// Single-instance guard: a lock file held for the life of the process.
//
// The lock lives in the user's runtime folder (QStandardPaths::RuntimeLocation,
// or /tmp when there is none). A stale lock left by a crashed process is taken
// over; a lock held by a running process means another instance is running.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace nuvelo::platform {

class SingleInstanceGuard {
public:
    explicit SingleInstanceGuard(const QString& lockPath);
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // True when this guard now holds the lock (or already held it).
    bool tryAcquire();
    bool held() const { return held_; }
    const QString& lockPath() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};

// The lock file the program uses: <runtime folder>/nuvelo.lock.
QString defaultInstanceLockPath();

// Takes the process-wide guard on first call and keeps it until the process
// ends. False when another running process holds it.
bool acquireProcessInstanceGuard();

}  // namespace nuvelo::platform
