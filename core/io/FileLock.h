#pragma once
// The advisory lock every Ovalis writer takes on a file from the start of a save to its end, so
// that two saves of one file never interleave: the later one waits, and then finds the file
// changed instead of writing over the earlier one's result.

#include <chrono>

// Locks the file open as fd for this open file description, waiting at most `wait` for another
// holder to let go. FALSE when the wait ran out or the system refused (errno says why).
bool LockFile(int fd, std::chrono::milliseconds wait);

// How long a save waits for another writer of the same file.
constexpr std::chrono::milliseconds kSaveLockWait{5000};
