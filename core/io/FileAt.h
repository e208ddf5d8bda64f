#pragma once
// Reads and writes at an offset of a file open as a descriptor, through the seam and without a
// buffer: what a journalled save writes must reach the system in the order it is written, and a
// write that fails must not be tried again later by a flush.

#include <cstdint>
#include <optional>

#include "core/base/Types.h"

// nSize bytes from offset on, fewer when the file ends first; nothing when a call failed.
std::optional<CString> ReadAt(int fd, std::int64_t offset, std::size_t nSize);
// All of the bytes at offset, or FALSE with errno set (ENOSPC when the system took fewer).
bool WriteAt(int fd, std::int64_t offset, const CString& strBytes);
