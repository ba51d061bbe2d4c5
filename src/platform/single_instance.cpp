#include "platform/single_instance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace nuvelo::platform {

SingleInstanceGuard::SingleInstanceGuard(const QString& lockPath)
    : path_(lockPath), lock_(std::make_unique<QLockFile>(lockPath)) {
    // Never treat a live holder's lock as stale, however old it is.
    lock_->setStaleLockTime(0);
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

bool SingleInstanceGuard::tryAcquire() {
    if (held_) return true;
    held_ = lock_->tryLock(0);
    return held_;
}

QString defaultInstanceLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty() || !QDir(dir).exists()) dir = QStringLiteral("/tmp");
    return QDir(dir).filePath(QStringLiteral("nuvelo.lock"));
}

bool acquireProcessInstanceGuard() {
    // Lives until the process ends; its destructor removes the lock file, and a
    // file left by a crash is taken over as stale (its process is gone).
    static SingleInstanceGuard guard(defaultInstanceLockPath());
    return guard.tryAcquire();
}

}  // namespace nuvelo::platform
