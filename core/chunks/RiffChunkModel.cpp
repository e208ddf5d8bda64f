#include "core/chunks/RiffChunkModel.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "core/chunks/ChunkRegistry.h"
#include "core/chunks/DataChunkModel.h"
#include "core/chunks/DataSizeMend.h"
#include "core/chunks/LoadFailure.h"
#include "core/chunks/OverviewText.h"
#include "core/chunks/SampleFrames.h"
#include "core/chunks/ds64ChunkModel.h"
#include "core/chunks/fmtChunkModel.h"
#include "core/io/InterruptedSave.h"

IMPLEMENT_DYNCREATE(CRiffChunkModel, CChunk)

namespace {

// Reading only: a file the user may read is shown, whether or not it may be written.
constexpr DWORD kLoadFlags = MMIO_READ | MMIO_DENYNONE;

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

// Some writers leave out the pad byte after an odd-sized chunk, and the walk then lands one byte
// late, inside the next header. When a header with a printable id starts on the pad's place (so
// the byte there is not zero, which is no id character), whether or not its size fits the file
// (a recording cut off after it), and none that fits starts one byte later, the next chunk is
// taken to start on the pad's place. Otherwise the walk goes on where the chunk's read left it
// (after the pad, or inside a form among the chunks). FALSE on a read or seek error. rNext
// becomes where the next chunk starts.
BOOL MendMissingPad(HMMIO hmmio, const MMCKINFO& ck, std::int64_t fileSize, std::int64_t& rNext) {
    rNext = mmioSeek(hmmio, 0, SEEK_FROM_CURRENT);
    const std::int64_t padPlace = ck.llDataOffset + ck.llDataSize;
    if ((ck.llDataSize & 1) != 0 && rNext == padPlace + 1 &&
        IsPlausibleHeaderAt(hmmio, padPlace, fileSize, false) &&
        !IsPlausibleHeaderAt(hmmio, padPlace + 1, fileSize, true)) {
        rNext = padPlace;
    }
    return rNext >= 0 && mmioSeek(hmmio, rNext, SEEK_FROM_START) == rNext ? TRUE : FALSE;
}

// The data chunk's read took its header's size; the real one may differ (see MendedDataSize),
// and the walk goes on after it. FALSE on a seek error.
bool MendDataSize(HMMIO hmmio, const CRiffChunkModel& root, CChunk& chunk, std::int64_t fileSize) {
    if (!chunk.IsKindOf(RUNTIME_CLASS(CdataChunkModel))) {
        return true;
    }
    MMCKINFO& ck = chunk.m_ck;
    ck.llDataSize =
        MendedDataSize(hmmio, root.m_ck, ck, root.FirstOf<const Cds64ChunkModel>(), fileSize);
    const std::int64_t end = ck.llDataOffset + ck.llDataSize + (ck.llDataSize & 1);
    return mmioSeek(hmmio, end, SEEK_FROM_START) == end;
}

enum class Step { Next, End, Failed };

// Reads the chunk at the current position, rOffset, through the class registered for its id and
// appends it to the root; rOffset then moves on to the next chunk. One to seven bytes left are
// no chunk: they end the walk, kept in rTrailing for a save to write back.
Step ReadNextChunk(HMMIO hmmio, CRiffChunkModel& root, std::int64_t fileSize, std::int64_t& rOffset,
                   CString& rTrailing) {
    char id[8] = {};
    const LONG nGot = mmioRead(hmmio, id, 8);
    if (nGot == 0) {
        return Step::End;
    }
    if (nGot > 0 && nGot < 8 && rOffset + nGot == fileSize) {
        rTrailing.assign(id, static_cast<std::size_t>(nGot));
        return Step::End;
    }
    if (nGot < 0 || mmioSeek(hmmio, -nGot, SEEK_FROM_CURRENT) < 0) {
        return Step::Failed;
    }
    id[4] = '\0';
    std::unique_ptr<CChunk> pChunk(g_chunkRegistry.CreateChunk(CString(id)));
    if (!pChunk || !pChunk->Read(hmmio, TRUE)) {
        return Step::Failed;
    }
    CChunk* pRead = pChunk.release();
    root.AddChild(pRead);
    const bool bMended = MendDataSize(hmmio, root, *pRead, fileSize) &&
                         MendMissingPad(hmmio, pRead->m_ck, fileSize, rOffset);
    return bMended ? Step::Next : Step::Failed;
}

// -1 when the walk reached the end of the file without error, or the most chunks a load takes
// (then rUnwalked is where it stopped); else the offset of the chunk it could not read.
std::int64_t ReadTopLevelChunks(HMMIO hmmio, CRiffChunkModel& root, CString& rTrailing,
                                std::int64_t& rUnwalked) {
    std::int64_t offset = mmioSeek(hmmio, 0, SEEK_FROM_CURRENT);
    const std::int64_t fileSize = mmioFileSize(hmmio);
    Step step = Step::Next;
    while (step == Step::Next && root.GetCount() < CRiffChunkModel::kMostChunks) {
        step = ReadNextChunk(hmmio, root, fileSize, offset, rTrailing);
    }
    if (step == Step::Next && offset < fileSize) {
        rUnwalked = offset;
    }
    return step == Step::Failed ? offset : -1;
}

// Empty when every system call of the load worked; else the first that failed. The descriptor's
// identity comes from a status query of its own, which fails on its own too.
CString ReadFailure(HMMIO hmmio, const FileIdentity& loaded, int identityError) {
    if (!loaded.bKnown) {
        return CString("fstat of the open file failed: ") + std::strerror(identityError);
    }
    return mmioFailure(hmmio);
}

CString UnwalkedNote(std::int64_t unwalked, std::int64_t fileSize) {
    return "only the first " + std::to_string(CRiffChunkModel::kMostChunks) +
           " chunks are shown; the " + std::to_string(fileSize - unwalked) + " bytes from offset " +
           std::to_string(unwalked) + " on are kept as they are";
}

}  // namespace

CRiffChunkModel::CRiffChunkModel() {
    m_strName = "RIFF";
}

CRiffChunkModel::~CRiffChunkModel() {
    DeleteChildren();
}

BOOL CRiffChunkModel::Load(const CString& strPath) {
    m_strLoadOverview.clear();
    m_strLoadFailure.clear();
    m_bLoadSawError = true;
    m_strTrailing.clear();
    m_strLoadNote.clear();
    m_llUnwalked = -1;
    if (!IsRegularFile(strPath)) {
        m_strLoadFailure = ExplainOpenFailure(strPath);
        return FALSE;
    }
    // A save in place that was interrupted is only noted: applying its journal is a writer's.
    const CString strPending = PendingSaveNote(InspectJournal(strPath));
    HMMIO hmmio = mmioOpen(strPath.c_str(), nullptr, kLoadFlags);
    if (hmmio == nullptr) {
        m_strLoadFailure = ExplainOpenFailure(strPath);
        return FALSE;
    }
    // The file read, not the one the path names a moment later: another program may replace
    // it in between.
    errno = 0;
    m_loadedFile = FileIdentityOfDescriptor(mmioDescriptor(hmmio));
    const int identityError = errno;
    // Without a WAVE form the search stops at or beyond the end of the file, and the walk finds
    // nothing there.
    Read(hmmio, FALSE);
    m_strLoadOverview = OverviewOfLoad(m_ck.ckid);
    const std::int64_t stop = ReadTopLevelChunks(hmmio, *this, m_strTrailing, m_llUnwalked);
    const std::int64_t fileSize = mmioFileSize(hmmio);
    const CString strReadFailure = ReadFailure(hmmio, m_loadedFile, identityError);
    mmioClose(hmmio, 0);
    // Written back outside a form that covered them, they would make its size disagree with
    // the file, which a later load takes for a recording that was never closed.
    m_bTrailingInForm = std::int64_t{m_ck.dwDataOffset} + m_ck.cksize >= fileSize;
    m_strPath = LowerCase(strPath);
    m_strOpenedPath = strPath;
    if (!strReadFailure.empty()) {
        m_strLoadFailure = strReadFailure;
    } else if (stop >= 0) {
        m_strLoadFailure = ExplainWalkFailure(strPath, stop, fileSize);
    } else if (IsEmpty()) {
        m_strLoadFailure = ExplainEmptyTree(strPath, fileSize);
    } else if (m_llUnwalked >= 0) {
        m_strLoadNote = UnwalkedNote(m_llUnwalked, fileSize);
    }
    if (!strPending.empty()) {
        m_strLoadNote = strPending + (m_strLoadNote.empty() ? "" : "; " + m_strLoadNote);
    }
    m_bLoadSawError = stop >= 0 || !strReadFailure.empty();
    return m_bLoadSawError ? FALSE : TRUE;
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

CChunk* CRiffChunkModel::FirstChunk(FOURCC ckid) const {
    const auto it = std::find_if(begin(), end(), [ckid](const CObject* pChild) {
        return static_cast<const CChunk*>(pChild)->m_ck.ckid == ckid;
    });
    return it == end() ? nullptr : static_cast<CChunk*>(*it);
}

CChunk* CRiffChunkModel::DataChunk() const {
    return FirstOf<CdataChunkModel>();
}

const CfmtChunkModel* CRiffChunkModel::FormatChunk() const {
    return FirstOf<const CfmtChunkModel>();
}

// A record the I/O layer filled holds the extent the load mended; one filled by hand has only
// its 32-bit fields.
std::int64_t CRiffChunkModel::SampleOffset() const {
    const CChunk* pData = DataChunk();
    if (!pData) {
        return 0;
    }
    return pData->m_ck.bSized64 ? pData->m_ck.llDataOffset : pData->m_ck.dwDataOffset;
}

std::int64_t CRiffChunkModel::SampleBytes() const {
    const CChunk* pData = DataChunk();
    if (!pData) {
        return 0;
    }
    return pData->m_ck.bSized64 ? pData->m_ck.llDataSize : pData->m_ck.cksize;
}

std::optional<std::uint64_t> CRiffChunkModel::SampleFrames() const {
    return FramesOfSamples(*this);
}
