#pragma once
// Which file a path names and in what state: enough to tell that another program replaced or
// changed it since it was read. The change time is in it too: a program that rewrites a file
// and puts its old modification time back cannot put the change time back.

#include <cstdint>

#include "core/base/Types.h"

struct FileIdentity {
    bool bKnown = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t changedSeconds = 0;
    std::int64_t changedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;
};

// Unknown when the path cannot be examined.
FileIdentity FileIdentityOf(const CString& strPath);
// The same, of the file open as fd.
FileIdentity FileIdentityOfDescriptor(int fd);
// After a write in place: when the file's modification time still reads as before (the clock
// that stamps files moves in steps of milliseconds), moves it on by a nanosecond, so that a
// program holding the file as it was before the write can tell it changed.
void MakeChangeVisible(int fd, const FileIdentity& before);
