#pragma once
// Real system calls under the RIFF I/O layer, recording the size of every read and write it asks
// of the system, and counting its seeks.

#include <cstddef>
#include <vector>

#include "core/io/MmioSeam.h"

namespace testfiles {

class CallRecorder : public MmioSystemCalls {
public:
    ssize_t read(int fd, void* buffer, std::size_t count) override {
        reads.push_back(count);
        return MmioSystemCalls::read(fd, buffer, count);
    }
    ssize_t write(int fd, const void* buffer, std::size_t count) override {
        writes.push_back(count);
        return MmioSystemCalls::write(fd, buffer, count);
    }
    off_t lseek(int fd, off_t offset, int whence) override {
        ++seeks;
        return MmioSystemCalls::lseek(fd, offset, whence);
    }

    std::vector<std::size_t> reads;
    std::vector<std::size_t> writes;
    int seeks = 0;
};

}  // namespace testfiles
