#include "SparseFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>

namespace testfiles {

void writeSparseFile(const std::string& path, const Bytes& head, std::int64_t tailOffset,
                     const Bytes& tail) {
    writeFile(path, head);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    const auto nTail = static_cast<ssize_t>(tail.size());
    const bool bWritten = fd >= 0 && ::ftruncate(fd, tailOffset) == 0 &&
                          ::pwrite(fd, tail.data(), tail.size(), tailOffset) == nTail;
    if (fd >= 0) {
        ::close(fd);
    }
    if (!bWritten) {
        throw std::runtime_error("cannot make the sparse file " + path);
    }
}

void writeSparseRf64(const std::string& path, std::int64_t nPayload,
                     const std::vector<ChunkSpec>& after) {
    Bytes tail(kSparseSamplesEnd.begin(), kSparseSamplesEnd.end());
    for (const ChunkSpec& chunk : after) {
        const Bytes bytes = ChunkBytes(chunk);
        tail.insert(tail.end(), bytes.begin(), bytes.end());
    }
    const auto head = [&](std::uint64_t riffSize) {
        const auto size = static_cast<std::uint64_t>(nPayload);
        Bytes bytes = WideWaveFile("RF64", {{"ds64", Ds64Payload({riffSize, size, size / 4, {}})},
                                            {"fmt ", PcmFormat(2, 48000, 16)}});
        appendText(bytes, "data");
        appendLe32(bytes, 0xFFFFFFFF);
        return bytes;
    };
    const std::int64_t nHead = static_cast<std::int64_t>(head(0).size());
    const std::int64_t nFile = nHead + nPayload - 4 + static_cast<std::int64_t>(tail.size());
    writeSparseFile(path, head(static_cast<std::uint64_t>(nFile - 8)), nHead + nPayload - 4, tail);
}

}  // namespace testfiles
