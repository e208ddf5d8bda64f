#include "core/io/FileLock.h"

#include <sys/file.h>

#include <cerrno>
#include <thread>

namespace {
constexpr std::chrono::milliseconds kPollInterval{10};
}

// flock rather than a process-owned fcntl lock: it belongs to the open file, so closing another
// descriptor of the same file elsewhere in the program does not drop it, and a descriptor opened
// for reading may hold it.
bool LockFile(int fd, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            errno = EWOULDBLOCK;
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}
