#include "core/fields/FieldCodec.h"

#include <algorithm>
#include <cstdio>

#include "core/chunks/Chunk.h"
#include "core/chunks/ds64ChunkModel.h"
#include "core/fields/PayloadField.h"
#include "core/fields/PositiveInteger.h"

namespace {

bool IsNumber(const FieldLayout& field) {
    return field.kind == FieldKind::Number || field.kind == FieldKind::HexNumber;
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
    CString strResult;
    strResult.reserve(strText.size());
    for (std::size_t i = 0; i < strText.size(); ++i) {
        const char c = strText[i];
        if (c == '\r' || c == '\n') {
            strResult += "\r\n";
            if (c == '\r' && i + 1 < strText.size() && strText[i + 1] == '\n') {
                ++i;
            }
        } else {
            strResult += c;
        }
    }
    return strResult;
}

DWORD HeldWidth(const FieldLayout& field, DWORD dwSize) {
    if (IsNumber(field)) {
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
    return chunk.Data() && IsFieldHeld(field, chunk.DataSize());
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

CString EditedBytes(const FieldLayout& field, const CString& strText, FieldEncoding encoding) {
    return EncodeFieldText(field.multiLine ? WithCrLfLineBreaks(strText) : strText, encoding);
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
    return ShownText(field, ReadTextBytes(chunk.Data(), chunk.DataSize(), field));
}

CString WriteFieldText(CChunk& chunk, const FieldLayout& field, const CString& strTyped) {
    if (!field.stored || !IsFieldHeld(chunk, field)) {
        return CString();
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
    const CString strBytes = bSame ? strRead : EditedBytes(field, strTyped, EncodingOf(strRead));
    WriteTextBytes(chunk.Data(), chunk.DataSize(), field, strBytes);
    return CString();
}
