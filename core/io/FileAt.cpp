#include "core/io/FileAt.h"

#include <cerrno>

#include "core/io/MmioSeam.h"

namespace {

bool PlaceAt(int fd, std::int64_t offset) {
    return mmioSystemCalls().lseek(fd, static_cast<off_t>(offset), SEEK_SET) == offset;
}

}  // namespace

std::optional<CString> ReadAt(int fd, std::int64_t offset, std::size_t nSize) {
    if (!PlaceAt(fd, offset)) {
        return std::nullopt;
    }
    CString strBytes(nSize, '\0');
    std::size_t done = 0;
    while (done < nSize) {
        const ssize_t n = mmioSystemCalls().read(fd, strBytes.data() + done, nSize - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    strBytes.resize(done);
    return strBytes;
}

bool WriteAt(int fd, std::int64_t offset, const CString& strBytes) {
    if (!PlaceAt(fd, offset)) {
        return false;
    }
    std::size_t done = 0;
    while (done < strBytes.size()) {
        const ssize_t n =
            mmioSystemCalls().write(fd, strBytes.data() + done, strBytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}
