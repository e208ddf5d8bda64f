#include "core/chunks/DataChunkModel.h"

#include <algorithm>
#include <array>

#include "core/chunks/RiffChunkModel.h"

IMPLEMENT_DYNCREATE(CdataChunkModel, CChunk)

namespace {

// RF64 and a recording that was never closed leave this in the size field: the walk that knows
// the real size (from the ds64 chunk, or the file's end) places the next chunk.
constexpr DWORD kStandInSize = 0xFFFFFFFF;
constexpr DWORD kSourceFlags = MMIO_READ | MMIO_DENYNONE;
constexpr DWORD kPassSize = 12000;

// Whether a read that found nothing at nPosition stands at the source file's real end. One that
// finds an end inside the file would leave samples behind that the file still holds.
bool AtEndOfFile(HMMIO hmmioSource, std::int64_t nPosition) {
    const std::int64_t nFileSize = mmioFileSize(hmmioSource);
    return nFileSize >= 0 && nFileSize <= nPosition;
}

// One read and one write per pass, so the samples never pass through more memory than a pass.
// The source's end stops the copy without error (a file cut short holds fewer samples than its
// header says); a read error or a write that comes up short fails it.
bool CopySamples(HMMIO hmmioSource, std::int64_t nOffset, HMMIO hmmioTarget, std::int64_t nSize) {
    std::array<char, kPassSize> buffer;
    for (std::int64_t nCopied = 0; nCopied != nSize;) {
        const auto nRequest = static_cast<LONG>(std::min<std::int64_t>(nSize - nCopied, kPassSize));
        const LONG nGot = mmioRead(hmmioSource, buffer.data(), nRequest);
        if (nGot == 0) {
            return AtEndOfFile(hmmioSource, nOffset + nCopied);
        }
        if (nGot < 0 || mmioWrite(hmmioTarget, buffer.data(), nGot) != nGot) {
            return false;
        }
        nCopied += nGot;
    }
    return true;
}

}  // namespace

BOOL CdataChunkModel::Read(HMMIO hmmio, BOOL) {
    if (mmioDescend(hmmio, &m_ck, nullptr, MMIO_FINDCHUNK) != 0) {
        return FALSE;
    }
    if (m_ck.cksize == kStandInSize) {
        return TRUE;
    }
    return mmioAscend(hmmio, &m_ck, 0) == 0 ? TRUE : FALSE;
}

// The loaded file through the save's own descriptor while a save runs, so the samples come from
// the file as loaded; outside a save, the loaded file opened by its path.
BOOL CdataChunkModel::Write(HMMIO hmmio) {
    const auto* pRoot = ClassCast<const CRiffChunkModel>(m_pParent);
    if (pRoot != nullptr && pRoot->SaveSourceHandle() != nullptr) {
        return WriteFrom(hmmio, pRoot->SaveSourceHandle());
    }
    return WriteFrom(hmmio, pRoot != nullptr ? pRoot->m_strOpenedPath : CString());
}

BOOL CdataChunkModel::WriteFrom(HMMIO hmmio, const CString& strSource) {
    HMMIO hmmioSource =
        strSource.empty() ? nullptr : mmioOpen(strSource.c_str(), nullptr, kSourceFlags);
    if (hmmioSource == nullptr) {
        // The header still stands, so the target's chunk closes as an empty one.
        CChunk::Write(hmmio);
        return FALSE;
    }
    const BOOL bResult = WriteFrom(hmmio, hmmioSource);
    mmioClose(hmmioSource, 0);
    return bResult;
}

BOOL CdataChunkModel::WriteFrom(HMMIO hmmio, HMMIO hmmioSource) {
    // Creating the chunk moves these to the target's.
    const std::int64_t sampleOffset = m_ck.llDataOffset;
    const std::int64_t sampleSize = m_ck.llDataSize;
    // Written into itself, the file would lose the samples before they are read: refused before
    // a byte is written.
    if (mmioSameFile(hmmioSource, hmmio) || !CChunk::Write(hmmio)) {
        return FALSE;
    }
    return mmioSeek(hmmioSource, sampleOffset, SEEK_FROM_START) == sampleOffset &&
                   CopySamples(hmmioSource, sampleOffset, hmmio, sampleSize)
               ? TRUE
               : FALSE;
}

CString CdataChunkModel::GetDescription() {
    return "Data Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}
