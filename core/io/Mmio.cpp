#include "core/io/Mmio.h"

#include <fcntl.h>

#include <atomic>
#include <cerrno>
#include <new>

#include "core/base/LittleEndian.h"
#include "core/io/MmioFile.h"
#include "core/io/MmioSeam.h"

static_assert(sizeof(off_t) >= 8, "files past 2 GiB need 64-bit file offsets");

namespace {

constexpr std::int64_t kLastOffset = 0xFFFFFFFF;
constexpr DWORD kAccessMask = MMIO_WRITE | MMIO_READWRITE;
constexpr FOURCC kRiff = 0x46464952;  // "RIFF"
constexpr FOURCC kList = 0x5453494C;  // "LIST"
constexpr FOURCC kRf64 = 0x34364652;  // "RF64"
constexpr FOURCC kBw64 = 0x34365742;  // "BW64"

// Counted by every thread that loads or saves at once (the table's pools): each count stands
// alone, so relaxed atomic additions suffice.
class RelaxedCount {
public:
    void operator++() { m_value.fetch_add(1, std::memory_order_relaxed); }
    void operator+=(std::int64_t n) { m_value.fetch_add(n, std::memory_order_relaxed); }
    std::int64_t Value() const { return m_value.load(std::memory_order_relaxed); }
    void Reset() { m_value.store(0, std::memory_order_relaxed); }

private:
    std::atomic<std::int64_t> m_value{0};
};

struct Counters {
    RelaxedCount reads;
    RelaxedCount writes;
    RelaxedCount seeks;
    RelaxedCount bytesRead;
    RelaxedCount bytesWritten;
};

Counters g_counters;

int openFlags(DWORD dwOpenFlags) {
    int flags = O_CLOEXEC;
    switch (dwOpenFlags & kAccessMask) {
        case MMIO_READ:
            flags |= O_RDONLY;
            break;
        case MMIO_WRITE:
            flags |= O_WRONLY;
            break;
        case MMIO_READWRITE:
            flags |= O_RDWR;
            break;
        default:
            return -1;
    }
    if ((dwOpenFlags & MMIO_CREATENEW) != 0) {
        flags |= O_CREAT | O_EXCL | O_NOFOLLOW;
    } else if ((dwOpenFlags & MMIO_CREATE) != 0) {
        flags |= O_CREAT | O_TRUNC;
    }
    return flags;
}

mode_t createMode(DWORD dwOpenFlags) {
    return (dwOpenFlags & MMIO_CREATENEW) != 0 ? 0600 : 0666;
}

bool readExactly(HMMIO hmmio, BYTE* pBytes, LONG cch) {
    return mmioRead(hmmio, reinterpret_cast<char*>(pBytes), cch) == cch;
}

bool writeExactly(HMMIO hmmio, const BYTE* pBytes, LONG cch) {
    return mmioWrite(hmmio, reinterpret_cast<const char*>(pBytes), cch) == cch;
}

std::int64_t dataOffsetOf(const MMCKINFO& ck) {
    return ck.bSized64 ? ck.llDataOffset : std::int64_t{ck.dwDataOffset};
}

std::int64_t dataSizeOf(const MMCKINFO& ck) {
    return ck.bSized64 ? ck.llDataSize : std::int64_t{ck.cksize};
}

// Where a chunk's data ends, its pad byte included, counted in 64 bits so that a huge declared
// size can never lead backwards.
std::int64_t chunkEnd(const MMCKINFO& ck) {
    const std::int64_t size = dataSizeOf(ck);
    return dataOffsetOf(ck) + size + (size & 1);
}

// Moves on to the end of the chunk. For a record of 32-bit fields only, an end past the 32-bit
// offset range is reached but reported as a failure: nothing after it has an offset such a
// record can hold.
bool skipChunk(HMMIO hmmio, const MMCKINFO& ck) {
    const std::int64_t end = chunkEnd(ck);
    return mmioSeek(hmmio, end, SEEK_FROM_START) == end && (ck.bSized64 || end <= kLastOffset);
}

bool hasFormType(FOURCC ckid) {
    return ckid == kList || mmioIsFormId(ckid);
}

// Reads the header of the chunk at the current position into `ck`.
bool readHeader(HMMIO hmmio, MMCKINFO& ck) {
    BYTE header[8] = {};
    if (!readExactly(hmmio, header, sizeof header)) {
        return false;
    }
    ck.ckid = static_cast<DWORD>(LittleEndianOr0(header, 0, 4));
    ck.cksize = static_cast<DWORD>(LittleEndianOr0(header, 4, 4));
    ck.llDataOffset = hmmio->Position();
    ck.llDataSize = ck.cksize;
    ck.bSized64 = true;
    ck.dwDataOffset = static_cast<DWORD>(ck.llDataOffset);
    ck.fccType = 0;
    if (!hasFormType(ck.ckid)) {
        return true;
    }
    BYTE type[4] = {};
    if (!readExactly(hmmio, type, sizeof type)) {
        return false;
    }
    ck.fccType = static_cast<DWORD>(LittleEndianOr0(type, 0, 4));
    return true;
}

bool matches(const MMCKINFO& found, const MMCKINFO& wanted, UINT fuDescend) {
    if ((fuDescend & MMIO_FINDRIFF) != 0) {
        return mmioIsFormId(found.ckid) && found.fccType == wanted.fccType;
    }
    if ((fuDescend & MMIO_FINDCHUNK) != 0) {
        return wanted.ckid == 0 || found.ckid == wanted.ckid;
    }
    return true;
}

bool startsInside(HMMIO hmmio, const MMCKINFO* pParent) {
    return pParent == nullptr ||
           hmmio->Position() + 8 <= dataOffsetOf(*pParent) + dataSizeOf(*pParent);
}

// A seek request that tells a failure to write the bytes held from a failure to move.
MMRESULT seekTo(HMMIO hmmio, std::int64_t target) {
    ++g_counters.seeks;
    return hmmio->MoveTo(target);
}

// A created chunk ends where the writing stopped: its size field is made to say so and the pad
// byte is added.
MMRESULT closeCreatedChunk(HMMIO hmmio, MMCKINFO& ck) {
    const std::int64_t end = hmmio->Position();
    const std::int64_t size = end - dataOffsetOf(ck);
    if (size < 0 || (!ck.bSized64 && size > kLastOffset)) {
        return MMIOERR_CANNOTWRITE;
    }
    const DWORD field32 = size > kLastOffset ? 0xFFFFFFFF : static_cast<DWORD>(size);
    ck.llDataSize = size;
    if (field32 != ck.cksize) {
        BYTE field[4];
        StoreLittleEndianAt(field, 0, 4, field32);
        if (const MMRESULT result = seekTo(hmmio, dataOffsetOf(ck) - 4)) {
            return result;
        }
        if (!writeExactly(hmmio, field, sizeof field)) {
            return MMIOERR_CANNOTWRITE;
        }
        if (const MMRESULT result = seekTo(hmmio, end)) {
            return result;
        }
        ck.cksize = field32;
    }
    const BYTE pad = 0;
    if ((size & 1) != 0 && !writeExactly(hmmio, &pad, 1)) {
        return MMIOERR_CANNOTWRITE;
    }
    return 0;
}

char upperCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

HMMIO mmioOpen(const char* pszFileName, void* pInfo, DWORD dwOpenFlags) {
    const int flags = openFlags(dwOpenFlags);
    if (pszFileName == nullptr || pInfo != nullptr || flags < 0) {
        return nullptr;
    }
    MmioSystemCalls& calls = mmioSystemCalls();
    const int fd = calls.open(pszFileName, flags, createMode(dwOpenFlags));
    if (fd < 0) {
        return nullptr;
    }
    HMMIO hmmio = new (std::nothrow) MmioFile(fd, (flags & O_ACCMODE) != O_RDONLY);
    if (hmmio == nullptr) {
        calls.close(fd);
        errno = ENOMEM;
    }
    return hmmio;
}

MMRESULT mmioClose(HMMIO hmmio, UINT /*uFlags*/) {
    if (hmmio == nullptr) {
        return MMIOERR_CANNOTCLOSE;
    }
    const MMRESULT flushed = hmmio->Flush();
    // The error of the flush, not the close's, is the one to report.
    const int error = errno;
    const int closed = mmioSystemCalls().close(hmmio->Descriptor());
    delete hmmio;
    if (flushed != 0) {
        errno = error;
        return flushed;
    }
    return closed == 0 ? 0 : MMIOERR_CANNOTCLOSE;
}

LONG mmioRead(HMMIO hmmio, char* pch, LONG cch) {
    if (hmmio == nullptr || cch < 0 || (pch == nullptr && cch > 0)) {
        return -1;
    }
    ++g_counters.reads;
    const std::int64_t start = hmmio->Position();
    const LONG result = hmmio->Read(pch, cch);
    g_counters.bytesRead += hmmio->Position() - start;
    return result;
}

LONG mmioWrite(HMMIO hmmio, const char* pch, LONG cch) {
    if (hmmio == nullptr || cch < 0 || (pch == nullptr && cch > 0)) {
        return -1;
    }
    ++g_counters.writes;
    const std::int64_t start = hmmio->Position();
    const LONG result = hmmio->Write(pch, cch);
    g_counters.bytesWritten += hmmio->Position() - start;
    return result;
}

std::int64_t mmioSeek(HMMIO hmmio, std::int64_t lOffset, int iOrigin) {
    if (hmmio == nullptr || (iOrigin != SEEK_FROM_START && iOrigin != SEEK_FROM_CURRENT)) {
        return -1;
    }
    const std::int64_t target = iOrigin == SEEK_FROM_START ? lOffset : hmmio->Position() + lOffset;
    return seekTo(hmmio, target) == 0 ? target : -1;
}

// After a failed search the position stands where the search stopped.
MMRESULT mmioDescend(HMMIO hmmio, MMCKINFO* pmmcki, const MMCKINFO* pmmckiParent, UINT fuDescend) {
    if (hmmio == nullptr || pmmcki == nullptr) {
        return MMIOERR_CHUNKNOTFOUND;
    }
    MMCKINFO found;
    while (startsInside(hmmio, pmmckiParent) && readHeader(hmmio, found)) {
        if (matches(found, *pmmcki, fuDescend)) {
            found.dwFlags = 0;
            *pmmcki = found;
            return 0;
        }
        if (!skipChunk(hmmio, found)) {
            break;
        }
    }
    return MMIOERR_CHUNKNOTFOUND;
}

MMRESULT mmioAscend(HMMIO hmmio, MMCKINFO* pmmcki, UINT /*fuAscend*/) {
    if (hmmio == nullptr || pmmcki == nullptr) {
        return MMIOERR_CANNOTSEEK;
    }
    if ((pmmcki->dwFlags & MMIO_DIRTY) != 0) {
        return closeCreatedChunk(hmmio, *pmmcki);
    }
    return skipChunk(hmmio, *pmmcki) ? 0 : MMIOERR_CANNOTSEEK;
}

MMRESULT mmioCreateChunk(HMMIO hmmio, MMCKINFO* pmmcki, UINT fuCreate) {
    if (hmmio == nullptr || pmmcki == nullptr) {
        return MMIOERR_CANNOTWRITE;
    }
    pmmcki->dwFlags &= ~MMIO_DIRTY;
    const bool riff = (fuCreate & MMIO_CREATERIFF) != 0;
    if (riff && !mmioIsFormId(pmmcki->ckid)) {
        pmmcki->ckid = kRiff;
    }
    BYTE header[12];
    StoreLittleEndianAt(header, 0, 4, pmmcki->ckid);
    StoreLittleEndianAt(header, 4, 4, pmmcki->cksize);
    StoreLittleEndianAt(header, 8, 4, pmmcki->fccType);
    const std::int64_t dataOffset = hmmio->Position() + 8;
    if (!writeExactly(hmmio, header, riff ? 12 : 8)) {
        return MMIOERR_CANNOTWRITE;
    }
    pmmcki->dwDataOffset = static_cast<DWORD>(dataOffset);
    pmmcki->llDataOffset = dataOffset;
    pmmcki->llDataSize = pmmcki->cksize;
    pmmcki->bSized64 = true;
    pmmcki->dwFlags = MMIO_DIRTY;
    return 0;
}

FOURCC mmioStringToFOURCC(const char* sz, UINT uFlags) {
    FOURCC id = 0;
    bool ended = sz == nullptr;
    for (int i = 0; i < 4; ++i) {
        ended = ended || sz[i] == '\0';
        char c = ended ? ' ' : sz[i];
        if ((uFlags & MMIO_TOUPPER) != 0) {
            c = upperCase(c);
        }
        id |= FOURCC{static_cast<unsigned char>(c)} << (8 * i);
    }
    return id;
}

BOOL mmioIsFormId(FOURCC ckid) {
    return ckid == kRiff || ckid == kRf64 || ckid == kBw64 ? TRUE : FALSE;
}

MMRESULT mmioRename(const char* pszFileName, const char* pszNewFileName, const void* /*pmmioinfo*/,
                    DWORD /*fdwRename*/) {
    if (pszFileName == nullptr || pszNewFileName == nullptr) {
        return MMIOERR_CANNOTWRITE;
    }
    return mmioSystemCalls().rename(pszFileName, pszNewFileName) == 0 ? 0 : MMIOERR_CANNOTWRITE;
}

std::int64_t mmioFileSize(HMMIO hmmio) {
    return hmmio == nullptr ? -1 : hmmio->Size();
}

CString mmioFailure(HMMIO hmmio) {
    return hmmio == nullptr ? CString("no open file") : hmmio->Failure();
}

MMRESULT mmioFlush(HMMIO hmmio, UINT /*uFlags*/) {
    if (hmmio == nullptr || hmmio->Flush() != 0 ||
        mmioSystemCalls().fsync(hmmio->Descriptor()) != 0) {
        return MMIOERR_CANNOTWRITE;
    }
    return 0;
}

MMRESULT mmioSetSize(HMMIO hmmio, std::int64_t size) {
    return hmmio == nullptr ? MMIOERR_CANNOTWRITE : hmmio->SetSize(size);
}

int mmioDescriptor(HMMIO hmmio) {
    return hmmio == nullptr ? -1 : hmmio->Descriptor();
}

BOOL mmioSameFile(HMMIO hmmioFirst, HMMIO hmmioSecond) {
    struct stat first {};
    struct stat second {};
    if (hmmioFirst == nullptr || hmmioSecond == nullptr ||
        mmioSystemCalls().fstat(hmmioFirst->Descriptor(), &first) != 0 ||
        mmioSystemCalls().fstat(hmmioSecond->Descriptor(), &second) != 0) {
        return TRUE;
    }
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino ? TRUE : FALSE;
}

MmioCounters mmioCounters() {
    return MmioCounters{g_counters.reads.Value(), g_counters.writes.Value(),
                        g_counters.seeks.Value(), g_counters.bytesRead.Value(),
                        g_counters.bytesWritten.Value()};
}

void mmioResetCounters() {
    for (RelaxedCount* pCount : {&g_counters.reads, &g_counters.writes, &g_counters.seeks,
                                 &g_counters.bytesRead, &g_counters.bytesWritten}) {
        pCount->Reset();
    }
}
