#pragma once
// A journal found beside a file: what it is to that file, and, for a writer only, applying it.
// A journal is applied only when it is whole, belongs to the file's owner (or root), names this
// very file (device and inode), the file has a size the save could have left, and every piece
// it covers holds either the bytes the save found or those it wrote. Anything else is reported
// and left for the user.

#include <cstdint>

#include "core/io/JournalFormat.h"

enum class JournalState {
    None,       // no journal beside the file
    Untouched,  // the save stopped before it changed the file: only the journal goes
    CutShort,   // the save stopped while writing: the old bytes go back
    Finished,   // the save wrote all it had to: the file is kept as it is
    Refused,    // not this file's, or the file changed since: never applied
};

struct JournalFinding {
    JournalState state = JournalState::None;
    CString strJournal;
    CString strReason;  // of a refusal
    JournalRecord record;
};

// Looks at the journal beside the file at strPath (open as fd), reading only.
JournalFinding InspectJournal(const CString& strPath, int fd);
// The same, opening the file for reading.
JournalFinding InspectJournal(const CString& strPath);
// For commands that only read: that a save is pending and in which journal, or why the journal
// there is not applied. Empty when there is none.
CString PendingSaveNote(const JournalFinding& finding);

// Puts back the old bytes of the record into the file open as fd at size nSize now: the file
// cut back to its old size first, then every piece's old bytes, then flushed. FALSE with errno
// set, and then the journal must stay.
bool RestoreOldBytes(int fd, const JournalRecord& record, std::int64_t nSize);

struct Recovery {
    JournalState state = JournalState::None;
    bool bDone = false;  // the journal was applied (or found to need nothing) and removed
    CString strText;     // for the user; empty when there was no journal
};

// For writers, before they load: applies the journal beside the file at strPath under the
// writers' lock, as InspectJournal judges it.
Recovery RecoverInterruptedSave(const CString& strPath);
