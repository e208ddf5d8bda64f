#pragma once
// The rollback journal of a save in place: beside the file, on disk (and its name in the folder
// on disk) before the first byte of the file changes, and removed once the file's new bytes are
// on disk. Only a writer applies a journal it finds (see InterruptedSave.h).

#include <sys/types.h>
#include <cstdint>

#include "core/io/JournalFormat.h"

struct FileBytes {
    std::int64_t offset;
    CString bytes;
};

// "take.wav.ovalis-journal" beside "take.wav".
CString JournalPath(const CString& strPath);

// Writes the journal beside the file at strPath and flushes it and its folder to disk; it must
// not exist yet. Empty on success, else why not (and then no journal is left).
CString WriteJournal(const CString& strPath, const JournalRecord& record);
// Removes the journal and flushes its folder. FALSE when it could not be removed.
bool RemoveJournal(const CString& strPath);

// A journal file as read, never more than kLargestJournal bytes of it.
struct JournalFile {
    bool bExists = false;
    uid_t owner = 0;
    CString strText;     // its bytes, when it was read
    CString strProblem;  // why it was not read
};

JournalFile ReadJournalFile(const CString& strJournal);
