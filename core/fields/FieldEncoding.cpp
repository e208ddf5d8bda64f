#include "core/fields/FieldEncoding.h"

#include <array>
#include <optional>

namespace {

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves unassigned stand for the
// control characters of the same value, so that they too survive a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t Windows1252ToUnicode(BYTE byte) {
    return (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : char16_t{byte};
}

std::optional<BYTE> UnicodeToWindows1252(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        return static_cast<BYTE>(ch);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch) {
            return static_cast<BYTE>(0x80 + i);
        }
    }
    return std::nullopt;
}

bool IsContinuation(BYTE byte) {
    return (byte & 0xC0) == 0x80;
}

void AppendUtf8(CString& strText, char32_t ch) {
    if (ch < 0x80) {
        strText.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        strText.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        strText.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        strText.push_back(static_cast<char>(0xE0 | (ch >> 12)));
        strText.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        strText.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
}

// The code point of the UTF-8 sequence of nLength bytes at index i.
char32_t CodePointAt(const CString& s, std::size_t i, std::size_t nLength) {
    static constexpr BYTE kLeadMasks[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t ch = static_cast<BYTE>(s[i]) & kLeadMasks[nLength];
    for (std::size_t k = 1; k < nLength; ++k) {
        ch = (ch << 6) | (static_cast<BYTE>(s[i + k]) & 0x3F);
    }
    return ch;
}

// Nothing when a character has no byte in Windows-1252 or the text is not UTF-8.
std::optional<CString> ToWindows1252(const CString& strText) {
    CString bytes;
    bytes.reserve(strText.size());
    for (std::size_t i = 0; i < strText.size();) {
        const std::size_t nLength = Utf8SequenceLength(strText, i);
        const char32_t ch = nLength == 0 ? 0xFFFF : CodePointAt(strText, i, nLength);
        const std::optional<BYTE> byte =
            ch <= 0xFFFF ? UnicodeToWindows1252(static_cast<char16_t>(ch)) : std::nullopt;
        if (nLength == 0 || !byte) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(*byte));
        i += nLength;
    }
    return bytes;
}

}  // namespace

std::size_t Utf8SequenceLength(const CString& s, std::size_t i) {
    const auto at = [&s](std::size_t k) { return static_cast<BYTE>(s[k]); };
    const BYTE lead = at(i);
    const std::size_t left = s.size() - i;
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    BYTE low = 0x80;
    BYTE high = 0xBF;  // the range allowed for the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (left < length || at(i + 1) < low || at(i + 1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (!IsContinuation(at(i + k))) {
            return 0;
        }
    }
    return length;
}

bool IsValidUtf8(const CString& strBytes) {
    for (std::size_t i = 0; i < strBytes.size();) {
        const std::size_t length = Utf8SequenceLength(strBytes, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

FieldEncoding EncodingOf(const CString& strBytes) {
    return IsValidUtf8(strBytes) ? FieldEncoding::Utf8 : FieldEncoding::Windows1252;
}

CString DecodeFieldBytes(const CString& strBytes) {
    if (EncodingOf(strBytes) == FieldEncoding::Utf8) {
        return strBytes;
    }
    CString strText;
    strText.reserve(strBytes.size() * 2);
    for (const char byte : strBytes) {
        AppendUtf8(strText, Windows1252ToUnicode(static_cast<BYTE>(byte)));
    }
    return strText;
}

CString EncodeFieldText(const CString& strText, FieldEncoding encoding) {
    if (encoding == FieldEncoding::Windows1252) {
        if (std::optional<CString> bytes = ToWindows1252(strText)) {
            return *bytes;
        }
    }
    return strText;
}

CString CutFieldBytes(const CString& strBytes, std::size_t nWidth) {
    if (strBytes.size() <= nWidth) {
        return strBytes;
    }
    std::size_t nCut = nWidth;
    if (IsValidUtf8(strBytes)) {
        while (nCut > 0 && IsContinuation(static_cast<BYTE>(strBytes[nCut]))) {
            --nCut;
        }
    }
    return strBytes.substr(0, nCut);
}
