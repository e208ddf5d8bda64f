#include "core/io/MmioSeam.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

namespace {

MmioSystemCalls g_posixCalls;
// Read by every call on any thread while a test may install calls of its own.
std::atomic<MmioSystemCalls*> g_pInstalledCalls{nullptr};

}  // namespace

int MmioSystemCalls::open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

ssize_t MmioSystemCalls::read(int fd, void* buffer, std::size_t count) {
    return ::read(fd, buffer, count);
}

ssize_t MmioSystemCalls::write(int fd, const void* buffer, std::size_t count) {
    return ::write(fd, buffer, count);
}

off_t MmioSystemCalls::lseek(int fd, off_t offset, int whence) {
    return ::lseek(fd, offset, whence);
}

int MmioSystemCalls::close(int fd) {
    return ::close(fd);
}

int MmioSystemCalls::fsync(int fd) {
    return ::fsync(fd);
}

int MmioSystemCalls::ftruncate(int fd, off_t length) {
    return ::ftruncate(fd, length);
}

int MmioSystemCalls::fstat(int fd, struct stat* status) {
    return ::fstat(fd, status);
}

int MmioSystemCalls::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}

int MmioSystemCalls::rename(const char* from, const char* to) {
    return std::rename(from, to);
}

int MmioSystemCalls::unlink(const char* path) {
    return ::unlink(path);
}

int MmioSystemCalls::fallocate(int fd, off_t offset, off_t length) {
    const int nError = ::posix_fallocate(fd, offset, length);
    if (nError != 0) {
        errno = nError;
        return -1;
    }
    return 0;
}

MmioSystemCalls* mmioSetSystemCalls(MmioSystemCalls* pCalls) {
    return g_pInstalledCalls.exchange(pCalls);
}

MmioSystemCalls& mmioSystemCalls() {
    MmioSystemCalls* pInstalled = g_pInstalledCalls.load(std::memory_order_acquire);
    return pInstalled != nullptr ? *pInstalled : g_posixCalls;
}
