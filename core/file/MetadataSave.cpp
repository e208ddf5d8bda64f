#include "core/file/MetadataSave.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/chunks/DataChunkModel.h"
#include "core/file/FillerRoom.h"
#include "core/file/SaveSource.h"
#include "core/io/FileIdentity.h"
#include "core/io/SaveJournal.h"

namespace {

// Differing bytes closer than this are written as one range.
constexpr std::size_t kJoinGap = 16;

std::optional<CString> ReadAt(HMMIO hmmio, std::int64_t offset, std::size_t nSize) {
    CString strBytes(nSize, '\0');
    const auto nCount = static_cast<LONG>(nSize);
    if (mmioSeek(hmmio, offset, SEEK_FROM_START) != offset ||
        mmioRead(hmmio, strBytes.data(), nCount) != nCount) {
        return std::nullopt;
    }
    return strBytes;
}

CString HeaderOf(FOURCC ckid, DWORD dwSize) {
    BYTE header[8];
    StoreLittleEndian(&ckid, header, 4);
    StoreLittleEndian(&dwSize, header + 4, 4);
    return CString(reinterpret_cast<const char*>(header), 8);
}

// The runs where the new payload differs from the file's, as file ranges of new bytes.
void AddDifferences(const CString& strOld, const char* pNew, std::int64_t offset,
                    std::vector<FileBytes>& rRanges) {
    std::size_t i = 0;
    while (i < strOld.size()) {
        if (strOld[i] == pNew[i]) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        for (std::size_t same = 0; end < strOld.size() && same < kJoinGap; ++end) {
            same = strOld[end] == pNew[end] ? same + 1 : 0;
        }
        while (strOld[end - 1] == pNew[end - 1]) {
            --end;
        }
        rRanges.push_back({offset + static_cast<std::int64_t>(i), CString(pNew + i, end - i)});
        i = end;
    }
}

// The chunk's header and payload against the file's bytes where it stands; a chunk placed there
// anew (into a filler's room) also gets its pad byte. False when the file cannot be read there.
bool AddChunkDifferences(const CChunk& chunk, HMMIO hmmio, std::vector<FileBytes>& rRanges) {
    const std::int64_t offset = chunk.m_ck.llDataOffset;
    const std::optional<CString> old = ReadAt(hmmio, offset - 8, 8 + chunk.DataSize());
    if (!old) {
        return false;
    }
    CString strNew = HeaderOf(chunk.m_ck.ckid, chunk.DataSize());
    const bool bPlaced = old->compare(0, 8, strNew) != 0;
    if (chunk.DataSize() > 0) {
        strNew.append(reinterpret_cast<const char*>(chunk.Data()), chunk.DataSize());
    }
    AddDifferences(*old, strNew.data(), offset - 8, rRanges);
    if (bPlaced && (chunk.DataSize() & 1) != 0) {
        rRanges.push_back({offset + chunk.DataSize(), CString(1, '\0')});
    }
    return true;
}

bool IsSamples(const CChunk& chunk) {
    return chunk.IsKindOf(RUNTIME_CLASS(CdataChunkModel)) || chunk.IsLeftInFile();
}

// The new bytes of every range that differs, when each chunk stands where the file has it with
// the size it has there, one after the other with their pad bytes; else nothing (the whole-file
// save then writes the new layout). Chunks whose payload stays in the file are not compared:
// their bytes are the file's own; no range may reach into the samples.
std::optional<std::vector<FileBytes>> PlanInPlace(const CRiffChunkModel& root, HMMIO hmmio) {
    const std::optional<CString> form = ReadAt(hmmio, 0, 4);
    if (!form || HeaderOf(root.m_ck.ckid, 0).compare(0, 4, *form) != 0) {
        return std::nullopt;
    }
    std::vector<FileBytes> ranges;
    std::int64_t expected = root.m_ck.llDataOffset + 4;
    for (CObject* pObject : root) {
        const auto& chunk = *static_cast<const CChunk*>(pObject);
        const std::int64_t offset = chunk.m_ck.llDataOffset;
        if (offset - 8 != expected) {
            return std::nullopt;
        }
        expected = offset + chunk.m_ck.llDataSize + (chunk.m_ck.llDataSize & 1);
        if (IsSamples(chunk)) {
            continue;
        }
        if (chunk.m_ck.llDataSize != chunk.DataSize() ||
            !AddChunkDifferences(chunk, hmmio, ranges)) {
            return std::nullopt;
        }
    }
    const std::int64_t end =
        root.UnwalkedOffset() >= 0
            ? root.UnwalkedOffset()
            : mmioFileSize(hmmio) - static_cast<std::int64_t>(root.TrailingBytes().size());
    const bool bTouchesSamples =
        std::any_of(ranges.begin(), ranges.end(), [&root](const FileBytes& range) {
            const std::int64_t rangeEnd =
                range.offset + static_cast<std::int64_t>(range.bytes.size());
            return range.offset < root.SampleOffset() + root.SampleBytes() &&
                   root.SampleOffset() < rangeEnd;
        });
    return expected == end && !bTouchesSamples ? std::optional(ranges) : std::nullopt;
}

std::optional<std::vector<FileBytes>> OldBytes(HMMIO hmmio, const std::vector<FileBytes>& ranges) {
    std::vector<FileBytes> old;
    for (const FileBytes& range : ranges) {
        std::optional<CString> bytes = ReadAt(hmmio, range.offset, range.bytes.size());
        if (!bytes) {
            return std::nullopt;
        }
        old.push_back({range.offset, std::move(*bytes)});
    }
    return old;
}

// Journal first, then the file; a write that fails puts the old bytes back at once, and when
// that fails too the journal stays for the next opening of the file to roll back.
CString WriteInPlace(const CString& strPath, HMMIO hmmio, const std::vector<FileBytes>& ranges) {
    const std::optional<std::vector<FileBytes>> old = OldBytes(hmmio, ranges);
    if (!old) {
        return "Couldn't read " + strPath + " before saving it";
    }
    if (CString strFailure = WriteJournal(strPath, hmmio, *old); !strFailure.empty()) {
        return "Couldn't save " + strPath + ":\r\n" + strFailure;
    }
    const FileIdentity before = FileIdentityOfDescriptor(mmioDescriptor(hmmio));
    const bool bWritten = WriteRanges(hmmio, ranges);
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
    if (WriteRanges(hmmio, *old) && RemoveJournal(strPath)) {
        return strFailure + "; it is as it was.";
    }
    return strFailure + "; its journal " + JournalPath(strPath) +
           " puts it back as it was when it is opened again.";
}

}  // namespace

CString SaveMetadata(CRiffChunkModel& root, const SaveOptions& options) {
    const CString& strPath = root.m_strOpenedPath;
    if (!options.bWholeFile) {
        CSaveSource source(strPath, root.LoadedFile());
        if (CString strFailure = source.Open(strPath, true); !strFailure.empty()) {
            if (source.Handle() == nullptr && !source.FoundChange()) {
                return root.SaveTree(strPath, {}, options);
            }
            return strFailure;
        }
        FitIntoFillerRoom(root);
        if (const auto ranges = PlanInPlace(root, source.Handle())) {
            return ranges->empty() ? CString() : WriteInPlace(strPath, source.Handle(), *ranges);
        }
    }
    return root.SaveTree(strPath, {}, options);
}
