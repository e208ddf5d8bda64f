#include "core/fields/FieldCodec.h"

#include <algorithm>
#include <cstdio>

#include "core/chunks/Chunk.h"
#include "core/chunks/ds64ChunkModel.h"
#include "core/fields/ChunkFields.h"
#include "core/fields/Hundredths.h"
#include "core/fields/PayloadField.h"
#include "core/fields/PositiveInteger.h"
#include "core/fields/UmidText.h"

namespace {

bool IsNumber(const FieldLayout& field) {
    return field.kind == FieldKind::Number || field.kind == FieldKind::HexNumber;
}

// A field held whole or not at all.
bool IsWhole(const FieldLayout& field) {
    return IsNumber(field) || field.kind == FieldKind::Hundredths || field.kind == FieldKind::Umid;
}

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

void RemoveTrailingWhiteSpace(CString& strText) {
    const std::size_t nLast = strText.find_last_not_of(" \t\r\n\v\f");
    strText.erase(nLast == CString::npos ? 0 : nLast + 1);
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

}  // namespace

CString WithCrLfLineBreaks(const CString& strText) {
    return WithLineBreaks(strText, LineBreak::CrLf);
}

CString WithLineBreaks(const CString& strText, LineBreak lineBreak) {
    const char* pszBreak = lineBreak == LineBreak::CrLf ? "\r\n"
                           : lineBreak == LineBreak::Lf ? "\n"
                                                        : "\r";
    CString strResult;
    strResult.reserve(strText.size());
    for (std::size_t i = 0; i < strText.size(); ++i) {
        const char c = strText[i];
        if (c == '\r' || c == '\n') {
            strResult += pszBreak;
            if (c == '\r' && i + 1 < strText.size() && strText[i + 1] == '\n') {
                ++i;
            }
        } else {
            strResult += c;
        }
    }
    return strResult;
}

LineBreak LineBreakOf(const CString& strBytes) {
    const std::size_t nAt = strBytes.find_first_of("\r\n");
    if (nAt == CString::npos) {
        return LineBreak::CrLf;
    }
    if (strBytes[nAt] == '\n') {
        return LineBreak::Lf;
    }
    return nAt + 1 < strBytes.size() && strBytes[nAt + 1] == '\n' ? LineBreak::CrLf : LineBreak::Cr;
}

DWORD HeldWidth(const FieldLayout& field, DWORD dwSize) {
    if (IsWhole(field)) {
        return FieldFitsPayload(dwSize, field.offset, field.width) ? field.width : 0;
    }
    const DWORD dwWidth = field.kind == FieldKind::TextToEnd
                              ? (dwSize > field.offset ? dwSize - field.offset : 0)
                              : field.width;
    return FieldBytesInPayload(dwSize, field.offset, dwWidth);
}

bool IsFieldHeld(const FieldLayout& field, DWORD dwSize) {
    return HeldWidth(field, dwSize) > 0;
}

bool IsFieldHeld(const CChunk& chunk, const FieldLayout& field) {
    return chunk.Data() && IsFieldHeld(field, chunk.DataSize()) && IsOfChunkVersion(chunk, field);
}

DWORD ReadNumber(const BYTE* pPayload, DWORD dwSize, const FieldLayout& field) {
    DWORD dwValue = 0;
    if (pPayload && HeldWidth(field, dwSize) == field.width) {
        AddLittleEndian(&dwValue, pPayload + field.offset, static_cast<int>(field.width));
    }
    return dwValue;
}

DWORD ReadNumber(const CChunk& chunk, const FieldLayout& field) {
    return ReadNumber(chunk.Data(), chunk.DataSize(), field);
}

void WriteNumber(BYTE* pPayload, DWORD dwSize, const FieldLayout& field, DWORD dwValue) {
    if (pPayload && HeldWidth(field, dwSize) == field.width) {
        StoreLittleEndian(&dwValue, pPayload + field.offset, static_cast<int>(field.width));
    }
}

CString ReadTextBytes(const BYTE* pPayload, DWORD dwSize, const FieldLayout& field) {
    const DWORD dwHeld = pPayload ? HeldWidth(field, dwSize) : 0;
    const BYTE* pField = pPayload + (dwHeld > 0 ? field.offset : 0);
    CString strBytes(pField, std::find(pField, pField + dwHeld, BYTE{0}));
    if (field.trimmed) {
        RemoveTrailingWhiteSpace(strBytes);
    }
    return strBytes;
}

CString ShownText(const FieldLayout& field, const CString& strBytes) {
    const CString strText = DecodeFieldBytes(strBytes);
    return field.multiLine ? WithCrLfLineBreaks(strText) : strText;
}

CString EditedBytes(const FieldLayout& field, const CString& strText, const CString& strRead) {
    const CString strLines =
        field.multiLine ? WithLineBreaks(strText, LineBreakOf(strRead)) : strText;
    return EncodeFieldText(strLines, EncodingOf(strRead));
}

void WriteTextBytes(BYTE* pPayload, DWORD dwSize, const FieldLayout& field,
                    const CString& strBytes) {
    const DWORD dwHeld = pPayload ? HeldWidth(field, dwSize) : 0;
    if (dwHeld > 0) {
        const CString strCut = CutFieldBytes(strBytes, dwHeld);
        CopyTextToField(&strCut, pPayload + field.offset, static_cast<int>(dwHeld));
    }
}

std::optional<CString> ReadFieldText(const CChunk& chunk, const FieldLayout& field) {
    if (!IsFieldHeld(chunk, field)) {
        return std::nullopt;
    }
    if (IsNumber(field) && field.width == 8) {
        return std::to_string(ReadLittleEndian64(chunk.Data(), chunk.DataSize(), field.offset));
    }
    if (IsNumber(field)) {
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
    if (!field.stored || !IsFieldHeld(chunk, field) || field.kind == FieldKind::Umid) {
        return CString();
    }
    if (field.kind == FieldKind::Hundredths) {
        return WriteHundredths(chunk, field, strTyped);
    }
    if (IsNumber(field)) {
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
