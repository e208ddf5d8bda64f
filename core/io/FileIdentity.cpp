#include "core/io/FileIdentity.h"

#include <sys/stat.h>

FileIdentity FileIdentityOf(const CString& strPath) {
    struct stat status {};
    if (::stat(strPath.c_str(), &status) != 0) {
        return {};
    }
    return {true,
            static_cast<std::uint64_t>(status.st_dev),
            static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec),
            static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}
