#pragma once
// System calls for the tests: the real ones, except those a test makes fail or come up short.

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/io/MmioSeam.h"

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
        Truncate,
        Allocate
    };
    // The call fails with the error (EIO unless given) without doing anything; a failing close
    // still releases the descriptor, as close does on Linux.
    void failAt(Call call, int n, int error = 0);
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
    int fallocate(int fd, off_t offset, off_t length) override;

private:
    struct Fault {
        bool fail = false;
        std::size_t bytes = SIZE_MAX;
        int error = 0;
    };
    // Counts the call and returns what is arranged for it (by default nothing).
    Fault faultNow(Call call);
    // What a read or write of `count` bytes may move under the limits in force.
    std::size_t allowed(std::size_t count, const Fault& fault) const;

    static constexpr std::size_t kCallKinds = 12;

    std::map<std::pair<Call, int>, Fault> m_faults;
    std::array<int, kCallKinds> m_counts{};
    std::size_t m_transferLimit = 0;
};

// One failure of a load's calls: the n-th of its kind, and the words the load's reason holds.
struct LoadFault {
    MmioFaultyCalls::Call call;
    int n;
    const char* pszNamed;
};

// Each read, seek and size query that a clean load of the file makes, each made to fail in turn.
std::vector<LoadFault> EachLoadFault(const std::string& path);
