#pragma once
// The real size of a data chunk whose header's size cannot be taken as it stands, and the test of
// whether a chunk header could start at a place, which the walk's mends share.

#include <cstdint>

#include "core/io/Mmio.h"

class Cds64ChunkModel;

// A header a writer could have meant at offset: four printable id characters and, when
// bSizeMustFit, a size that fits in the file. Moves the file's position.
bool IsPlausibleHeaderAt(HMMIO hmmio, std::int64_t offset, std::int64_t fileSize,
                         bool bSizeMustFit);

// The size of the samples of the data chunk `data` in the form `form`: the ds64 chunk's size for
// a size field of 0xFFFFFFFF in an RF64 or BW64 form; the rest of the file for 0xFFFFFFFF
// elsewhere (a recording never closed), for a size past the file's end (one cut off), and for a
// size that ends where at least 8 bytes follow but no header with a printable id starts, when the
// size is 0 or the form's size is 0, 0xFFFFFFFF or not the file's (a recording cut off or never
// closed); else the size as declared. pDs64 may be null.
std::int64_t MendedDataSize(HMMIO hmmio, const MMCKINFO& form, const MMCKINFO& data,
                            const Cds64ChunkModel* pDs64, std::int64_t fileSize);
