#include "MmioFaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "core/chunks/RiffChunkModel.h"

void MmioFaultyCalls::failAt(Call call, int n, int error) {
    m_faults[{call, n}] = Fault{true, 0, error != 0 ? error : EIO};
}

void MmioFaultyCalls::shortenAt(Call call, int n, std::size_t bytes) {
    m_faults[{call, n}] = Fault{false, bytes};
}

MmioFaultyCalls::Fault MmioFaultyCalls::faultNow(Call call) {
    const int n = ++m_counts[static_cast<std::size_t>(call)];
    const auto found = m_faults.find({call, n});
    if (found == m_faults.end()) {
        return Fault{};
    }
    if (found->second.fail) {
        errno = found->second.error;
    }
    return found->second;
}

std::size_t MmioFaultyCalls::allowed(std::size_t count, const Fault& fault) const {
    if (m_transferLimit != 0) {
        count = std::min(count, m_transferLimit);
    }
    return std::min(count, fault.bytes);
}

int MmioFaultyCalls::open(const char* path, int flags, mode_t mode) {
    return faultNow(Call::Open).fail ? -1 : MmioSystemCalls::open(path, flags, mode);
}

ssize_t MmioFaultyCalls::read(int fd, void* buffer, std::size_t count) {
    const Fault fault = faultNow(Call::Read);
    return fault.fail ? -1 : MmioSystemCalls::read(fd, buffer, allowed(count, fault));
}

ssize_t MmioFaultyCalls::write(int fd, const void* buffer, std::size_t count) {
    const Fault fault = faultNow(Call::Write);
    return fault.fail ? -1 : MmioSystemCalls::write(fd, buffer, allowed(count, fault));
}

off_t MmioFaultyCalls::lseek(int fd, off_t offset, int whence) {
    return faultNow(Call::Seek).fail ? -1 : MmioSystemCalls::lseek(fd, offset, whence);
}

// The descriptor is released even when the close is made to fail, as close does on Linux.
int MmioFaultyCalls::close(int fd) {
    if (faultNow(Call::Close).fail) {
        MmioSystemCalls::close(fd);
        errno = EIO;
        return -1;
    }
    return MmioSystemCalls::close(fd);
}

int MmioFaultyCalls::fsync(int fd) {
    return faultNow(Call::Flush).fail ? -1 : MmioSystemCalls::fsync(fd);
}

int MmioFaultyCalls::fstat(int fd, struct stat* status) {
    return faultNow(Call::Stat).fail ? -1 : MmioSystemCalls::fstat(fd, status);
}

int MmioFaultyCalls::fchmod(int fd, mode_t mode) {
    return faultNow(Call::Chmod).fail ? -1 : MmioSystemCalls::fchmod(fd, mode);
}

int MmioFaultyCalls::rename(const char* from, const char* to) {
    return faultNow(Call::Rename).fail ? -1 : MmioSystemCalls::rename(from, to);
}

int MmioFaultyCalls::unlink(const char* path) {
    return faultNow(Call::Unlink).fail ? -1 : MmioSystemCalls::unlink(path);
}

int MmioFaultyCalls::ftruncate(int fd, off_t length) {
    return faultNow(Call::Truncate).fail ? -1 : MmioSystemCalls::ftruncate(fd, length);
}

int MmioFaultyCalls::fallocate(int fd, off_t offset, off_t length) {
    return faultNow(Call::Allocate).fail ? -1 : MmioSystemCalls::fallocate(fd, offset, length);
}

std::vector<LoadFault> EachLoadFault(const std::string& path) {
    const LoadFault kinds[] = {
        {MmioFaultyCalls::Call::Read, 0, "read of "},
        {MmioFaultyCalls::Call::Seek, 0, "lseek to offset "},
        {MmioFaultyCalls::Call::Stat, 0, "fstat of the open file failed: Input/output error"},
    };
    MmioFaultyCalls counted;
    {
        MmioSystemCallsScope scope(counted);
        CRiffChunkModel root;
        EXPECT_TRUE(root.Load(path));
    }
    std::vector<LoadFault> faults;
    for (const LoadFault& kind : kinds) {
        for (int n = 1; n <= counted.count(kind.call); ++n) {
            faults.push_back({kind.call, n, kind.pszNamed});
        }
    }
    return faults;
}
