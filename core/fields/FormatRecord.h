#pragma once
// The format record of a fmt chunk's payload, read in one place: the plain fields, and an
// extensible record's valid bits, channel mask and sub-format. A field the payload does not hold
// whole is nothing, so that each reader decides what a short record means to it.

#include <array>
#include <cstdint>
#include <optional>

#include "core/base/LittleEndian.h"

constexpr WORD WAVE_FORMAT_EXTENSIBLE = 0xFFFE;
// The bytes of the plain record (through wBitsPerSample) and of a whole extensible one.
constexpr std::size_t kPlainFormatSize = 16;
constexpr std::size_t kExtensibleFormatSize = 40;
// The cbSize of a whole extensible record: the bytes after cbSize.
constexpr WORD kExtensibleExtraSize = 22;

using Guid = std::array<BYTE, 16>;

struct FormatRecord {
    std::size_t nHeld = 0;  // the payload's bytes
    std::optional<WORD> tag;
    std::optional<WORD> channels;
    std::optional<DWORD> sampleRate;
    std::optional<DWORD> bytesPerSecond;
    std::optional<WORD> blockAlign;
    std::optional<WORD> bits;
    std::optional<WORD> extraSize;  // cbSize
    // The extension's fields, read whatever the tag: the readers ask IsExtensible() first.
    std::optional<WORD> validBits;
    std::optional<DWORD> channelMask;
    // The sub-format GUID's first two bytes: the tag of the coding it stands for.
    std::optional<WORD> subFormatTag;
    std::optional<Guid> subFormat;  // only when all 16 bytes are held

    bool IsExtensible() const { return tag == WAVE_FORMAT_EXTENSIBLE; }
    // Whether the payload holds the plain record, and the whole extensible one.
    bool HoldsPlain() const { return nHeld >= kPlainFormatSize; }
    bool HoldsExtension() const { return nHeld >= kExtensibleFormatSize; }
    // The tag of the samples' coding: an extensible record's sub-format tag when held, else the
    // format tag; 0, which no format has, when the record holds no tag.
    WORD SampleTag() const;
};

FormatRecord ParseFormatRecord(ByteSpan payload);
