#include "core/file/SignalCleanup.h"

#include <limits.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>
#include <thread>

const int kCleanupSignals[] = {SIGINT,  SIGTERM, SIGHUP,  SIGQUIT,   SIGPIPE, SIGXFSZ, SIGXCPU,
                               SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGABRT};
const std::size_t kCleanupSignalCount = std::size(kCleanupSignals);

namespace {

// A slot's path is written only while the slot is Claimed, and read by the handler only once it
// has moved the slot from Armed to Removing, so that neither ever sees half a path or one that a
// save has just forgotten and another is writing.
enum SlotState : int { Free, Claimed, Armed, Removing };

struct Slot {
    std::atomic<int> state{Free};
    char path[PATH_MAX];
};

static_assert(std::atomic<int>::is_always_lock_free, "the handler may use only lock-free atomics");

// More than any pool of savers runs at once.
constexpr std::size_t kSlots = 64;
Slot g_slots[kSlots];
std::once_flag g_installed;

// Only calls that are safe in a handler: lock-free atomics, unlink, signal, raise. The default
// action is put back and the signal raised again, so that it ends the program as it would have.
void RemoveAndEnd(int nSignal) {
    const int nSavedErrno = errno;
    for (Slot& slot : g_slots) {
        int nArmed = Armed;
        if (slot.state.compare_exchange_strong(nArmed, Removing, std::memory_order_acquire)) {
            ::unlink(slot.path);
            slot.state.store(Free, std::memory_order_release);
        }
    }
    std::signal(nSignal, SIG_DFL);
    ::raise(nSignal);
    errno = nSavedErrno;
}

// Only where the action is still the default: a signal ignored or handled by the program keeps
// its action, and such a signal does not end the program anyway.
void Install() {
    struct sigaction action {};
    action.sa_handler = RemoveAndEnd;
    sigemptyset(&action.sa_mask);
    for (int nSignal : kCleanupSignals) {
        struct sigaction previous {};
        if (::sigaction(nSignal, nullptr, &previous) == 0 &&
            (previous.sa_flags & SA_SIGINFO) == 0 && previous.sa_handler == SIG_DFL) {
            ::sigaction(nSignal, &action, nullptr);
        }
    }
}

}  // namespace

int RemoveOnSignal(const CString& strPath) {
    if (strPath.size() >= PATH_MAX) {
        return 0;
    }
    std::call_once(g_installed, Install);
    for (std::size_t i = 0; i < kSlots; ++i) {
        int nFree = Free;
        if (g_slots[i].state.compare_exchange_strong(nFree, Claimed, std::memory_order_acquire)) {
            std::memcpy(g_slots[i].path, strPath.c_str(), strPath.size() + 1);
            g_slots[i].state.store(Armed, std::memory_order_release);
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

void ForgetOnSignal(int nToken) {
    if (nToken <= 0 || static_cast<std::size_t>(nToken) > kSlots) {
        return;
    }
    std::atomic<int>& state = g_slots[nToken - 1].state;
    int nArmed = Armed;
    // A handler removing the file on another thread frees the slot itself.
    while (!state.compare_exchange_weak(nArmed, Free, std::memory_order_acq_rel) &&
           nArmed == Armed) {
    }
    while (state.load(std::memory_order_acquire) == Removing) {
        std::this_thread::yield();
    }
}
