#include "core/file/MetadataSave.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/file/FillerRoom.h"
#include "core/file/InPlacePlan.h"
#include "core/file/SaveSource.h"
#include "core/io/FileIdentity.h"
#include "core/io/SaveJournal.h"

namespace {

std::optional<CString> ReadAt(HMMIO hmmio, std::int64_t offset, std::size_t nSize) {
    CString strBytes(nSize, '\0');
    const auto nCount = static_cast<LONG>(nSize);
    if (mmioSeek(hmmio, offset, SEEK_FROM_START) != offset ||
        mmioRead(hmmio, strBytes.data(), nCount) != nCount) {
        return std::nullopt;
    }
    return strBytes;
}

// The file's bytes that the plan overwrites or cuts off; bytes past its end are not there yet.
std::optional<std::vector<FileBytes>> OldBytes(HMMIO hmmio, const InPlacePlan& plan) {
    std::vector<FileBytes> old;
    for (const FileBytes& range : plan.ranges) {
        const std::int64_t end = std::min<std::int64_t>(
            plan.oldSize, range.offset + static_cast<std::int64_t>(range.bytes.size()));
        std::optional<CString> bytes =
            end > range.offset ? ReadAt(hmmio, range.offset, end - range.offset) : CString();
        if (!bytes) {
            return std::nullopt;
        }
        old.push_back({range.offset, std::move(*bytes)});
    }
    if (plan.newSize < plan.oldSize) {
        std::optional<CString> tail = ReadAt(hmmio, plan.newSize, plan.oldSize - plan.newSize);
        if (!tail) {
            return std::nullopt;
        }
        old.push_back({plan.newSize, std::move(*tail)});
    }
    return old;
}

bool WriteNewBytes(HMMIO hmmio, const InPlacePlan& plan) {
    return (plan.newSize == plan.oldSize || mmioSetSize(hmmio, plan.newSize) == 0) &&
           WriteRanges(hmmio, plan.ranges);
}

bool PutBack(HMMIO hmmio, const InPlacePlan& plan, const std::vector<FileBytes>& old) {
    return (mmioFileSize(hmmio) == plan.oldSize || mmioSetSize(hmmio, plan.oldSize) == 0) &&
           WriteRanges(hmmio, old);
}

// Journal first, then the file; a write that fails puts the old bytes back at once, and when
// that fails too the journal stays for the next opening of the file to roll back.
CString WriteInPlace(const CString& strPath, HMMIO hmmio, const InPlacePlan& plan) {
    const std::optional<std::vector<FileBytes>> old = OldBytes(hmmio, plan);
    if (!old) {
        return "Couldn't read " + strPath + " before saving it";
    }
    if (CString strFailure = WriteJournal(strPath, hmmio, *old, plan.newSize);
        !strFailure.empty()) {
        return "Couldn't save " + strPath + ":\r\n" + strFailure;
    }
    const FileIdentity before = FileIdentityOfDescriptor(mmioDescriptor(hmmio));
    const bool bWritten = WriteNewBytes(hmmio, plan);
    if (bWritten) {
        MakeChangeVisible(mmioDescriptor(hmmio), before);
    }
    if (bWritten && RemoveJournal(strPath)) {
        return CString();
    }
    // A journal left beside the new bytes would put the old ones back at the next opening: the
    // old ones go back now, so the outcome does not depend on when the file is opened.
    const CString strFailure = bWritten ? "Couldn't remove the journal " + JournalPath(strPath) +
                                              " after saving " + strPath
                                        : "Couldn't write " + strPath + " in place";
    if (PutBack(hmmio, plan, *old) && RemoveJournal(strPath)) {
        return strFailure + "; it is as it was.";
    }
    return strFailure + "; its journal " + JournalPath(strPath) +
           " puts it back as it was when it is opened again.";
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
            if (source.Handle() == nullptr && !source.FoundChange()) {
                return root.SaveTree(strPath, {}, options);
            }
            return strFailure;
        }
        FitIntoFillerRoom(root);
        if (const std::optional<InPlacePlan> plan = PlanInPlace(root, source.Handle())) {
            return plan->ranges.empty() && plan->newSize == plan->oldSize
                       ? CString()
                       : WriteInPlace(strPath, source.Handle(), *plan);
        }
    }
    return root.SaveTree(strPath, {}, options);
}
