#pragma once
// The seam under the RIFF file I/O layer: the system calls it makes, replaceable so that tests
// can make a chosen call fail or come up short, and counters of what callers asked of the layer.

#include <sys/stat.h>
#include <sys/types.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>

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

const MmioCounters& mmioCounters();
void mmioResetCounters();

// Real system calls, except that the n-th call of a kind (counted from 1 since construction)
// fails with EIO or moves fewer bytes, as a test arranges.
class MmioFaultyCalls : public MmioSystemCalls {
public:
    enum class Call {
        Open,
        Read,
        Write,
        Seek,
        Close,
        Flush,
        Stat,
        Chmod,
        Rename,
        Unlink,
        Truncate
    };

    // The call fails without doing anything; a failing close still releases the descriptor, as
    // close does on Linux.
    void failAt(Call call, int n);
    // A read or write that moves at most `bytes` bytes; 0 makes a read report the end of the
    // file and a write report no progress.
    void shortenAt(Call call, int n, std::size_t bytes);
    // Every read and write moves at most `bytes` bytes (0: no limit), so callers must loop.
    void limitTransfers(std::size_t bytes) { m_transferLimit = bytes; }
    // Calls of the kind made so far.
    int count(Call call) const { return m_counts[static_cast<std::size_t>(call)]; }

    int open(const char* path, int flags, mode_t mode) override;
    ssize_t read(int fd, void* buffer, std::size_t count) override;
    ssize_t write(int fd, const void* buffer, std::size_t count) override;
    off_t lseek(int fd, off_t offset, int whence) override;
    int close(int fd) override;
    int fsync(int fd) override;
    int fstat(int fd, struct stat* status) override;
    int fchmod(int fd, mode_t mode) override;
    int rename(const char* from, const char* to) override;
    int unlink(const char* path) override;
    int ftruncate(int fd, off_t length) override;

private:
    struct Fault {
        bool fail = false;
        std::size_t bytes = SIZE_MAX;
    };
    // Counts the call and returns what is arranged for it (by default nothing).
    Fault faultNow(Call call);
    // What a read or write of `count` bytes may move under the limits in force.
    std::size_t allowed(std::size_t count, const Fault& fault) const;

    static constexpr std::size_t kCallKinds = 11;

    std::map<std::pair<Call, int>, Fault> m_faults;
    std::array<int, kCallKinds> m_counts{};
    std::size_t m_transferLimit = 0;
};
