#include "model/RiffChunk.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "model/ChunkRegistry.h"
#include "model/Overview.h"

IMPLEMENT_DYNCREATE(CRiffChunk, CChunk)

namespace {

constexpr DWORD kLoadFlags = MMIO_READWRITE | MMIO_DENYNONE;
constexpr std::int64_t kLastOffset = 0xFFFFFFFF;

// A FIFO would block the open and a device such as /dev/zero would feed the walk empty chunks
// for ever; a folder holds no chunks at all.
bool IsRegularFile(const CString& strPath) {
    std::error_code error;
    return std::filesystem::is_regular_file(strPath, error);
}

// ASCII only, as the path's other bytes belong to whatever encoding the name was written in.
CString LowerCase(CString strText) {
    for (char& c : strText) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return strText;
}

bool IsPrintable(BYTE c) {
    return c >= 0x20 && c <= 0x7E;
}

// A header that a writer could have meant: an id of printable characters and a size that fits
// in the file.
bool IsPlausibleHeader(const BYTE* pHeader, std::int64_t offset, std::int64_t fileSize) {
    if (offset + 8 > fileSize) {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        if (!IsPrintable(pHeader[i])) {
            return false;
        }
    }
    DWORD size = 0;
    AddLittleEndian(&size, pHeader + 4, 4);
    return offset + 8 + size <= fileSize;
}

// Some writers leave out the pad byte after an odd-sized chunk, and the walk then lands one byte
// late, inside the next header. When a plausible header starts on the pad's place (so the byte
// there is not zero, which is no id character) and none starts one byte later, the next chunk is
// taken to start on the pad's place; otherwise it starts after the pad. FALSE on a read or seek
// error.
BOOL MendMissingPad(HMMIO hmmio, const MMCKINFO& ck, std::int64_t fileSize) {
    const std::int64_t padPlace = std::int64_t{ck.dwDataOffset} + ck.cksize;
    if ((ck.cksize & 1) == 0 || padPlace + 8 > fileSize) {
        return TRUE;
    }
    BYTE bytes[9] = {};
    if (mmioSeek(hmmio, padPlace, SEEK_FROM_START) != padPlace ||
        mmioRead(hmmio, reinterpret_cast<char*>(bytes), sizeof bytes) < 0) {
        return FALSE;
    }
    const bool bPadMissing = IsPlausibleHeader(bytes, padPlace, fileSize) &&
                             !IsPlausibleHeader(bytes + 1, padPlace + 1, fileSize);
    const std::int64_t next = bPadMissing ? padPlace : padPlace + 1;
    return mmioSeek(hmmio, next, SEEK_FROM_START) == next ? TRUE : FALSE;
}

enum class Step { Next, End, Failed };

// Reads the chunk at the current position through the class registered for its id and appends
// it to the root.
Step ReadNextChunk(HMMIO hmmio, CChunk& root, std::int64_t fileSize) {
    char id[5] = {};
    const LONG nGot = mmioRead(hmmio, id, 4);
    if (nGot == 0) {
        return Step::End;
    }
    // With 1 to 3 bytes the chunk's own read fails: fewer than 8 bytes are left.
    if (nGot < 0 || mmioSeek(hmmio, -nGot, SEEK_FROM_CURRENT) < 0) {
        return Step::Failed;
    }
    std::unique_ptr<CChunk> pChunk(g_chunkRegistry.CreateChunk(CString(id)));
    if (!pChunk || !pChunk->Read(hmmio, TRUE)) {
        return Step::Failed;
    }
    CChunk* pRead = pChunk.release();
    root.AddChild(pRead);
    return MendMissingPad(hmmio, pRead->m_ck, fileSize) ? Step::Next : Step::Failed;
}

// TRUE when the walk reached the end of the file without error.
BOOL ReadTopLevelChunks(HMMIO hmmio, CChunk& root) {
    // A search for the form that skipped a chunk ending past the 32-bit offset range stopped
    // there: no chunk beyond has an offset that a header record can hold.
    if (mmioSeek(hmmio, 0, SEEK_FROM_CURRENT) > kLastOffset) {
        return FALSE;
    }
    const std::int64_t fileSize = mmioFileSize(hmmio);
    Step step = Step::Next;
    while (step == Step::Next) {
        step = ReadNextChunk(hmmio, root, fileSize);
    }
    return step == Step::End ? TRUE : FALSE;
}

}  // namespace

CRiffChunk::CRiffChunk() {
    m_strName = "RIFF";
}

CRiffChunk::CRiffChunk(const CString& strId, BOOL bRegister) {
    Register(strId, bRegister);
}

CRiffChunk::~CRiffChunk() {
    DeleteChildren();
}

BOOL CRiffChunk::Load(const CString& strPath) {
    g_bHasBext = FALSE;
    if (!IsRegularFile(strPath)) {
        return FALSE;
    }
    HMMIO hmmio = mmioOpen(strPath.c_str(), nullptr, kLoadFlags);
    if (hmmio == nullptr) {
        return FALSE;
    }
    g_strOverview = "RIFF WAVE file.\r\n\r\n";
    // Without a WAVE form the search stops at or beyond the end of the file, and the walk finds
    // nothing there.
    Read(hmmio, FALSE);
    const BOOL bResult = ReadTopLevelChunks(hmmio, *this);
    mmioClose(hmmio, 0);
    m_strPath = LowerCase(strPath);
    m_strOpenedPath = strPath;
    return bResult;
}

BOOL CRiffChunk::Read(HMMIO hmmio, BOOL) {
    m_ck.fccType = mmioStringToFOURCC("WAVE", MMIO_TOUPPER);
    return mmioDescend(hmmio, &m_ck, nullptr, MMIO_FINDRIFF) == 0 ? TRUE : FALSE;
}

BOOL CRiffChunk::Write(HMMIO hmmio) {
    return mmioCreateChunk(hmmio, &m_ck, MMIO_CREATERIFF) == 0 ? TRUE : FALSE;
}

CString CRiffChunk::GetDescription() {
    CString strDescription;
    for (CObject* pChild : *this) {
        strDescription += static_cast<CChunk*>(pChild)->GetDescription();
    }
    return strDescription;
}

CChunkPage* CRiffChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(135, pParent, this);
    }
    return &m_page;
}
