#include "core/io/Mmio.h"

#include <fcntl.h>

#include <cerrno>
#include <new>

#include "core/io/MmioSeam.h"

static_assert(sizeof(off_t) >= 8, "files past 2 GiB need 64-bit file offsets");

// The position is kept here so that the chunk steps know it without asking the system.
struct MmioFile {
    int fd = -1;
    std::int64_t position = 0;
};

namespace {

constexpr std::int64_t kLastOffset = 0xFFFFFFFF;
constexpr DWORD kAccessMask = MMIO_WRITE | MMIO_READWRITE;
constexpr FOURCC kRiff = 0x46464952;  // "RIFF"
constexpr FOURCC kList = 0x5453494C;  // "LIST"

MmioCounters g_counters;

DWORD fromLittleEndian(const BYTE* pBytes) {
    return DWORD{pBytes[0]} | DWORD{pBytes[1]} << 8 | DWORD{pBytes[2]} << 16 |
           DWORD{pBytes[3]} << 24;
}

void toLittleEndian(DWORD value, BYTE* pBytes) {
    for (int i = 0; i < 4; ++i) {
        pBytes[i] = static_cast<BYTE>(value >> (8 * i));
    }
}

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
    if ((dwOpenFlags & MMIO_CREATE) != 0) {
        flags |= O_CREAT | O_TRUNC;
    }
    return flags;
}

// Repeats a transfer that the system delivers in part until it is complete, the system makes no
// more progress (the end of the file) or reports an error.
template <typename Transfer>
LONG transferAll(HMMIO hmmio, LONG cch, Transfer transfer) {
    LONG done = 0;
    while (done < cch) {
        const ssize_t n = transfer(done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? -1 : done;
        }
        done += static_cast<LONG>(n);
        hmmio->position += n;
    }
    return done;
}

bool readExactly(HMMIO hmmio, BYTE* pBytes, LONG cch) {
    return mmioRead(hmmio, reinterpret_cast<char*>(pBytes), cch) == cch;
}

bool writeExactly(HMMIO hmmio, const BYTE* pBytes, LONG cch) {
    return mmioWrite(hmmio, reinterpret_cast<const char*>(pBytes), cch) == cch;
}

// Where a chunk's data ends, its pad byte included, counted without wrapping so that a huge
// declared size can never lead backwards.
std::int64_t chunkEnd(const MMCKINFO& ck) {
    return std::int64_t{ck.dwDataOffset} + ck.cksize + (ck.cksize & 1);
}

// Moves on to the end of the chunk. An end past the 32-bit offset range is reached but reported
// as a failure: nothing after it has an offset that a record can hold.
bool skipChunk(HMMIO hmmio, const MMCKINFO& ck) {
    const std::int64_t end = chunkEnd(ck);
    return mmioSeek(hmmio, end, SEEK_FROM_START) == end && end <= kLastOffset;
}

// Reads the header of the chunk at the current position into `ck`.
bool readHeader(HMMIO hmmio, MMCKINFO& ck) {
    if (hmmio->position + 8 > kLastOffset) {
        return false;
    }
    BYTE header[8] = {};
    if (!readExactly(hmmio, header, sizeof header)) {
        return false;
    }
    ck.ckid = fromLittleEndian(header);
    ck.cksize = fromLittleEndian(header + 4);
    ck.dwDataOffset = static_cast<DWORD>(hmmio->position);
    ck.fccType = 0;
    if (ck.ckid != kRiff && ck.ckid != kList) {
        return true;
    }
    BYTE type[4] = {};
    if (!readExactly(hmmio, type, sizeof type)) {
        return false;
    }
    ck.fccType = fromLittleEndian(type);
    return true;
}

bool matches(const MMCKINFO& found, const MMCKINFO& wanted, UINT fuDescend) {
    if ((fuDescend & MMIO_FINDRIFF) != 0) {
        return found.ckid == kRiff && found.fccType == wanted.fccType;
    }
    if ((fuDescend & MMIO_FINDCHUNK) != 0) {
        return wanted.ckid == 0 || found.ckid == wanted.ckid;
    }
    return true;
}

bool startsInside(HMMIO hmmio, const MMCKINFO* pParent) {
    return pParent == nullptr ||
           hmmio->position + 8 <= std::int64_t{pParent->dwDataOffset} + pParent->cksize;
}

// A created chunk ends where the writing stopped: its size field is made to say so and the pad
// byte is added.
MMRESULT closeCreatedChunk(HMMIO hmmio, MMCKINFO& ck) {
    const std::int64_t end = hmmio->position;
    const std::int64_t size = end - ck.dwDataOffset;
    if (size < 0 || size > kLastOffset) {
        return MMIOERR_CANNOTWRITE;
    }
    if (size != ck.cksize) {
        BYTE field[4];
        toLittleEndian(static_cast<DWORD>(size), field);
        if (mmioSeek(hmmio, std::int64_t{ck.dwDataOffset} - 4, SEEK_FROM_START) < 0) {
            return MMIOERR_CANNOTSEEK;
        }
        if (!writeExactly(hmmio, field, sizeof field)) {
            return MMIOERR_CANNOTWRITE;
        }
        if (mmioSeek(hmmio, end, SEEK_FROM_START) != end) {
            return MMIOERR_CANNOTSEEK;
        }
        ck.cksize = static_cast<DWORD>(size);
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
    const int fd = calls.open(pszFileName, flags, 0666);
    if (fd < 0) {
        return nullptr;
    }
    HMMIO hmmio = new (std::nothrow) MmioFile{fd, 0};
    if (hmmio == nullptr) {
        calls.close(fd);
    }
    return hmmio;
}

MMRESULT mmioClose(HMMIO hmmio, UINT /*uFlags*/) {
    if (hmmio == nullptr) {
        return MMIOERR_CANNOTCLOSE;
    }
    const int result = mmioSystemCalls().close(hmmio->fd);
    delete hmmio;
    return result == 0 ? 0 : MMIOERR_CANNOTCLOSE;
}

LONG mmioRead(HMMIO hmmio, char* pch, LONG cch) {
    if (hmmio == nullptr || cch < 0 || (pch == nullptr && cch > 0)) {
        return -1;
    }
    ++g_counters.reads;
    const std::int64_t start = hmmio->position;
    const LONG result = transferAll(hmmio, cch, [&](LONG done) {
        return mmioSystemCalls().read(hmmio->fd, pch + done, static_cast<std::size_t>(cch - done));
    });
    g_counters.bytesRead += hmmio->position - start;
    return result;
}

LONG mmioWrite(HMMIO hmmio, const char* pch, LONG cch) {
    if (hmmio == nullptr || cch < 0 || (pch == nullptr && cch > 0)) {
        return -1;
    }
    ++g_counters.writes;
    const std::int64_t start = hmmio->position;
    const LONG result = transferAll(hmmio, cch, [&](LONG done) {
        return mmioSystemCalls().write(hmmio->fd, pch + done, static_cast<std::size_t>(cch - done));
    });
    g_counters.bytesWritten += hmmio->position - start;
    return result;
}

std::int64_t mmioSeek(HMMIO hmmio, std::int64_t lOffset, int iOrigin) {
    if (hmmio == nullptr || (iOrigin != SEEK_FROM_START && iOrigin != SEEK_FROM_CURRENT)) {
        return -1;
    }
    ++g_counters.seeks;
    const int whence = iOrigin == SEEK_FROM_START ? SEEK_SET : SEEK_CUR;
    const off_t position = mmioSystemCalls().lseek(hmmio->fd, lOffset, whence);
    if (position < 0) {
        return -1;
    }
    hmmio->position = position;
    return position;
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
    if (hmmio->position + 8 > kLastOffset) {
        return MMIOERR_CANNOTWRITE;
    }
    const bool riff = (fuCreate & MMIO_CREATERIFF) != 0;
    if (riff) {
        pmmcki->ckid = kRiff;
    }
    BYTE header[12];
    toLittleEndian(pmmcki->ckid, header);
    toLittleEndian(pmmcki->cksize, header + 4);
    toLittleEndian(pmmcki->fccType, header + 8);
    const std::int64_t dataOffset = hmmio->position + 8;
    if (!writeExactly(hmmio, header, riff ? 12 : 8)) {
        return MMIOERR_CANNOTWRITE;
    }
    pmmcki->dwDataOffset = static_cast<DWORD>(dataOffset);
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

MMRESULT mmioRename(const char* pszFileName, const char* pszNewFileName, const void* /*pmmioinfo*/,
                    DWORD /*fdwRename*/) {
    if (pszFileName == nullptr || pszNewFileName == nullptr) {
        return MMIOERR_CANNOTWRITE;
    }
    return mmioSystemCalls().rename(pszFileName, pszNewFileName) == 0 ? 0 : MMIOERR_CANNOTWRITE;
}

std::int64_t mmioFileSize(HMMIO hmmio) {
    struct stat status {};
    if (hmmio == nullptr || mmioSystemCalls().fstat(hmmio->fd, &status) != 0) {
        return -1;
    }
    return status.st_size;
}

MMRESULT mmioFlush(HMMIO hmmio, UINT /*uFlags*/) {
    if (hmmio == nullptr) {
        return MMIOERR_CANNOTWRITE;
    }
    return mmioSystemCalls().fsync(hmmio->fd) == 0 ? 0 : MMIOERR_CANNOTWRITE;
}

MMRESULT mmioTruncate(HMMIO hmmio) {
    if (hmmio == nullptr || mmioSystemCalls().ftruncate(hmmio->fd, 0) != 0) {
        return MMIOERR_CANNOTWRITE;
    }
    return mmioSeek(hmmio, 0, SEEK_FROM_START) == 0 ? 0 : MMIOERR_CANNOTSEEK;
}

BOOL mmioSameFile(HMMIO hmmioFirst, HMMIO hmmioSecond) {
    struct stat first {};
    struct stat second {};
    if (hmmioFirst == nullptr || hmmioSecond == nullptr ||
        mmioSystemCalls().fstat(hmmioFirst->fd, &first) != 0 ||
        mmioSystemCalls().fstat(hmmioSecond->fd, &second) != 0) {
        return TRUE;
    }
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino ? TRUE : FALSE;
}

const MmioCounters& mmioCounters() {
    return g_counters;
}

void mmioResetCounters() {
    g_counters = MmioCounters{};
}
