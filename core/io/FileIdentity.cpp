#include "core/io/FileIdentity.h"

#include <sys/stat.h>

namespace {

FileIdentity IdentityOf(const struct stat& status) {
    return {true,
            static_cast<std::uint64_t>(status.st_dev),
            static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec),
            static_cast<std::int64_t>(status.st_mtim.tv_nsec),
            static_cast<std::int64_t>(status.st_ctim.tv_sec),
            static_cast<std::int64_t>(status.st_ctim.tv_nsec)};
}

}  // namespace

FileIdentity FileIdentityOf(const CString& strPath) {
    struct stat status {};
    return ::stat(strPath.c_str(), &status) == 0 ? IdentityOf(status) : FileIdentity{};
}

FileIdentity FileIdentityOfDescriptor(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 ? IdentityOf(status) : FileIdentity{};
}

void MakeChangeVisible(int fd, const FileIdentity& before) {
    const FileIdentity after = FileIdentityOfDescriptor(fd);
    if (!after.bKnown || after.modifiedSeconds != before.modifiedSeconds ||
        after.modifiedNanoseconds != before.modifiedNanoseconds) {
        return;
    }
    timespec times[2] = {{0, UTIME_OMIT}, {before.modifiedSeconds, before.modifiedNanoseconds + 1}};
    if (times[1].tv_nsec >= 1000000000) {
        times[1] = {before.modifiedSeconds + 1, 0};
    }
    ::futimens(fd, times);
}
