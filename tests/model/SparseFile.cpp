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

}  // namespace testfiles
