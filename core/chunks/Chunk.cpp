#include "core/chunks/Chunk.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "core/base/LittleEndian.h"
#include "core/chunks/ChunkRegistry.h"

IMPLEMENT_DYNCREATE(CChunk, CObList)

namespace {

// mmioRead and mmioWrite count in 32-bit signed units; larger payloads go in pieces.
constexpr DWORD kLargestRequest = 0x40000000;

// The number of payload bytes the file can back: the declared size, or less when the file
// ends first, so that a size field claiming gigabytes never allocates them.
DWORD BytesBackedByFile(HMMIO hmmio, const MMCKINFO& ck) {
    const std::int64_t fileSize = mmioFileSize(hmmio);
    if (fileSize < 0) {
        return ck.cksize;
    }
    const std::int64_t available = std::max<std::int64_t>(0, fileSize - ck.llDataOffset);
    return static_cast<DWORD>(std::min<std::int64_t>(ck.cksize, available));
}

void ReadInto(HMMIO hmmio, BYTE* pBuffer, DWORD nSize) {
    for (DWORD done = 0; done < nSize;) {
        const LONG request = static_cast<LONG>(std::min(nSize - done, kLargestRequest));
        const LONG got = mmioRead(hmmio, reinterpret_cast<char*>(pBuffer + done), request);
        if (got <= 0) {
            return;
        }
        done += static_cast<DWORD>(got);
    }
}

bool WriteFrom(HMMIO hmmio, const BYTE* pBuffer, DWORD nSize) {
    for (DWORD done = 0; done < nSize;) {
        const LONG request = static_cast<LONG>(std::min(nSize - done, kLargestRequest));
        // A short count is the file system running out of room: the chunk is not all there.
        if (mmioWrite(hmmio, reinterpret_cast<const char*>(pBuffer + done), request) != request) {
            return false;
        }
        done += static_cast<DWORD>(request);
    }
    return true;
}

}  // namespace

CChunk::CChunk() = default;

CChunk::~CChunk() = default;

void CChunk::Register(const CString& strId) {
    m_ck.ckid = mmioStringToFOURCC(strId.c_str(), MMIO_TOUPPER);
    m_strName = strId;
    g_chunkRegistry.Add(this);
}

bool CChunk::SetData(const BYTE* pBytes, DWORD nSize) {
    std::unique_ptr<BYTE[]> pCopy(new (std::nothrow) BYTE[nSize > 0 ? nSize : 1]);
    if (!pCopy) {
        return false;
    }
    std::copy(pBytes, pBytes + nSize, pCopy.get());
    m_pData = std::move(pCopy);
    m_nDataSize = nSize;
    m_ck.cksize = nSize;
    m_ck.llDataSize = nSize;
    OnPayloadReplaced();
    return true;
}

CString CChunk::PayloadText() const {
    return m_pData ? CString(reinterpret_cast<const char*>(m_pData.get()), m_nDataSize) : CString();
}

bool CChunk::SetPayloadText(const CString& strPayload) {
    return SetData(reinterpret_cast<const BYTE*>(strPayload.data()),
                   static_cast<DWORD>(strPayload.size()));
}

bool CChunk::AllocateData(DWORD nSize) {
    m_pData.reset();
    m_nDataSize = 0;
    if (nSize == 0) {
        return true;
    }
    m_pData.reset(new (std::nothrow) BYTE[nSize]());
    if (!m_pData) {
        return false;
    }
    m_nDataSize = nSize;
    return true;
}

BOOL CChunk::Read(HMMIO hmmio, BOOL bLoad) {
    if (mmioDescend(hmmio, &m_ck, nullptr, MMIO_FINDCHUNK) != 0) {
        return FALSE;
    }
    m_bLeftInFile = bLoad && BytesBackedByFile(hmmio, m_ck) > kLargestHeld;
    if (bLoad && m_ck.cksize > 0 && !m_bLeftInFile) {
        if (!AllocateData(BytesBackedByFile(hmmio, m_ck))) {
            return FALSE;
        }
        // The whole data portion, so a LIST payload begins with its list type.
        if (mmioSeek(hmmio, m_ck.llDataOffset, SEEK_FROM_START) >= 0) {
            ReadInto(hmmio, m_pData.get(), m_nDataSize);
        }
    }
    return mmioAscend(hmmio, &m_ck, 0) == 0 ? TRUE : FALSE;
}

BOOL CChunk::Write(HMMIO hmmio) {
    if (mmioCreateChunk(hmmio, &m_ck, 0) != 0) {
        return FALSE;
    }
    if (m_pData && !WriteFrom(hmmio, m_pData.get(), m_nDataSize)) {
        return FALSE;
    }
    return TRUE;
}

CString CChunk::GetDescription() {
    char size[32];
    std::snprintf(size, sizeof size, "cksize = %X\r\n", static_cast<unsigned>(m_ck.cksize));
    return "ckid = " + m_strName + "\r\n" + size;
}

void CChunk::AddChild(CChunk* pChild) {
    // Only a chunk that names this one as its parent can be in the list already.
    if (pChild->m_pParent == this && Find(pChild)) {
        return;
    }
    AddTail(pChild);
    pChild->m_pParent = this;
}

void CChunk::DeleteChildren() {
    for (CObject* pChild : *this) {
        delete pChild;
    }
    RemoveAll();
}

CChunk* CChunk::GetChild(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetCount()) {
        return nullptr;
    }
    return static_cast<CChunk*>(*(begin() + nIndex));
}

int CopyTextToField(const CString* pText, BYTE* pField, int nLen) {
    if (nLen <= 0 || !pField) {
        return 0;
    }
    const std::size_t nText = pText ? pText->size() : 0;
    for (int i = 0; i < nLen; ++i) {
        const auto index = static_cast<std::size_t>(i);
        pField[i] = index < nText ? static_cast<BYTE>((*pText)[index]) : 0;
    }
    return nLen;
}
