// Writing the tree back: the form header, then every top-level chunk with the values its page
// shows, into a target that takes the loaded file's place only once it is complete.

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <limits>
#include <system_error>

#include "framework/MessageBox.h"
#include "model/DataChunk.h"
#include "model/RiffChunk.h"
#include "core/file/SaveTarget.h"
#include "pages/ChunkPage.h"

namespace {

constexpr std::int64_t kLargestForm = 0xFFFFFFFF;

// The bytes that a chunk's write puts after its header: what it holds, or for the data chunk
// the samples the loaded file still has from the chunk's offset on.
std::int64_t WrittenDataSize(const CChunk& chunk, std::int64_t sourceSize) {
    if (chunk.IsKindOf(RUNTIME_CLASS(CdataChunk))) {
        const std::int64_t present =
            std::max<std::int64_t>(0, sourceSize - chunk.m_ck.dwDataOffset);
        return std::min<std::int64_t>(chunk.m_ck.cksize, present);
    }
    if (chunk.IsKindOf(RUNTIME_CLASS(CRiffChunk))) {
        return 4;  // a form among the chunks is written as its header and form type
    }
    return chunk.DataSize();
}

// The size field the new form will have: chunks that stood after the loaded form's end are
// now inside it, and pad bytes that the loaded file lacked are added.
std::int64_t FormSize(const CRiffChunk& root) {
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

CString ChunkFailure(const CChunk& chunk, const CRiffChunk& root, const CSaveTarget& target) {
    const CString strReason = CSaveTarget::Reason(errno);
    if (chunk.IsKindOf(RUNTIME_CLASS(CdataChunk))) {
        return "Couldn't copy the samples of " + root.m_strOpenedPath + " to " + target.Path() +
               ":\r\n" + strReason;
    }
    return "Couldn't write the chunk \"" + ChunkId(chunk) + "\" to " + target.Path() + ":\r\n" +
           strReason;
}

// Each page stores its values into its chunk just before the chunk is written.
bool WriteChunk(CChunk& chunk, HMMIO hmmio) {
    if (CChunkPage* pPage = chunk.CreatePage(nullptr)) {
        pPage->UpdateChunk();
    }
    errno = 0;
    if (!chunk.Write(hmmio)) {
        return false;
    }
    // The ascend sets the size to the bytes written and adds the pad byte after an odd size.
    return (chunk.m_ck.dwFlags & MMIO_DIRTY) == 0 || mmioAscend(hmmio, &chunk.m_ck, 0) == 0;
}

// Empty when the whole tree was written and the file is in place; else what failed. The target
// is gone by the time this returns, and with it any incomplete file.
CString WriteTree(CRiffChunk& root, const CString& strPath) {
    CSaveTarget target(strPath, root.m_strOpenedPath);
    if (FormSize(root) > kLargestForm) {
        return "Couldn't save " + strPath +
               ":\r\nthe file would be larger than a RIFF file can be (4 GiB).";
    }
    if (!target.Open()) {
        return target.Failure();
    }
    const HMMIO hmmio = target.Handle();
    root.m_page.UpdateChunk();
    errno = 0;
    if (!root.Write(hmmio)) {
        return "Couldn't write the RIFF header to " + target.Path() + ":\r\n" +
               CSaveTarget::Reason(errno);
    }
    for (CObject* pObject : root) {
        auto* pChunk = static_cast<CChunk*>(pObject);
        if (!WriteChunk(*pChunk, hmmio)) {
            return ChunkFailure(*pChunk, root, target);
        }
    }
    errno = 0;
    if (mmioAscend(hmmio, &root.m_ck, 0) != 0) {
        return "Couldn't close the RIFF form of " + target.Path() + ":\r\n" +
               CSaveTarget::Reason(errno);
    }
    return target.Finish() ? CString() : target.Failure();
}

}  // namespace

BOOL CRiffChunk::Save(const CString& strPath) {
    const CString strFailure = WriteTree(*this, strPath);
    if (!strFailure.empty()) {
        AfxMessageBox(strFailure, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}
