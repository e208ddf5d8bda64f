// The field codec of a chunk's payload.

#include "core/chunks/ChunkFieldCodec.h"

#include <cstdint>
#include <cstdio>

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkFieldTable.h"
#include "core/fields/Hundredths.h"
#include "core/fields/PositiveInteger.h"
#include "core/fields/UmidText.h"

namespace {

// A field of a later version than the chunk's is reserved bytes to it.
bool IsOfChunkVersion(const CChunk& chunk, const FieldLayout& field) {
    if (field.sinceVersion == 0) {
        return true;
    }
    const FieldTable* pTable = FieldTableOf(chunk);
    const FieldLayout* pVersion = pTable ? pTable->Find("Version") : nullptr;
    return pVersion && ReadNumber(chunk, *pVersion) >= field.sinceVersion;
}

CString WriteHundredths(CChunk& chunk, const FieldLayout& field, const CString& strTyped) {
    if (strTyped == FormatHundredths(static_cast<WORD>(ReadNumber(chunk, field)))) {
        return CString();
    }
    const std::optional<WORD> value = ParseHundredths(strTyped);
    if (!value) {
        return kHundredthsRuleMessage;
    }
    WriteNumber(chunk.Data(), chunk.DataSize(), field, *value);
    return CString();
}

CString NumberText(const FieldLayout& field, DWORD dwValue) {
    if (field.shownAs) {
        return field.shownAs;
    }
    if (field.kind == FieldKind::Number) {
        return FormatPositiveInteger(dwValue);
    }
    char text[16];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(dwValue));
    return text;
}

// The field's bytes as a two's complement number of their width.
CString SignedText(const CChunk& chunk, const FieldLayout& field) {
    const std::uint64_t value = field.NumberIn(chunk.Payload()).value_or(0);
    const unsigned nBits = 8 * field.width;
    const bool bNegative = nBits < 64 && (value >> (nBits - 1) & 1) != 0;
    return std::to_string(bNegative ? static_cast<std::int64_t>(value) - (std::int64_t{1} << nBits)
                                    : static_cast<std::int64_t>(value));
}

}  // namespace

bool IsFieldHeld(const CChunk& chunk, const FieldLayout& field) {
    return chunk.Data() && IsFieldHeld(field, chunk.DataSize()) && IsOfChunkVersion(chunk, field);
}

DWORD ReadNumber(const CChunk& chunk, const FieldLayout& field) {
    return ReadNumber(chunk.Data(), chunk.DataSize(), field);
}

std::optional<CString> ReadFieldText(const CChunk& chunk, const FieldLayout& field) {
    if (!IsFieldHeld(chunk, field)) {
        return std::nullopt;
    }
    if (field.kind == FieldKind::SignedNumber) {
        return SignedText(chunk, field);
    }
    if (IsNumeric(field) && field.width == 8) {
        return std::to_string(field.NumberIn(chunk.Payload()).value_or(0));
    }
    if (IsNumeric(field)) {
        return NumberText(field, ReadNumber(chunk, field));
    }
    if (field.kind == FieldKind::Hundredths) {
        return FormatHundredths(static_cast<WORD>(ReadNumber(chunk, field)));
    }
    if (field.kind == FieldKind::Umid) {
        return UmidText(chunk.Data() + field.offset, field.width);
    }
    return ShownText(field, ReadTextBytes(chunk.Data(), chunk.DataSize(), field));
}

CString WriteFieldText(CChunk& chunk, const FieldLayout& field, const CString& strTyped) {
    // A UMID and a signed number are set by other means or shown only.
    if (!field.stored || !IsFieldHeld(chunk, field) || field.kind == FieldKind::Umid ||
        field.kind == FieldKind::SignedNumber) {
        return CString();
    }
    if (field.kind == FieldKind::Hundredths) {
        return WriteHundredths(chunk, field, strTyped);
    }
    if (IsNumeric(field)) {
        const std::optional<DWORD> value = ParsePositiveInteger(strTyped);
        if (!value) {
            return kNumberRuleMessage;
        }
        WriteNumber(chunk.Data(), chunk.DataSize(), field, *value);
        return CString();
    }
    const CString strRead = ReadTextBytes(chunk.Data(), chunk.DataSize(), field);
    const bool bSame =
        (field.multiLine ? WithCrLfLineBreaks(strTyped) : strTyped) == ShownText(field, strRead);
    if (!bSame) {
        WriteTextBytes(chunk.Data(), chunk.DataSize(), field,
                       EditedBytes(field, strTyped, strRead));
    }
    return CString();
}
