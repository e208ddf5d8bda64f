#include "core/file/MetadataSave.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "core/file/FillerRoom.h"
#include "core/file/InPlacePlan.h"
#include "core/file/InPlaceWrite.h"
#include "core/file/RiffSave.h"
#include "core/file/SaveSource.h"
#include "core/io/InterruptedSave.h"
#include "core/io/MmioSeam.h"
#include "core/io/SaveJournal.h"

namespace {

// A save whose journal a rollback would not accept, or that no rollback would read, is not
// made in place.
bool Journallable(const InPlaceWrite& write) {
    return EncodedSize(write.record) <= kLargestJournal &&
           DecodeJournal(EncodeJournal(write.record)).whole.has_value();
}

// The old bytes back after a write failed: the file cut back to its old size first, so that no
// size it declares runs past its end, then the old bytes. When that fails too the journal stays
// for `recover` or the next save.
CString PutBack(const CString& strPath, int fd, const InPlaceWrite& write,
                const CString& strFailure) {
    struct stat status {};
    if (mmioSystemCalls().fstat(fd, &status) == 0 &&
        RestoreOldBytes(fd, write.record, status.st_size) && RemoveJournal(strPath)) {
        return strFailure + "; it is as it was.";
    }
    return strFailure + "; its journal " + JournalPath(strPath) +
           " puts it back as it was when the file is recovered.";
}

bool MayNotWrite(int nError) {
    return nError == EACCES || nError == EPERM || nError == EROFS || nError == ETXTBSY;
}

// Journal first, then the file; a write that fails puts the old bytes back at once.
CString WriteInPlace(const CString& strPath, int fd, const InPlaceWrite& write) {
    if (CString strFailure = WriteJournal(strPath, write.record); !strFailure.empty()) {
        return "Couldn't save " + strPath + ":\r\n" + strFailure;
    }
    if (CString strFailure = WritePieces(fd, write); !strFailure.empty()) {
        return PutBack(strPath, fd, write, "Couldn't save " + strPath + " in place: " + strFailure);
    }
    MakeChangeVisible(fd, write.record.start);
    if (RemoveJournal(strPath)) {
        return CString();
    }
    // A journal left beside the new bytes would keep the file pending: the old ones go back
    // now, so that the outcome is one file or the other with no journal.
    return PutBack(strPath, fd, write,
                   "Couldn't remove the journal " + JournalPath(strPath) + " after saving " +
                       strPath + ": " + std::strerror(errno));
}

}  // namespace

CString SaveMetadata(CRiffChunkModel& root, const SaveOptions& options) {
    const CString& strPath = root.m_strOpenedPath;
    if (root.LoadSawError()) {
        return NotLoaded(strPath, root.LoadFailure());
    }
    if (!options.bWholeFile) {
        CSaveSource source(strPath, root.LoadedFile());
        if (CString strFailure = source.Open(strPath, true); !strFailure.empty()) {
            // A file this user may not write is replaced instead; one that failed to open
            // for another reason (an I/O error) is not saved.
            if (source.Handle() == nullptr && !source.FoundChange() && MayNotWrite(errno)) {
                return SaveTree(root, strPath, {}, options);
            }
            return strFailure;
        }
        FitIntoFillerRoom(root);
        const std::optional<InPlacePlan> plan = PlanInPlace(root, source.Handle());
        if (plan && plan->ranges.empty() && plan->newSize == plan->oldSize) {
            return CString();
        }
        // The descriptor is written directly from here on; the handle is not read again.
        const int fd = mmioDescriptor(source.Handle());
        const std::optional<InPlaceWrite> write = plan ? PieceOut(fd, *plan) : std::nullopt;
        if (write && Journallable(*write)) {
            return WriteInPlace(strPath, fd, *write);
        }
    }
    return SaveTree(root, strPath, {}, options);
}
