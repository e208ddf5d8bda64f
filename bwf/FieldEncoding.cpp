#include "bwf/FieldEncoding.h"

#include <QStringDecoder>
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

// The length of the UTF-8 sequence that starts at index i, or 0 when none does: no overlong
// forms, no surrogates, nothing above U+10FFFF.
std::size_t SequenceLength(const CString& s, std::size_t i) {
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

std::optional<CString> ToWindows1252(const QString& text) {
    CString bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        const std::optional<BYTE> byte = UnicodeToWindows1252(ch.unicode());
        if (!byte) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(*byte));
    }
    return bytes;
}

}  // namespace

bool IsValidUtf8(const CString& strBytes) {
    for (std::size_t i = 0; i < strBytes.size();) {
        const std::size_t length = SequenceLength(strBytes, i);
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

QString DecodeFieldBytes(const CString& strBytes) {
    if (EncodingOf(strBytes) == FieldEncoding::Utf8) {
        // A leading byte order mark is part of the field's text like any other character.
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        return decoder(QByteArrayView(strBytes.data(), static_cast<qsizetype>(strBytes.size())));
    }
    QString text;
    text.reserve(static_cast<qsizetype>(strBytes.size()));
    for (const char byte : strBytes) {
        text.append(QChar(Windows1252ToUnicode(static_cast<BYTE>(byte))));
    }
    return text;
}

CString EncodeFieldText(const QString& text, FieldEncoding encoding) {
    if (encoding == FieldEncoding::Windows1252) {
        if (std::optional<CString> bytes = ToWindows1252(text)) {
            return *bytes;
        }
    }
    return text.toStdString();
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
