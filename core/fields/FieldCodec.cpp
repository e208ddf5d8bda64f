#include "core/fields/FieldCodec.h"

#include <algorithm>

#include "core/base/LittleEndian.h"
#include "core/fields/PayloadField.h"

namespace {

// A field held whole or not at all.
bool IsWhole(const FieldLayout& field) {
    return IsNumeric(field) || field.kind == FieldKind::SignedNumber ||
           field.kind == FieldKind::Hundredths || field.kind == FieldKind::Umid;
}

void RemoveTrailingWhiteSpace(CString& strText) {
    const std::size_t nLast = strText.find_last_not_of(" \t\r\n\v\f");
    strText.erase(nLast == CString::npos ? 0 : nLast + 1);
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

DWORD ReadNumber(const BYTE* pPayload, DWORD dwSize, const FieldLayout& field) {
    if (!pPayload || HeldWidth(field, dwSize) != field.width) {
        return 0;
    }
    return static_cast<DWORD>(
        LittleEndianOr0(ByteSpan(pPayload, dwSize), field.offset, field.width));
}

void WriteNumber(BYTE* pPayload, DWORD dwSize, const FieldLayout& field, DWORD dwValue) {
    if (pPayload && HeldWidth(field, dwSize) == field.width) {
        StoreLittleEndianAt(std::span<BYTE>(pPayload, dwSize), field.offset, field.width, dwValue);
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
        const std::size_t nCopied = std::min<std::size_t>(strCut.size(), dwHeld);
        std::copy_n(strCut.begin(), nCopied, pPayload + field.offset);
        std::fill_n(pPayload + field.offset + nCopied, dwHeld - nCopied, BYTE{0});
    }
}
