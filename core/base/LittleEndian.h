#pragma once
// The one reader of little-endian numbers: every header, field and record of a file is read
// through it from a span of bytes, and a number the span does not hold whole reads as nothing.
// Inline: the sample decoder reads each sample through it.

#include <cstdint>
#include <optional>
#include <span>

#include "core/base/Types.h"

using ByteSpan = std::span<const BYTE>;

// Whether a span of nSize bytes holds nWidth (1 to 8) bytes at nOffset.
inline bool HoldsNumber(std::size_t nSize, std::size_t nOffset, std::size_t nWidth) {
    return nWidth >= 1 && nWidth <= 8 && nOffset <= nSize && nSize - nOffset >= nWidth;
}

// The nWidth-byte (1 to 8) value at nOffset; nothing when the span does not hold all of it.
inline std::optional<std::uint64_t> LittleEndianAt(ByteSpan bytes, std::size_t nOffset,
                                                   std::size_t nWidth) {
    if (!HoldsNumber(bytes.size(), nOffset, nWidth)) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (std::size_t i = nWidth; i-- > 0;) {
        value = (value << 8) | bytes[nOffset + i];
    }
    return value;
}

// The same, 0 when the span does not hold it, for readers that treat a missing number as 0.
inline std::uint64_t LittleEndianOr0(ByteSpan bytes, std::size_t nOffset, std::size_t nWidth) {
    return LittleEndianAt(bytes, nOffset, nWidth).value_or(0);
}

// Stores the low nWidth bytes (1 to 8) of value at nOffset, lowest first; false, and nothing
// stored, when the span does not hold them.
bool StoreLittleEndianAt(std::span<BYTE> bytes, std::size_t nOffset, std::size_t nWidth,
                         std::uint64_t value);
// The low nWidth bytes (0 to 8) of value, lowest first, as the bytes of a text.
CString LittleEndianText(std::uint64_t value, std::size_t nWidth);
