// postQueued: runs a call on the thread of a receiver, through its event
// queue, from any thread.
//
// Qt orders a queued call after everything the posting thread did before
// posting (the event queue is guarded by a mutex). A Qt library that is not
// built with ThreadSanitizer hides that ordering from TSan, so in a TSan build
// the call carries a token: released before posting, acquired on the
// receiving thread before the call runs or, if it never runs, before its
// captures are destroyed.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <memory>
#include <utility>

#if defined(__SANITIZE_THREAD__)
#define NUVELO_TSAN 1
extern "C" void __tsan_acquire(void* addr);
extern "C" void __tsan_release(void* addr);
#endif

namespace nuvelo::platform {

#if defined(NUVELO_TSAN)
template <typename F>
class HandedOverCall {
public:
    explicit HandedOverCall(F call) : token_(std::make_shared<char>()), call_(std::move(call)) {
        __tsan_release(token_.get());
    }
    HandedOverCall(HandedOverCall&&) = default;
    HandedOverCall(const HandedOverCall&) = default;
    ~HandedOverCall() {
        if (token_) __tsan_acquire(token_.get());  // before call_ is destroyed
    }
    void operator()() {
        __tsan_acquire(token_.get());
        call_();
    }

private:
    std::shared_ptr<char> token_;
    F call_;
};
#endif

template <typename F>
void postQueued(QObject* receiver, F call) {
#if defined(NUVELO_TSAN)
    QMetaObject::invokeMethod(receiver, HandedOverCall<F>(std::move(call)), Qt::QueuedConnection);
#else
    QMetaObject::invokeMethod(receiver, std::move(call), Qt::QueuedConnection);
#endif
}

}  // namespace nuvelo::platform
