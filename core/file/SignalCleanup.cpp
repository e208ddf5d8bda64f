#include "core/file/SignalCleanup.h"

#include <limits.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Written before the flag is raised and read by the handler only while it is raised, so the
// handler never sees half a path.
char g_path[PATH_MAX];
volatile std::sig_atomic_t g_bRegistered = 0;
struct sigaction g_previous[std::size(kSignals)];
volatile std::sig_atomic_t g_bInstalled = 0;

std::size_t IndexOf(int nSignal) {
    std::size_t i = 0;
    while (kSignals[i] != nSignal) {
        ++i;
    }
    return i;
}

// Only calls that are safe in a handler: unlink, sigaction, raise.
void RemoveAndPassOn(int nSignal) {
    if (g_bRegistered) {
        ::unlink(g_path);
        g_bRegistered = 0;
    }
    ::sigaction(nSignal, &g_previous[IndexOf(nSignal)], nullptr);
    g_bInstalled = 0;
    ::raise(nSignal);
}

// A signal the program ignores (nohup's SIGHUP) stays ignored.
void Install() {
    struct sigaction action {};
    action.sa_handler = RemoveAndPassOn;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], nullptr, &g_previous[i]);
        if (g_previous[i].sa_handler != SIG_IGN) {
            ::sigaction(kSignals[i], &action, nullptr);
        }
    }
    g_bInstalled = 1;
}

}  // namespace

void RemoveOnSignal(const CString& strPath) {
    g_bRegistered = 0;
    if (strPath.size() >= sizeof g_path) {
        return;
    }
    std::memcpy(g_path, strPath.c_str(), strPath.size() + 1);
    if (!g_bInstalled) {
        Install();
    }
    g_bRegistered = 1;
}

void ForgetOnSignal() {
    g_bRegistered = 0;
}
