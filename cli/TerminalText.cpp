#include "cli/TerminalText.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "cli/HeldOutput.h"
#include "core/fields/FieldEncoding.h"

namespace {

CString Escape(const char* pszFormat, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, pszFormat, value);
    return text;
}

unsigned char ByteAt(const CString& strText, std::size_t i) {
    return i < strText.size() ? static_cast<unsigned char>(strText[i]) : 0;
}

// The code point of a whole UTF-8 sequence of two or three bytes; 0 for any other length.
char32_t CodePoint(const CString& strText, std::size_t i, std::size_t nSequence) {
    const auto tail = [&strText, i](std::size_t k) { return ByteAt(strText, i + k) & 0x3Fu; };
    if (nSequence == 2) {
        return (ByteAt(strText, i) & 0x1Fu) << 6 | tail(1);
    }
    if (nSequence == 3) {
        return (ByteAt(strText, i) & 0x0Fu) << 12 | tail(1) << 6 | tail(2);
    }
    return 0;
}

// The marks and embeddings, overrides and isolates that reorder what follows them: a name could
// otherwise show its extension reversed, or text a terminal prints after it.
bool IsBidiControl(char32_t ch) {
    return ch == 0x061C || ch == 0x200E || ch == 0x200F || (ch >= 0x202A && ch <= 0x202E) ||
           (ch >= 0x2066 && ch <= 0x2069);
}

// Most lines are plain printable ASCII, and need no escape.
bool IsPlain(const CString& strText) {
    return std::all_of(strText.begin(), strText.end(),
                       [](char c) { return (c >= 0x20 && c < 0x7F) || c == '\n' || c == '\t'; });
}

}  // namespace

CString WithControlsEscaped(const CString& strText) {
    if (IsPlain(strText)) {
        return strText;
    }
    CString strResult;
    strResult.reserve(strText.size());
    for (std::size_t i = 0; i < strText.size(); ++i) {
        const unsigned char byte = ByteAt(strText, i);
        const bool bCrLf = byte == '\r' && ByteAt(strText, i + 1) == '\n';
        const std::size_t nSequence = byte >= 0x80 ? Utf8SequenceLength(strText, i) : 0;
        if (byte == '\n' || byte == '\t' || bCrLf) {
            strResult += strText[i];
        } else if (byte < 0x20 || byte == 0x7F ||
                   (nSequence == 0 && byte >= 0x80 && byte <= 0x9F)) {
            strResult += Escape("\\x%02X", byte);
        } else if (byte == 0xC2 && nSequence == 2 && ByteAt(strText, i + 1) <= 0x9F) {
            strResult += Escape("\\u%04X", ByteAt(strText, ++i));
        } else if (IsBidiControl(CodePoint(strText, i, nSequence))) {
            strResult += Escape("\\u%04X", CodePoint(strText, i, nSequence));
            i += nSequence - 1;
        } else if (nSequence > 1) {
            strResult.append(strText, i, nSequence);
            i += nSequence - 1;
        } else {
            strResult += strText[i];
        }
    }
    return strResult;
}

void PrintText(const CString& strText) {
    if (IsPlain(strText)) {
        FileOutput() << strText;
        return;
    }
    FileOutput() << WithControlsEscaped(strText);
}
