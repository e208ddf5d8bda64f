#include "core/chunks/DataSizeMend.h"

#include <algorithm>

#include "core/chunks/ds64ChunkModel.h"

namespace {

constexpr DWORD kStandIn = 0xFFFFFFFF;

bool IsPrintable(BYTE c) {
    return c >= 0x20 && c <= 0x7E;
}

bool IsWideForm(const MMCKINFO& form, const Cds64ChunkModel* pDs64) {
    return pDs64 != nullptr && form.ckid != mmioStringToFOURCC("RIFF", 0);
}

// An RF64 form's 32-bit size always stands in; its ds64 chunk's says whether the form was closed.
bool FormSizeIsStandIn(const MMCKINFO& form, const Cds64ChunkModel* pDs64, std::int64_t fileSize) {
    if (form.cksize == kStandIn && IsWideForm(form, pDs64)) {
        const std::int64_t size = pDs64->RiffFormSize();
        return size == 0 || size != fileSize - form.llDataOffset;
    }
    return form.cksize == 0 || form.cksize == kStandIn ||
           form.llDataOffset + form.cksize != fileSize;
}

}  // namespace

bool IsPlausibleHeaderAt(HMMIO hmmio, std::int64_t offset, std::int64_t fileSize,
                         bool bSizeMustFit) {
    BYTE header[8] = {};
    if (offset + 8 > fileSize || mmioSeek(hmmio, offset, SEEK_FROM_START) != offset ||
        mmioRead(hmmio, reinterpret_cast<char*>(header), sizeof header) != sizeof header ||
        !std::all_of(header, header + 4, IsPrintable)) {
        return false;
    }
    const std::uint64_t size = LittleEndianOr0(header, 4, 4);
    return !bSizeMustFit || offset + 8 + size <= fileSize;
}

std::int64_t MendedDataSize(HMMIO hmmio, const MMCKINFO& form, const MMCKINFO& data,
                            const Cds64ChunkModel* pDs64, std::int64_t fileSize) {
    const std::int64_t rest = std::max<std::int64_t>(0, fileSize - data.llDataOffset);
    if (data.cksize == kStandIn) {
        const bool bSized = IsWideForm(form, pDs64) && pDs64->DataChunkSize() > 0;
        // A size past the end is cut off there, as a 32-bit one is below.
        return bSized ? std::min(pDs64->DataChunkSize(), rest) : rest;
    }
    const std::int64_t end = data.llDataOffset + data.cksize;
    if (end > fileSize) {
        return rest;  // cut off: the samples end with the file
    }
    // Fewer bytes than a header after the samples are stray bytes, not samples; a header there,
    // even of a chunk cut off, is the next chunk.
    if (end + (data.cksize & 1) + 8 > fileSize ||
        IsPlausibleHeaderAt(hmmio, end, fileSize, false) ||
        ((data.cksize & 1) != 0 && IsPlausibleHeaderAt(hmmio, end + 1, fileSize, false))) {
        return data.cksize;
    }
    return data.cksize == 0 || FormSizeIsStandIn(form, pDs64, fileSize) ? rest : data.cksize;
}
