#pragma once
// The RIFF file I/O layer: buffered file access and the chunk descend / ascend / create steps
// that the chunk classes are written against. Portable C++ over POSIX file calls.

#include <cstddef>
#include <cstdint>

#include "core/base/Types.h"

struct MMCKINFO {
    FOURCC ckid = 0;
    DWORD cksize = 0;
    FOURCC fccType = 0;
    DWORD dwDataOffset = 0;
    DWORD dwFlags = 0;
    // Not part of the classic set: the data's offset and size in 64 bits, for files past 4 GiB,
    // in records the layer filled (descend, create), which it marks with bSized64; a record
    // filled by hand has only the 32-bit fields. The size starts as cksize; where the header's
    // size is a stand-in (0xFFFFFFFF of RF64 or of a recording never closed) the reader that
    // knows the real size sets it here, and the layer walks by it.
    std::int64_t llDataOffset = 0;
    std::int64_t llDataSize = 0;
    bool bSized64 = false;
};

class MmioFile;
using HMMIO = MmioFile*;

// Not part of the classic set: the buffer under each open file. Reads and writes of at least
// this many bytes go straight between the caller's memory and the file.
constexpr std::size_t kMmioBufferSize = 64 * 1024;

// Open flags.
constexpr DWORD MMIO_READ = 0x00000000;
constexpr DWORD MMIO_WRITE = 0x00000001;
constexpr DWORD MMIO_READWRITE = 0x00000002;
constexpr DWORD MMIO_DENYNONE = 0x00000040;
constexpr DWORD MMIO_CREATE = 0x00001000;
// Not part of the classic set: creates a file that must not exist yet (errno EEXIST when the name
// is taken, by a symbolic link too), readable and writable by its owner only.
constexpr DWORD MMIO_CREATENEW = 0x00800000;

// Descend, create and conversion flags.
constexpr UINT MMIO_FINDCHUNK = 0x0010;
constexpr UINT MMIO_FINDRIFF = 0x0020;
constexpr UINT MMIO_CREATERIFF = 0x0020;
constexpr UINT MMIO_TOUPPER = 0x0010;
constexpr DWORD MMIO_DIRTY = 0x10000000;

// Results: 0 is success.
constexpr MMRESULT MMIOERR_CHUNKNOTFOUND = 265;
constexpr MMRESULT MMIOERR_CANNOTREAD = 259;
constexpr MMRESULT MMIOERR_CANNOTWRITE = 260;
constexpr MMRESULT MMIOERR_CANNOTSEEK = 261;
constexpr MMRESULT MMIOERR_CANNOTCLOSE = 262;

constexpr int SEEK_FROM_START = 0;
constexpr int SEEK_FROM_CURRENT = 1;

// Null on failure. pInfo is unused and must be null.
HMMIO mmioOpen(const char* pszFileName, void* pInfo, DWORD dwOpenFlags);
// Writes the bytes still held, then closes: 0, MMIOERR_CANNOTWRITE when those bytes could not
// be written, or MMIOERR_CANNOTCLOSE when the system reports an error on close (the handle is
// released either way).
MMRESULT mmioClose(HMMIO hmmio, UINT uFlags);
// Bytes delivered (0 at the end of the file), or -1 on error.
LONG mmioRead(HMMIO hmmio, char* pch, LONG cch);
// Bytes written, or -1 on error. The bytes may be held in the buffer until a later call writes
// them: an error of the system's then fails that call (a write, read, seek, flush or close).
LONG mmioWrite(HMMIO hmmio, const char* pch, LONG cch);
// The new position, or -1. Positions are 64-bit inside so that files past 2 GiB work.
std::int64_t mmioSeek(HMMIO hmmio, std::int64_t lOffset, int iOrigin);
// On failure the record is left as it was. A parent, when given, ends the search at the end of
// its data. MMIO_FINDRIFF finds the forms RIFF, RF64 and BW64 of the type asked for.
MMRESULT mmioDescend(HMMIO hmmio, MMCKINFO* pmmcki, const MMCKINFO* pmmckiParent, UINT fuDescend);
// A created chunk whose size does not fit 32 bits gets 0xFFFFFFFF in its size field (its real
// size in llDataSize), as an RF64 file's ds64 chunk then tells it.
MMRESULT mmioAscend(HMMIO hmmio, MMCKINFO* pmmcki, UINT fuAscend);
// dwFlags holds MMIO_DIRTY only after the whole header was written. MMIO_CREATERIFF writes the
// form id held when it is RF64 or BW64, else RIFF.
MMRESULT mmioCreateChunk(HMMIO hmmio, MMCKINFO* pmmcki, UINT fuCreate);
FOURCC mmioStringToFOURCC(const char* sz, UINT uFlags);
// Not part of the classic set: TRUE for the ids of a WAVE form's header, RIFF, RF64 and BW64.
BOOL mmioIsFormId(FOURCC ckid);
// Renames a closed file, replacing the file of the new name in one step when there is one: 0, or
// MMIOERR_CANNOTWRITE with the system's reason in errno. pmmioinfo and fdwRename are unused.
MMRESULT mmioRename(const char* pszFileName, const char* pszNewFileName, const void* pmmioinfo,
                    DWORD fdwRename);

// Not part of the classic set: the size of the open file, bytes not yet written included, or -1, so
// that a reader can bound what it allocates by what the file really holds.
std::int64_t mmioFileSize(HMMIO hmmio);
// Not part of the classic set: empty while every read, seek and size query of the handle worked;
// else the first that failed, naming the call, the offset and the system's reason. A short read
// at the end of the file is no failure.
CString mmioFailure(HMMIO hmmio);
// Writes the bytes held and flushes the file to disk: 0, or MMIOERR_CANNOTWRITE.
MMRESULT mmioFlush(HMMIO hmmio, UINT uFlags);
// Not part of the classic set: cuts the file at size, or extends it with zeros to size.
MMRESULT mmioSetSize(HMMIO hmmio, std::int64_t size);
// The system's descriptor of the open file, for calls the layer does not make (permissions,
// owner, extended attributes); -1 for no handle.
int mmioDescriptor(HMMIO hmmio);
// TRUE when both handles are open on one file (one device and inode), and also when that cannot
// be told: a caller about to copy one into the other must not go on then.
BOOL mmioSameFile(HMMIO hmmioFirst, HMMIO hmmioSecond);
