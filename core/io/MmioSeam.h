#pragma once
// The seam under the RIFF file I/O layer: the system calls it makes, replaceable so that tests
// can make a chosen call fail or come up short, and counters of what callers asked of the layer.

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>

// Every system call the layer makes goes through one of these, and so does the save target's
// change of a new file's permission bits. The default calls POSIX; a test derives from it and
// overrides what it wants to disturb, calling the base for the real work.
class MmioSystemCalls {
public:
    virtual ~MmioSystemCalls() = default;

    virtual int open(const char* path, int flags, mode_t mode);
    virtual ssize_t read(int fd, void* buffer, std::size_t count);
    virtual ssize_t write(int fd, const void* buffer, std::size_t count);
    virtual off_t lseek(int fd, off_t offset, int whence);
    virtual int close(int fd);
    virtual int fsync(int fd);
    virtual int ftruncate(int fd, off_t length);
    virtual int fstat(int fd, struct stat* status);
    virtual int fchmod(int fd, mode_t mode);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
    // Reserves the room of length bytes from offset on, growing the file to their end: -1 with
    // errno set (posix_fallocate's way), so that a disk that is full says so before any byte
    // that declares those bytes is written.
    virtual int fallocate(int fd, off_t offset, off_t length);
};

// Installs the calls the layer uses from now on (not owned; null restores the POSIX default) and
// returns the ones installed before, null when that was the default.
MmioSystemCalls* mmioSetSystemCalls(MmioSystemCalls* pCalls);
// The calls in force.
MmioSystemCalls& mmioSystemCalls();

// Installs calls for the lifetime of a scope and then puts back what was there before.
class MmioSystemCallsScope {
public:
    explicit MmioSystemCallsScope(MmioSystemCalls& calls)
        : m_pPrevious(mmioSetSystemCalls(&calls)) {}
    ~MmioSystemCallsScope() { mmioSetSystemCalls(m_pPrevious); }
    MmioSystemCallsScope(const MmioSystemCallsScope&) = delete;
    MmioSystemCallsScope& operator=(const MmioSystemCallsScope&) = delete;

private:
    MmioSystemCalls* m_pPrevious;
};

// Requests made of the layer, one per call of mmioRead, mmioWrite or mmioSeek however many system
// calls serve it, none when the buffer does. Descend, ascend and create chunk count the reads,
// writes and seeks they make. The byte counts are the bytes delivered to or taken from callers.
struct MmioCounters {
    std::int64_t reads = 0;
    std::int64_t writes = 0;
    std::int64_t seeks = 0;
    std::int64_t bytesRead = 0;
    std::int64_t bytesWritten = 0;
};

// A snapshot of the counts of every thread since the last reset.
MmioCounters mmioCounters();
void mmioResetCounters();
