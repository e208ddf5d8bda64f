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
