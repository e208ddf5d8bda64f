#pragma once
// The rollback journal of a save in place: beside the file, the old bytes of every range the
// save is about to write, on disk before the first of those bytes changes and removed once the
// file's new bytes are on disk. A journal found beside a file is an interrupted save: opening
// the file puts the old bytes back first.

#include <cstdint>
#include <vector>

#include "core/io/Mmio.h"

struct FileBytes {
    std::int64_t offset;
    CString bytes;
};

// "take.wav.ovalis-journal" beside "take.wav".
CString JournalPath(const CString& strPath);

// Writes the journal of the file open as hmmioFile (the old bytes of each range, and its size,
// which a save that ends at newSize gets back), and flushes it to disk; it must not exist yet.
// Empty on success, else why not.
CString WriteJournal(const CString& strPath, HMMIO hmmioFile, const std::vector<FileBytes>& old,
                     std::int64_t newSize = -1);
// Removes the journal once the file is on disk. FALSE when it could not be removed.
bool RemoveJournal(const CString& strPath);
// Puts the ranges' bytes into the file at their offsets and flushes it to disk.
bool WriteRanges(HMMIO hmmioFile, const std::vector<FileBytes>& ranges);

// Rolls back a save interrupted in the file at strPath, when a journal lies beside it: empty
// when there was none, else what was done, for the user.
CString RollBackInterruptedSave(const CString& strPath);
