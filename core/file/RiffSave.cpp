// Writing the tree back: the form header, then every top-level chunk after the caller's step for
// it, into a target that takes the chosen file's place only once it is complete.

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <limits>
#include <system_error>

#include "core/chunks/DataChunkModel.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/FileIdentity.h"
#include "core/file/SaveTarget.h"
#include "core/integrity/SaveVerification.h"

namespace {

constexpr std::int64_t kLargestForm = 0xFFFFFFFF;

// The bytes that a chunk's write puts after its header: what it holds, or for the data chunk
// the samples the loaded file still has from the chunk's offset on.
std::int64_t WrittenDataSize(const CChunk& chunk, std::int64_t sourceSize) {
    if (chunk.IsKindOf(RUNTIME_CLASS(CdataChunkModel))) {
        const std::int64_t present =
            std::max<std::int64_t>(0, sourceSize - chunk.m_ck.dwDataOffset);
        return std::min<std::int64_t>(chunk.m_ck.cksize, present);
    }
    if (chunk.IsKindOf(RUNTIME_CLASS(CRiffChunkModel))) {
        return 4;  // a form among the chunks is written as its header and form type
    }
    return chunk.DataSize();
}

// The size field the new form will have: chunks that stood after the loaded form's end are
// now inside it, and pad bytes that the loaded file lacked are added.
std::int64_t FormSize(const CRiffChunkModel& root) {
    std::error_code error;
    const auto fileSize = std::filesystem::file_size(root.m_strOpenedPath, error);
    const std::int64_t sourceSize =
        error ? std::numeric_limits<std::int64_t>::max() : static_cast<std::int64_t>(fileSize);
    std::int64_t size = 4;
    for (CObject* pObject : root) {
        const std::int64_t data = WrittenDataSize(*static_cast<CChunk*>(pObject), sourceSize);
        size += 8 + data + (data & 1);
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

bool WriteChunk(CChunk& chunk, HMMIO hmmio, const CString& strSource) {
    errno = 0;
    auto* pData = dynamic_cast<CdataChunkModel*>(&chunk);
    if (!(pData ? pData->WriteFrom(hmmio, strSource) : chunk.Write(hmmio))) {
        return false;
    }
    // The ascend sets the size to the bytes written and adds the pad byte after an odd size.
    return (chunk.m_ck.dwFlags & MMIO_DIRTY) == 0 || mmioAscend(hmmio, &chunk.m_ck, 0) == 0;
}

// Empty when the whole tree was written and the file is in place; else what failed. The target
// is gone by the time this returns, and with it any incomplete file.
CString WriteTree(CRiffChunkModel& root, const CString& strPath,
                  const CRiffChunkModel::ChunkStep& step) {
    CSaveTarget target(strPath, root.m_strOpenedPath);
    if (FormSize(root) > kLargestForm) {
        return "Couldn't save " + strPath +
               ":\r\nthe file would be larger than a RIFF file can be (4 GiB).";
    }
    if (FileIdentityOf(root.m_strOpenedPath) != root.LoadedFile()) {
        return "Couldn't save " + strPath + ":\r\n" + root.m_strOpenedPath +
               " was changed or replaced by another program since it was opened; open it "
               "again before saving.";
    }
    if (!target.Open()) {
        return target.Failure();
    }
    const HMMIO hmmio = target.Handle();
    const CSampleVerification verification(root);
    step(root);
    errno = 0;
    if (!root.Write(hmmio)) {
        return "Couldn't write the RIFF header to " + target.Path() + ":\r\n" +
               CSaveTarget::Reason(errno);
    }
    for (CObject* pObject : root) {
        auto* pChunk = static_cast<CChunk*>(pObject);
        step(*pChunk);
        if (!WriteChunk(*pChunk, hmmio, root.m_strOpenedPath)) {
            return ChunkFailure(*pChunk, root, target);
        }
    }
    errno = 0;
    if (mmioAscend(hmmio, &root.m_ck, 0) != 0) {
        return "Couldn't close the RIFF form of " + target.Path() + ":\r\n" +
               CSaveTarget::Reason(errno);
    }
    if (const CString strDiffers = verification.Verify(root, hmmio, target.Path());
        !strDiffers.empty()) {
        return "Couldn't save " + strPath + ":\r\n" + strDiffers;
    }
    return target.Finish() ? CString() : target.Failure();
}

}  // namespace

CString CRiffChunkModel::SaveTree(const CString& strPath, const ChunkStep& step) {
    return WriteTree(
        *this, strPath, step ? step : [](CChunk&) {});
}
