#pragma once
// The file's chunks as its bytes lay them out, read without the mends a load makes, so that a
// check can say what another program would find: the form, each top-level chunk's header, and
// the payloads of the small chunks the rules look into.

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "core/base/Types.h"

// a + b for an offset a >= 0, held at the largest offset instead of overflowing.
inline std::int64_t SaturatedSum(std::int64_t a, std::int64_t b) {
    const std::int64_t nMost = std::numeric_limits<std::int64_t>::max();
    return b > nMost - a ? nMost : a + b;
}

struct RawChunk {
    CString strId;
    std::int64_t nOffset = 0;    // of the header
    std::int64_t nSize = 0;      // as declared (for RF64 data, from ds64 when it says so)
    std::int64_t nDeclared = 0;  // the header's own 32-bit size
    bool bAfterForm = false;     // the header lies past the form's end
    bool bPadMissing = false;    // odd size, and the next chunk starts without the pad byte
    std::vector<BYTE> payload;   // held for the small chunks the rules read, else empty

    std::int64_t DataOffset() const { return nOffset + 8; }
    // Saturated: a size from a ds64 chunk may be anything below 2^64.
    std::int64_t End() const { return SaturatedSum(DataOffset(), nSize); }
};

struct RawLayout {
    std::int64_t nFileSize = 0;
    CString strForm;  // "RIFF", "RF64", or what stands in its place
    CString strFormType;
    std::int64_t nFormSize = 0;  // from ds64 when an RF64 header leaves it to ds64
    std::int64_t nFormDeclared = 0;
    std::optional<std::int64_t> nDs64RiffSize;  // the form size ds64 gives
    std::optional<std::int64_t> nDs64DataSize;
    std::optional<std::int64_t> nDs64SampleCount;
    std::vector<RawChunk> chunks;
    std::int64_t nTrailingOffset = -1;  // bytes after the last chunk that make no chunk header
    CString strUnreadable;              // when not even the form header could be read
    std::int64_t nStoppedAt = -1;       // where the walk stopped after the most chunks it holds

    std::int64_t FormEnd() const { return SaturatedSum(8, nFormSize); }
    const RawChunk* Find(const CString& strId) const;
};

// The most chunks a walk records, so that a file of tiny chunks cannot take memory without bound.
inline constexpr std::size_t kMostRawChunks = 100000;

RawLayout ReadRawLayout(const CString& strPath);

// Whether the check's rules look into the payload of chunks of the id, as the list of kinds
// (core/kinds, above this folder) answers; the list hands its answer down at start-up.
using PayloadReadLookup = bool (*)(const CString& strId);
// Called once at start-up by the list of kinds.
void SetPayloadReadLookup(PayloadReadLookup lookup);
