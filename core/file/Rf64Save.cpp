#include "core/file/Rf64Save.h"

#include "core/chunks/DataChunkModel.h"
#include "core/chunks/RiffChunkModel.h"

namespace {

constexpr std::int64_t kLargestRiffForm = 0xFFFFFFFF;

bool WriteAt(HMMIO hmmio, std::int64_t offset, const BYTE* pBytes, DWORD nBytes) {
    const auto nCount = static_cast<LONG>(nBytes);
    return mmioSeek(hmmio, offset, SEEK_FROM_START) == offset &&
           mmioWrite(hmmio, reinterpret_cast<const char*>(pBytes), nCount) == nCount;
}

constexpr DWORD kStandIn = 0xFFFFFFFF;

// "See ds64" in the data chunk's size field where the loaded file had it, unless a reader would
// be misled: a ds64 chunk after the data chunk (a file that broke the order) is met only after
// the data, and a size of 0 there says "not known". A real size is kept as long as it fits.
bool NeedsStandIn(const CChunk& data, const CChunk& ds64, bool bLoadedStandIn) {
    const std::int64_t nSize = data.m_ck.llDataSize;
    return nSize > 0xFFFFFFFE ||
           (bLoadedStandIn && nSize > 0 && ds64.m_ck.llDataOffset < data.m_ck.llDataOffset);
}

}  // namespace

CRf64Save::CRf64Save(CRiffChunkModel& root, std::int64_t formSize)
    : m_root(root), m_formId(root.m_ck.ckid), m_bFormStandIn(root.m_ck.cksize == kStandIn) {
    const CChunk* pData = root.FirstOf<CdataChunkModel>();
    m_bDataStandIn = pData == nullptr || pData->m_ck.cksize == kStandIn;
    const FOURCC riff = mmioStringToFOURCC("RIFF", 0);
    if (!mmioIsFormId(m_formId)) {
        m_formId = riff;
    }
    if (m_formId == riff && formSize <= kLargestRiffForm) {
        return;
    }
    if (m_formId == riff) {
        m_formId = mmioStringToFOURCC("RF64", 0);
        m_bFormStandIn = true;
    }
    m_pWritten = root.FirstOf<Cds64ChunkModel>();
    if (m_pWritten != nullptr) {
        return;
    }
    m_pAdded = std::make_unique<Cds64ChunkModel>();
    m_pWritten = m_pAdded.get();
    m_pJunk = root.FirstChunk(mmioStringToFOURCC("JUNK", 0));
    if (!m_pAdded->MakePlain()) {
        m_pWritten = nullptr;
    }
}

CChunk& CRf64Save::InPlaceOf(CChunk& chunk) {
    return &chunk == m_pJunk && m_pAdded ? *m_pAdded : chunk;
}

bool CRf64Save::StoreSizes(HMMIO hmmio, const MMCKINFO& form) const {
    if (m_pWritten == nullptr || (m_pWritten->m_ck.dwFlags & MMIO_DIRTY) == 0 ||
        m_pWritten->DataSize() < Cds64ChunkModel::kPlainSize - 4) {
        return true;
    }
    const CChunk* pData = m_root.FirstOf<CdataChunkModel>();
    m_pWritten->StoreSizes(form.llDataSize, pData ? pData->m_ck.llDataSize : 0);
    const std::int64_t end = mmioSeek(hmmio, 0, SEEK_FROM_CURRENT);
    bool bWritten = end >= 0 && WriteAt(hmmio, m_pWritten->m_ck.llDataOffset, m_pWritten->Data(),
                                        Cds64ChunkModel::kPlainSize - 4);
    // The 32-bit sizes of the form and of the data chunk say "see ds64", as RF64 writers do,
    // where the loaded file had them say so or the size does not fit; real sizes stay.
    const BYTE standIn[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    if (m_bFormStandIn || form.llDataSize > 0xFFFFFFFE) {
        bWritten = bWritten && WriteAt(hmmio, form.llDataOffset - 4, standIn, 4);
    }
    if (pData && (pData->m_ck.dwFlags & MMIO_DIRTY) != 0 &&
        NeedsStandIn(*pData, *m_pWritten, m_bDataStandIn)) {
        bWritten = bWritten && WriteAt(hmmio, pData->m_ck.llDataOffset - 4, standIn, 4);
    }
    return bWritten && mmioSeek(hmmio, end, SEEK_FROM_START) == end;
}
