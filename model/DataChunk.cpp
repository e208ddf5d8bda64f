#include "model/DataChunk.h"

#include <algorithm>
#include <array>

#include "model/RiffChunk.h"

IMPLEMENT_DYNCREATE(CdataChunk, CChunk)

namespace {

// A recording that was never closed leaves this in the size field: its samples run to the end of
// the file, and so does the walk, whose offsets could not go past it anyway.
constexpr DWORD kUnclosedSize = 0xFFFFFFFF;
constexpr DWORD kSourceFlags = MMIO_READ | MMIO_DENYNONE;
constexpr DWORD kPassSize = 12000;

const CRiffChunk* LoadedRoot(const CChunk* pChunk) {
    while (pChunk->m_pParent != nullptr) {
        pChunk = pChunk->m_pParent;
    }
    return pChunk->IsKindOf(RUNTIME_CLASS(CRiffChunk)) ? static_cast<const CRiffChunk*>(pChunk)
                                                       : nullptr;
}

// One read and one write per pass, so the samples never pass through more memory than a pass.
void CopySamples(HMMIO hmmioSource, HMMIO hmmioTarget, DWORD nSize) {
    std::array<char, kPassSize> buffer;
    for (DWORD nCopied = 0; nCopied != nSize;) {
        const auto nRequest = static_cast<LONG>(std::min(nSize - nCopied, kPassSize));
        const LONG nGot = mmioRead(hmmioSource, buffer.data(), nRequest);
        if (nGot <= 0 || mmioWrite(hmmioTarget, buffer.data(), nGot) != nGot) {
            return;
        }
        nCopied += static_cast<DWORD>(nGot);
    }
}

}  // namespace

CdataChunk::CdataChunk(const CString& strId, BOOL bRegister) {
    Register(strId, bRegister);
}

BOOL CdataChunk::Read(HMMIO hmmio, BOOL) {
    if (mmioDescend(hmmio, &m_ck, nullptr, MMIO_FINDCHUNK) != 0) {
        return FALSE;
    }
    if (m_ck.cksize == kUnclosedSize) {
        const std::int64_t end = mmioFileSize(hmmio);
        return end >= 0 && mmioSeek(hmmio, end, SEEK_FROM_START) == end ? TRUE : FALSE;
    }
    return mmioAscend(hmmio, &m_ck, 0) == 0 ? TRUE : FALSE;
}

BOOL CdataChunk::Write(HMMIO hmmio) {
    const std::int64_t sampleOffset = m_ck.dwDataOffset;  // creating the chunk moves it
    if (!CChunk::Write(hmmio)) {
        return FALSE;
    }
    const CRiffChunk* pRoot = LoadedRoot(this);
    if (pRoot == nullptr) {
        return FALSE;
    }
    // The path as opened, not the lower-cased one: the file system may tell cases apart.
    HMMIO hmmioSource = mmioOpen(pRoot->m_strOpenedPath.c_str(), nullptr, kSourceFlags);
    if (hmmioSource == nullptr) {
        return FALSE;
    }
    const bool bPositioned = mmioSeek(hmmioSource, sampleOffset, SEEK_FROM_START) == sampleOffset;
    if (bPositioned) {
        CopySamples(hmmioSource, hmmio, m_ck.cksize);
    }
    mmioClose(hmmioSource, 0);
    return bPositioned ? TRUE : FALSE;
}

CString CdataChunk::GetDescription() {
    return "Data Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}

CChunkPage* CdataChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(134, pParent, this);
    }
    return &m_page;
}
