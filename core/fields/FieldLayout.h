#pragma once
// Where a field stands in its chunk's payload and how its bytes read: the one place a field is
// known. Pages and ovalis-cli both read and write fields through these tables.

#include <cstdint>
#include <optional>
#include <span>

#include "core/base/LittleEndian.h"

enum class FieldKind {
    Number,        // little-endian, shown as an unsigned decimal number
    HexNumber,     // little-endian, shown in upper-case hexadecimal
    SignedNumber,  // little-endian two's complement, shown as a signed decimal number
    FixedText,     // 8-bit text of a fixed width, ended by a zero byte or the width
    Date,          // a fixed-width text that holds a calendar date ("yyyy-mm-dd") or nothing
    Time,          // a fixed-width text that holds a clock time ("hh:mm:ss") or nothing
    TextToEnd,     // 8-bit text from the offset to the end of the payload
    Hundredths,    // signed little-endian 16-bit hundredths ("-23.00"); 0x7FFF is "not set"
    Umid,          // 32 or 64 bytes of a unique material identifier, shown in hexadecimal groups
};

struct FieldLayout {
    const char* name;  // as the page's label names it ("nChannels", "Originator")
    DWORD offset;
    DWORD width;  // bytes; 1, 2 or 4 for numbers (8 for shown-only ones), 0 for text to the end
    FieldKind kind;
    bool stored;  // a save writes an edit of it back; else it is shown only
    bool multiLine = false;
    // Trailing white space is not part of the shown text, nor of an edited text a save writes
    // back; a text left unchanged keeps it.
    bool trimmed = false;
    // Shown as this text instead of the value, when the payload holds the field.
    const char* shownAs = nullptr;
    // The chunk's "Version" field must be at least this for the payload to hold the field.
    WORD sinceVersion = 0;

    // The number the field holds in the payload; nothing when the payload does not hold it all.
    std::optional<std::uint64_t> NumberIn(ByteSpan payload) const {
        return LittleEndianAt(payload, offset, width);
    }
    // Stores the number's low bytes when the payload holds the field; false when it does not.
    bool StoreIn(std::span<BYTE> payload, std::uint64_t value) const {
        return StoreLittleEndianAt(payload, offset, width, value);
    }
};

// The fields of one chunk kind, in the order a listing shows them.
struct FieldTable {
    const char* title;    // "fmt (PCM)", "bext"
    const char* chunkId;  // the chunk whose payload holds them
    std::span<const FieldLayout> fields;

    // The field of that name, or null.
    const FieldLayout* Find(const CString& strName) const;
};
