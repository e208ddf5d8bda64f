#include "core/chunks/RiffChunkModel.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "core/chunks/ChunkRegistry.h"
#include "core/chunks/Overview.h"
#include "core/chunks/OverviewText.h"
#include "core/file/LoadFailure.h"

IMPLEMENT_DYNCREATE(CRiffChunkModel, CChunk)

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
// error. rNext becomes where the next chunk starts.
BOOL MendMissingPad(HMMIO hmmio, const MMCKINFO& ck, std::int64_t fileSize, std::int64_t& rNext) {
    const std::int64_t padPlace = std::int64_t{ck.dwDataOffset} + ck.cksize;
    rNext = padPlace + (ck.cksize & 1);
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
    rNext = bPadMissing ? padPlace : padPlace + 1;
    return mmioSeek(hmmio, rNext, SEEK_FROM_START) == rNext ? TRUE : FALSE;
}

enum class Step { Next, End, Failed };

// Reads the chunk at the current position, rOffset, through the class registered for its id and
// appends it to the root; rOffset then moves on to the next chunk.
Step ReadNextChunk(HMMIO hmmio, CChunk& root, std::int64_t fileSize, std::int64_t& rOffset) {
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
    return MendMissingPad(hmmio, pRead->m_ck, fileSize, rOffset) ? Step::Next : Step::Failed;
}

// -1 when the walk reached the end of the file without error; else the offset of the chunk
// it could not read.
std::int64_t ReadTopLevelChunks(HMMIO hmmio, CChunk& root) {
    std::int64_t offset = mmioSeek(hmmio, 0, SEEK_FROM_CURRENT);
    // A search for the form that skipped a chunk ending past the 32-bit offset range stopped
    // there: no chunk beyond has an offset that a header record can hold.
    if (offset > kLastOffset) {
        return offset;
    }
    const std::int64_t fileSize = mmioFileSize(hmmio);
    Step step = Step::Next;
    while (step == Step::Next) {
        step = ReadNextChunk(hmmio, root, fileSize, offset);
    }
    return step == Step::End ? -1 : offset;
}

}  // namespace

CRiffChunkModel::CRiffChunkModel() {
    m_strName = "RIFF";
}

CRiffChunkModel::CRiffChunkModel(const CString& strId, BOOL bRegister) {
    Register(strId, bRegister);
}

CRiffChunkModel::~CRiffChunkModel() {
    DeleteChildren();
}

BOOL CRiffChunkModel::Load(const CString& strPath) {
    g_bHasBext = FALSE;
    m_strLoadFailure.clear();
    if (!IsRegularFile(strPath)) {
        m_strLoadFailure = ExplainOpenFailure(strPath);
        return FALSE;
    }
    HMMIO hmmio = mmioOpen(strPath.c_str(), nullptr, kLoadFlags);
    if (hmmio == nullptr) {
        m_strLoadFailure = ExplainOpenFailure(strPath);
        return FALSE;
    }
    m_loadedFile = FileIdentityOf(strPath);
    g_strOverview = kOverviewOfLoad;
    // Without a WAVE form the search stops at or beyond the end of the file, and the walk finds
    // nothing there.
    Read(hmmio, FALSE);
    const std::int64_t stop = ReadTopLevelChunks(hmmio, *this);
    const std::int64_t fileSize = mmioFileSize(hmmio);
    mmioClose(hmmio, 0);
    m_strPath = LowerCase(strPath);
    m_strOpenedPath = strPath;
    if (stop >= 0) {
        m_strLoadFailure = ExplainWalkFailure(strPath, stop, fileSize);
    } else if (IsEmpty()) {
        m_strLoadFailure = ExplainEmptyTree(strPath, fileSize);
    }
    return stop < 0 ? TRUE : FALSE;
}

BOOL CRiffChunkModel::Read(HMMIO hmmio, BOOL) {
    m_ck.fccType = mmioStringToFOURCC("WAVE", MMIO_TOUPPER);
    return mmioDescend(hmmio, &m_ck, nullptr, MMIO_FINDRIFF) == 0 ? TRUE : FALSE;
}

BOOL CRiffChunkModel::Write(HMMIO hmmio) {
    return mmioCreateChunk(hmmio, &m_ck, MMIO_CREATERIFF) == 0 ? TRUE : FALSE;
}

CString CRiffChunkModel::GetDescription() {
    CString strDescription;
    for (CObject* pChild : *this) {
        strDescription += static_cast<CChunk*>(pChild)->GetDescription();
    }
    return strDescription;
}
