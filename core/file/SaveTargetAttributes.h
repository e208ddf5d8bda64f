#pragma once
// What a save's new file takes over from the file it stands in for: owner and group, permission
// bits and extended attributes (POSIX ACLs among them), set through the new file's descriptor
// before a byte is in it, so that its contents are never open to more people than the old ones.

#include "core/base/Types.h"

// Empty when the file open as fd has the attributes of the file at strFrom; else what failed,
// naming strFrom or strTo, for the user. A file that cannot be given strFrom's owner is refused
// unless bMayTakeOver.
CString TakeAttributes(const CString& strFrom, int fd, const CString& strTo, bool bMayTakeOver);
