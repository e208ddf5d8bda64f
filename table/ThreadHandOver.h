#pragma once
// Work handed between threads through Qt's thread pool and event queue is ordered by locks
// inside Qt, which a ThreadSanitizer build does not see (Qt is not built with it). The pieces
// here hand work over and tell the sanitizer so, at an address that the receiving side knows
// without reading memory the handing side wrote; without the sanitizer they add nothing.

#include <QMetaObject>
#include <QObject>
#include <QRunnable>
#include <QThreadPool>
#include <utility>

#if defined(__SANITIZE_THREAD__)
#define OVALIS_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define OVALIS_THREAD_SANITIZER 1
#endif
#endif

#ifdef OVALIS_THREAD_SANITIZER
extern "C" void __tsan_acquire(void* pAddress);
extern "C" void __tsan_release(void* pAddress);
#endif

// Everything this thread did so far is seen by a thread that takes over at pAt.
inline void HandOver([[maybe_unused]] const void* pAt) {
#ifdef OVALIS_THREAD_SANITIZER
    __tsan_release(const_cast<void*>(pAt));
#endif
}

// Sees everything done before each hand-over at pAt.
inline void TakeOver([[maybe_unused]] const void* pAt) {
#ifdef OVALIS_THREAD_SANITIZER
    __tsan_acquire(const_cast<void*>(pAt));
#endif
}

// Work run once on a pool's thread; made whole before it is handed over at its own address.
template <class Work>
class PoolTask : public QRunnable {
public:
    PoolTask(QThreadPool& pool, Work work) : m_pool(pool), m_work(std::move(work)) {
        HandOver(this);
    }
    // The pool deletes the task on its thread once run: what it did is left for WaitForPool.
    ~PoolTask() override { HandOver(&m_pool); }
    void run() override {
        TakeOver(this);
        m_work();
    }

private:
    QThreadPool& m_pool;
    Work m_work;
};

// Runs work on the pool; it sees all this thread did before.
template <class Work>
void StartOnPool(QThreadPool& pool, Work work) {
    pool.start(new PoolTask<Work>(pool, std::move(work)));
}

// Waits for the pool's work to end, and sees all that work did.
inline void WaitForPool(QThreadPool& pool) {
    pool.waitForDone();
    TakeOver(&pool);
}

// Work queued to an object's thread. Qt moves it into the queued call last of all, so the
// hand-over in the move is the last thing the handing side writes. Qt counts the call's owners
// itself, and the last to let go destroys it: the receiver's thread, or the handing one when
// the call ran first, so the call hands back what it did.
template <class Work>
class QueuedWork {
public:
    explicit QueuedWork(Work work) : m_work(std::move(work)) {}
    QueuedWork(QueuedWork&& other) : m_work(std::move(other.m_work)) { HandOver(this); }
    ~QueuedWork() { TakeOver(this); }
    void operator()() {
        TakeOver(this);
        m_work();
        HandOver(this);
    }

private:
    Work m_work;
};

// Calls work on the receiver's thread, from its event loop; it sees all this thread did before.
template <class Work>
void QueueTo(QObject* pReceiver, Work work) {
    QMetaObject::invokeMethod(pReceiver, QueuedWork<Work>(std::move(work)), Qt::QueuedConnection);
}
