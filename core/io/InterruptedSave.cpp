#include "core/io/InterruptedSave.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/io/FileAt.h"
#include "core/io/FileLock.h"
#include "core/io/MmioSeam.h"
#include "core/io/SaveJournal.h"

namespace {

enum class Holds { Old, New, Both, Neither };

JournalFinding Refused(JournalFinding finding, const CString& strReason) {
    finding.state = JournalState::Refused;
    finding.strReason = strReason;
    return finding;
}

bool AllZero(const CString& strBytes) {
    return strBytes.find_first_not_of('\0') == CString::npos;
}

// A piece past the old end holds its old state when it is not there yet or still the zeros
// its room was reserved with.
Holds PieceHolds(int fd, const JournalSegment& segment, std::int64_t nSize) {
    const std::size_t nExtent = std::max<std::size_t>(segment.old.size(), segment.newLength);
    const std::int64_t nThere =
        std::clamp<std::int64_t>(nSize - segment.offset, 0, static_cast<std::int64_t>(nExtent));
    const std::optional<CString> bytes =
        ReadAt(fd, segment.offset, static_cast<std::size_t>(nThere));
    if (!bytes || static_cast<std::int64_t>(bytes->size()) != nThere) {
        return Holds::Neither;
    }
    const bool bOld = segment.old.empty() ? AllZero(*bytes)
                                          : bytes->compare(0, segment.old.size(), segment.old) == 0;
    const bool bNew = segment.newLength == 0 ||
                      (bytes->size() >= segment.newLength &&
                       JournalChecksum(bytes->data(), segment.newLength) == segment.newSum);
    return bOld && bNew ? Holds::Both : bOld ? Holds::Old : bNew ? Holds::New : Holds::Neither;
}

CString SizeText(std::int64_t n) {
    return std::to_string(n) + " bytes";
}

bool SizeFits(const JournalRecord& record, std::int64_t nSize) {
    const std::int64_t oldSize = record.start.size;
    return nSize == oldSize || nSize == record.newSize ||
           (record.newSize > oldSize && nSize > oldSize && nSize < record.newSize);
}

JournalFinding Judge(JournalFinding finding, int fd, const struct stat& file) {
    const JournalRecord& record = finding.record;
    if (!SizeFits(record, file.st_size)) {
        return Refused(
            finding, "the file is " + SizeText(file.st_size) + "; the save it records went from " +
                         SizeText(record.start.size) + " to " + SizeText(record.newSize));
    }
    bool bAllOld = file.st_size == record.start.size;
    bool bAllNew = file.st_size == record.newSize;
    for (const JournalSegment& segment : record.segments) {
        const Holds holds = PieceHolds(fd, segment, file.st_size);
        if (holds == Holds::Neither) {
            return Refused(finding, "its bytes at offset " + std::to_string(segment.offset) +
                                        " hold neither what that save found there nor what it "
                                        "wrote; another program may have changed the file since");
        }
        bAllOld = bAllOld && holds != Holds::New;
        bAllNew = bAllNew && holds != Holds::Old;
    }
    finding.state = bAllOld   ? JournalState::Untouched
                    : bAllNew ? JournalState::Finished
                              : JournalState::CutShort;
    return finding;
}

CString OtherFile(const FileIdentity& named, const struct stat& file) {
    return "it names another file (device " + std::to_string(named.device) + ", inode " +
           std::to_string(named.inode) + "; this one is device " + std::to_string(file.st_dev) +
           ", inode " + std::to_string(file.st_ino) + ")";
}

JournalFinding InspectOpen(const CString& strPath, int fd) {
    JournalFinding finding;
    finding.strJournal = JournalPath(strPath);
    const JournalFile journal = ReadJournalFile(finding.strJournal);
    if (!journal.bExists) {
        return finding;
    }
    struct stat file {};
    if (mmioSystemCalls().fstat(fd, &file) != 0) {
        return Refused(finding, "the file cannot be examined: " + CString(std::strerror(errno)));
    }
    if (!journal.strProblem.empty()) {
        return Refused(finding, journal.strProblem);
    }
    if (journal.owner != file.st_uid && journal.owner != 0) {
        return Refused(finding, "it belongs to user " + std::to_string(journal.owner) +
                                    ", the file to user " + std::to_string(file.st_uid));
    }
    const DecodedJournal decoded = DecodeJournal(journal.strText);
    if (decoded.bCutBeforeHeader) {
        // The save never got to write the file; and no other save runs while a writer holds
        // the lock, so the journal is no save's in progress.
        finding.state = JournalState::Untouched;
        return finding;
    }
    const std::optional<JournalRecord>& header = decoded.whole ? decoded.whole : decoded.header;
    if (!header) {
        return Refused(finding, decoded.strProblem);
    }
    if (header->start.device != file.st_dev || header->start.inode != file.st_ino) {
        return Refused(finding, OtherFile(header->start, file));
    }
    finding.record = *header;
    if (!decoded.whole) {
        // Cut short while it was written: the save had not begun to change the file, which is
        // then still exactly as the save found it.
        if (decoded.bCutShort && FileIdentityOfDescriptor(fd) == header->start) {
            finding.state = JournalState::Untouched;
            return finding;
        }
        return Refused(finding,
                       decoded.bCutShort
                           ? decoded.strProblem + ", and the file changed since that save began"
                           : decoded.strProblem);
    }
    return Judge(finding, fd, file);
}

CString Failure(const CString& strJournal, const char* pszCall) {
    return "the interrupted save recorded in " + strJournal + " could not be rolled back (" +
           pszCall + ": " + std::strerror(errno) + "); the journal stays for another try";
}

Recovery Apply(const CString& strPath, int fd, const JournalFinding& finding) {
    Recovery recovery{finding.state, false, {}};
    const CString& strJournal = finding.strJournal;
    struct stat file {};
    if (finding.state == JournalState::CutShort &&
        (mmioSystemCalls().fstat(fd, &file) != 0 ||
         !RestoreOldBytes(fd, finding.record, file.st_size))) {
        recovery.strText = Failure(strJournal, "restoring the old bytes");
        return recovery;
    }
    if (finding.state == JournalState::Finished && mmioSystemCalls().fsync(fd) != 0) {
        recovery.strText = Failure(strJournal, "fsync");
        return recovery;
    }
    if (!RemoveJournal(strPath)) {
        recovery.strText = Failure(strJournal, "unlink");
        return recovery;
    }
    recovery.bDone = true;
    switch (finding.state) {
        case JournalState::Untouched:
            recovery.strText = "an interrupted save had not changed it yet; its journal " +
                               strJournal + " was removed";
            break;
        case JournalState::Finished:
            recovery.strText =
                "an interrupted save had written all it had to: the file is kept "
                "as that save left it; its journal " +
                strJournal + " was removed";
            break;
        default:
            recovery.strText = "an interrupted save was rolled back from " + strJournal +
                               ": the file is as it was before that save";
    }
    return recovery;
}

}  // namespace

JournalFinding InspectJournal(const CString& strPath, int fd) {
    return InspectOpen(strPath, fd);
}

JournalFinding InspectJournal(const CString& strPath) {
    struct stat status {};
    if (::lstat(JournalPath(strPath).c_str(), &status) != 0 && errno == ENOENT) {
        return {};
    }
    const int fd = mmioSystemCalls().open(strPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
    if (fd < 0) {
        JournalFinding finding;
        finding.strJournal = JournalPath(strPath);
        return Refused(finding, "the file cannot be opened: " + CString(std::strerror(errno)));
    }
    JournalFinding finding = InspectOpen(strPath, fd);
    mmioSystemCalls().close(fd);
    return finding;
}

CString PendingSaveNote(const JournalFinding& finding) {
    switch (finding.state) {
        case JournalState::None:
            return CString();
        case JournalState::Refused:
            return "the journal " + finding.strJournal +
                   " beside it is not applied: " + finding.strReason +
                   "; both are left as they are";
        default:
            return "an interrupted save is pending in " + finding.strJournal;
    }
}

bool RestoreOldBytes(int fd, const JournalRecord& record, std::int64_t nSize) {
    MmioSystemCalls& calls = mmioSystemCalls();
    if (nSize != record.start.size &&
        calls.ftruncate(fd, static_cast<off_t>(record.start.size)) != 0) {
        return false;
    }
    for (const JournalSegment& segment : record.segments) {
        if (!segment.old.empty() && !WriteAt(fd, segment.offset, segment.old)) {
            return false;
        }
    }
    return calls.fsync(fd) == 0;
}

Recovery RecoverInterruptedSave(const CString& strPath) {
    struct stat status {};
    if (::lstat(JournalPath(strPath).c_str(), &status) != 0 && errno == ENOENT) {
        return {};
    }
    const int fd = mmioSystemCalls().open(strPath.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC, 0);
    if (fd < 0) {
        return {JournalState::Refused, false,
                "an interrupted save is pending in " + JournalPath(strPath) +
                    ", and the file cannot be opened to finish it: " + std::strerror(errno)};
    }
    Recovery recovery;
    if (!LockFile(fd, kSaveLockWait)) {
        recovery = {JournalState::Refused, false,
                    "an interrupted save is pending in " + JournalPath(strPath) +
                        ", and another Ovalis program is saving the file"};
    } else if (const JournalFinding finding = InspectOpen(strPath, fd);
               finding.state == JournalState::Refused) {
        recovery = {JournalState::Refused, false, PendingSaveNote(finding)};
    } else if (finding.state != JournalState::None) {
        recovery = Apply(strPath, fd, finding);
    }
    mmioSystemCalls().close(fd);
    return recovery;
}
