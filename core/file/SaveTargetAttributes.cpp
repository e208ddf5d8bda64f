#include "core/file/SaveTargetAttributes.h"

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "core/io/MmioSeam.h"

namespace {

CString Failed(const CString& strWhat) {
    return strWhat + ":\r\n" + std::strerror(errno);
}

// The owner where the system allows it, else the group alone where this user is in it. Neither
// is required here: a user who may not give files away still gets the permission bits right.
bool TakeOwner(const struct stat& from, int fd) {
    if (::fchown(fd, from.st_uid, from.st_gid) == 0) {
        return true;
    }
    if (errno != EPERM) {
        return false;
    }
    return ::fchown(fd, static_cast<uid_t>(-1), from.st_gid) == 0 || errno == EPERM;
}

// A file of another user that would become this user's: the owner could lose access to their
// own file, so that takes the user's word.
CString OwnerChange(const struct stat& from, int fd, const CString& strFrom) {
    struct stat taken {};
    if (::fstat(fd, &taken) != 0 || taken.st_uid == from.st_uid) {
        return CString();
    }
    return "Couldn't save " + strFrom + ":\r\nit belongs to user " + std::to_string(from.st_uid) +
           ", and a new file written by user " + std::to_string(taken.st_uid) +
           " cannot be given to them: saved, it would belong to user " +
           std::to_string(taken.st_uid) + ".";
}

// Asks with no buffer for the size, then reads; the size may grow in between, so it asks again.
template <typename Get>
bool GetSized(std::vector<char>& bytes, Get get) {
    for (;;) {
        const ssize_t size = get(nullptr, 0);
        if (size < 0) {
            return false;
        }
        bytes.resize(static_cast<std::size_t>(size));
        const ssize_t got = get(bytes.data(), bytes.size());
        if (got >= 0) {
            bytes.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE) {
            return false;
        }
    }
}

// An attribute that the new file's file system or this user may not set is left behind, except
// an ACL: without it the file could be open to more people than before.
bool MayGoWithout(const std::string& name) {
    return (errno == ENOTSUP || errno == EPERM) && name.rfind("system.", 0) != 0;
}

CString TakeExtendedAttributes(const CString& strFrom, int fd, const CString& strTo) {
    const char* pszFrom = strFrom.c_str();
    std::vector<char> names;
    if (!GetSized(names, [&](char* p, std::size_t n) { return ::listxattr(pszFrom, p, n); })) {
        return errno == ENOTSUP ? CString()
                                : Failed("Couldn't list the extended attributes of " + strFrom);
    }
    std::vector<char> value;
    for (std::size_t i = 0; i < names.size(); i += std::strlen(&names[i]) + 1) {
        const std::string name = &names[i];
        const char* pszName = name.c_str();
        if (!GetSized(value,
                      [&](char* p, std::size_t n) { return ::getxattr(pszFrom, pszName, p, n); })) {
            return Failed("Couldn't read the attribute " + name + " of " + strFrom);
        }
        if (::fsetxattr(fd, pszName, value.data(), value.size(), 0) != 0 && !MayGoWithout(name)) {
            return Failed("Couldn't give " + strTo + " the attribute " + name + " of " + strFrom);
        }
    }
    return CString();
}

}  // namespace

// The owner first: a change of owner clears the set-user-ID and set-group-ID bits.
CString TakeAttributes(const CString& strFrom, int fd, const CString& strTo, bool bMayTakeOver) {
    struct stat from {};
    if (::stat(strFrom.c_str(), &from) != 0) {
        return Failed("Couldn't read the permissions of " + strFrom);
    }
    if (!TakeOwner(from, fd)) {
        return Failed("Couldn't give " + strTo + " the owner of " + strFrom);
    }
    if (CString strChange = OwnerChange(from, fd, strFrom); !strChange.empty() && !bMayTakeOver) {
        return strChange;
    }
    if (mmioSystemCalls().fchmod(fd, from.st_mode & 07777) != 0) {
        return Failed("Couldn't give " + strTo + " the permissions of " + strFrom);
    }
    return TakeExtendedAttributes(strFrom, fd, strTo);
}
