// Writing the tree back: the form header, then every top-level chunk after the caller's step for
// it, into a target that takes the chosen file's place only once it is complete.

#include "core/file/RiffSave.h"

#include <algorithm>
#include <cerrno>
#include <limits>

#include "core/chunks/DataChunkModel.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/FileRange.h"
#include "core/file/Rf64Save.h"
#include "core/file/SaveSource.h"
#include "core/file/SaveTarget.h"
#include "core/integrity/SaveVerification.h"
#include "core/io/FileIdentity.h"

namespace {

// The bytes that a chunk's write puts after its header: what it holds, or for the data chunk
// the samples the loaded file still has from the chunk's offset on.
std::int64_t WrittenDataSize(const CChunk& chunk, std::int64_t sourceSize) {
    if (chunk.IsKindOf(RUNTIME_CLASS(CdataChunkModel)) || chunk.IsLeftInFile()) {
        const std::int64_t present =
            std::max<std::int64_t>(0, sourceSize - chunk.m_ck.llDataOffset);
        return std::min<std::int64_t>(chunk.m_ck.llDataSize, present);
    }
    if (chunk.IsKindOf(RUNTIME_CLASS(CRiffChunkModel))) {
        return 4;  // a form among the chunks is written as its header and form type
    }
    return chunk.DataSize();
}

// The size field the new form will have: chunks that stood after the loaded form's end are
// now inside it, and pad bytes that the loaded file lacked are added.
std::int64_t FormSize(const CRiffChunkModel& root, HMMIO hmmioSource) {
    const std::int64_t fileSize = mmioFileSize(hmmioSource);
    const std::int64_t sourceSize =
        fileSize < 0 ? std::numeric_limits<std::int64_t>::max() : fileSize;
    std::int64_t size = 4;
    for (CObject* pObject : root) {
        const std::int64_t data = WrittenDataSize(*static_cast<CChunk*>(pObject), sourceSize);
        size += 8 + data + (data & 1);
    }
    if (root.UnwalkedOffset() >= 0) {
        size += std::max<std::int64_t>(0, sourceSize - root.UnwalkedOffset());
    }
    return size;
}

CString ChunkId(const CChunk& chunk) {
    CString strId;
    for (int i = 0; i < 4; ++i) {
        strId += static_cast<char>(chunk.m_ck.ckid >> (8 * i));
    }
    return strId;
}

CString ChunkFailure(const CChunk& chunk, const CRiffChunkModel& root, const CSaveTarget& target) {
    const CString strReason = CSaveTarget::Reason(errno);
    if (chunk.IsKindOf(RUNTIME_CLASS(CdataChunkModel))) {
        return "Couldn't copy the samples of " + root.m_strOpenedPath + " to " + target.Path() +
               ":\r\n" + strReason;
    }
    return "Couldn't write the chunk \"" + ChunkId(chunk) + "\" to " + target.Path() + ":\r\n" +
           strReason;
}

// A payload left in the loaded file is copied from there after the header.
bool WriteLeftInFile(CChunk& chunk, HMMIO hmmio, HMMIO hmmioSource) {
    const std::int64_t offset = chunk.m_ck.llDataOffset;
    const std::int64_t size = chunk.m_ck.llDataSize;
    return chunk.Write(hmmio) && CopyFileRange(hmmioSource, offset, size, hmmio);
}

bool WriteChunk(CChunk& chunk, HMMIO hmmio, HMMIO hmmioSource) {
    errno = 0;
    const bool bWritten =
        chunk.IsLeftInFile() ? WriteLeftInFile(chunk, hmmio, hmmioSource) : chunk.Write(hmmio);
    if (!bWritten) {
        return false;
    }
    // The ascend sets the size to the bytes written and adds the pad byte after an odd size.
    return (chunk.m_ck.dwFlags & MMIO_DIRTY) == 0 || mmioAscend(hmmio, &chunk.m_ck, 0) == 0;
}

// One to seven bytes that followed the last whole chunk of the loaded file.
bool WriteTrailingBytes(HMMIO hmmio, const CString& strBytes) {
    const auto nBytes = static_cast<LONG>(strBytes.size());
    return mmioWrite(hmmio, strBytes.data(), nBytes) == nBytes;
}

// A RIFF form whose size covered the trailing bytes covers them again, so that its size agrees
// with the file as the loaded one's did (a later load takes a form shorter than its file for a
// recording that was never closed). Written after the form's close, which would pad them.
bool CoverTrailingBytes(HMMIO hmmio, const CRiffChunkModel& root) {
    if (!root.TrailingBytesInForm() || root.TrailingBytes().empty() ||
        root.m_ck.ckid != mmioStringToFOURCC("RIFF", 0)) {
        return true;
    }
    const DWORD dwSize = root.m_ck.cksize + static_cast<DWORD>(root.TrailingBytes().size());
    BYTE size[4];
    StoreLittleEndianAt(size, 0, 4, dwSize);
    const std::int64_t end = mmioSeek(hmmio, 0, SEEK_FROM_CURRENT);
    return end >= 0 && mmioSeek(hmmio, 4, SEEK_FROM_START) == 4 &&
           mmioWrite(hmmio, reinterpret_cast<const char*>(size), 4) == 4 &&
           mmioSeek(hmmio, end, SEEK_FROM_START) == end;
}

// Empty when the whole tree was written and the file is in place; else what failed. The target
// is gone by the time this returns, and with it any incomplete file.
CString WriteTree(CRiffChunkModel& root, const CString& strPath,
                  const CRiffChunkModel::ChunkStep& step, const SaveOptions& options,
                  CSaveSource& source) {
    CSaveTarget target(strPath, root.m_strOpenedPath, options.bMayTakeOver);
    CRf64Save rf64(root, FormSize(root, source.Handle()));
    if (!target.Open()) {
        return target.Failure();
    }
    const HMMIO hmmio = target.Handle();
    const HMMIO hmmioSource = source.Handle();
    const CSampleVerification verification(root);
    step(root);
    errno = 0;
    root.m_ck.ckid = rf64.FormId();
    if (!root.Write(hmmio)) {
        return "Couldn't write the RIFF header to " + target.Path() + ":\r\n" +
               CSaveTarget::Reason(errno);
    }
    if (Cds64ChunkModel* pAdded = rf64.Ds64AfterHeader();
        pAdded && !WriteChunk(*pAdded, hmmio, hmmioSource)) {
        return ChunkFailure(*pAdded, root, target);
    }
    for (CObject* pObject : root) {
        CChunk& chunk = rf64.InPlaceOf(*static_cast<CChunk*>(pObject));
        step(chunk);
        if (!WriteChunk(chunk, hmmio, hmmioSource)) {
            return ChunkFailure(chunk, root, target);
        }
    }
    errno = 0;
    if (root.UnwalkedOffset() >= 0 &&
        !CopyFileRange(hmmioSource, root.UnwalkedOffset(), std::numeric_limits<std::int64_t>::max(),
                       hmmio)) {
        return "Couldn't copy the bytes after the first " + std::to_string(root.GetCount()) +
               " chunks of " + root.m_strOpenedPath + " to " + target.Path() + ":\r\n" +
               CSaveTarget::Reason(errno);
    }
    if (mmioAscend(hmmio, &root.m_ck, 0) != 0 || !rf64.StoreSizes(hmmio, root.m_ck) ||
        !WriteTrailingBytes(hmmio, root.TrailingBytes()) || !CoverTrailingBytes(hmmio, root)) {
        return "Couldn't close the RIFF form of " + target.Path() + ":\r\n" +
               CSaveTarget::Reason(errno);
    }
    if (const CString strDiffers = verification.Verify(root, hmmio, target.Path());
        !strDiffers.empty()) {
        return "Couldn't save " + strPath + ":\r\n" + strDiffers;
    }
    // The copy read the file as loaded; one replaced or rewritten meanwhile is not replaced.
    if (CString strChanged = source.CheckUnchanged(strPath); !strChanged.empty()) {
        return strChanged;
    }
    return target.Finish([&] { return source.CheckUnchanged(strPath); }) ? CString()
                                                                         : target.Failure();
}

}  // namespace

CString SaveTree(CRiffChunkModel& root, const CString& strPath,
                 const CRiffChunkModel::ChunkStep& step, const SaveOptions& options) {
    if (root.LoadSawError()) {
        return NotLoaded(strPath, root.LoadFailure());
    }
    CSaveSource source(root.m_strOpenedPath, root.LoadedFile());
    if (CString strFailure = source.Open(strPath); !strFailure.empty()) {
        return strFailure;
    }
    root.SetSaveSourceHandle(source.Handle());
    CString strFailure = WriteTree(
        root, strPath, step ? step : [](CChunk&) {}, options, source);
    root.SetSaveSourceHandle(nullptr);
    return strFailure;
}
