#pragma once
// The RIFF file I/O layer: unbuffered file access and the chunk descend / ascend / create steps
// that the chunk classes are written against. Portable C++ over POSIX file calls.

#include <cstdint>

#include "core/base/Types.h"

struct MMCKINFO {
    FOURCC ckid = 0;
    DWORD cksize = 0;
    FOURCC fccType = 0;
    DWORD dwDataOffset = 0;
    DWORD dwFlags = 0;
};

struct MmioFile;
using HMMIO = MmioFile*;

// Open flags.
constexpr DWORD MMIO_READ = 0x00000000;
constexpr DWORD MMIO_WRITE = 0x00000001;
constexpr DWORD MMIO_READWRITE = 0x00000002;
constexpr DWORD MMIO_DENYNONE = 0x00000040;
constexpr DWORD MMIO_CREATE = 0x00001000;

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
// 0, or MMIOERR_CANNOTCLOSE when the system reports an error on close (the handle is released
// either way).
MMRESULT mmioClose(HMMIO hmmio, UINT uFlags);
// Bytes delivered (0 at the end of the file), or -1 on error.
LONG mmioRead(HMMIO hmmio, char* pch, LONG cch);
// Bytes written, or -1 on error.
LONG mmioWrite(HMMIO hmmio, const char* pch, LONG cch);
// The new position, or -1. Positions are 64-bit inside so that files past 2 GiB work.
std::int64_t mmioSeek(HMMIO hmmio, std::int64_t lOffset, int iOrigin);
// On failure the record is left as it was. A parent, when given, ends the search at the end of
// its data. A chunk whose end lies past the 32-bit offset range ends the search.
MMRESULT mmioDescend(HMMIO hmmio, MMCKINFO* pmmcki, const MMCKINFO* pmmckiParent, UINT fuDescend);
// Fails, never moving backwards, for a read chunk whose end lies past the 32-bit offset range.
MMRESULT mmioAscend(HMMIO hmmio, MMCKINFO* pmmcki, UINT fuAscend);
// dwFlags holds MMIO_DIRTY only after the whole header was written.
MMRESULT mmioCreateChunk(HMMIO hmmio, MMCKINFO* pmmcki, UINT fuCreate);
FOURCC mmioStringToFOURCC(const char* sz, UINT uFlags);
// Renames a closed file, replacing the file of the new name in one step when there is one: 0, or
// MMIOERR_CANNOTWRITE with the system's reason in errno. pmmioinfo and fdwRename are unused.
MMRESULT mmioRename(const char* pszFileName, const char* pszNewFileName, const void* pmmioinfo,
                    DWORD fdwRename);

// Not part of the classic set: the size of the open file, or -1, so that a reader can bound
// what it allocates by what the file really holds.
std::int64_t mmioFileSize(HMMIO hmmio);
// Flushes the file to disk: 0, or MMIOERR_CANNOTWRITE.
MMRESULT mmioFlush(HMMIO hmmio, UINT uFlags);
// Empties the open file and moves to its start: 0, or MMIOERR_CANNOTWRITE.
MMRESULT mmioTruncate(HMMIO hmmio);
// TRUE when both handles are open on one file (one device and inode), and also when that cannot
// be told: a caller about to copy one into the other must not go on then.
BOOL mmioSameFile(HMMIO hmmioFirst, HMMIO hmmioSecond);
