#include "cli/TerminalText.h"

#include <cstdio>

namespace {

CString Escape(const char* pszFormat, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, pszFormat, value);
    return text;
}

}  // namespace

CString WithControlsEscaped(const CString& strText) {
    CString strResult;
    strResult.reserve(strText.size());
    for (std::size_t i = 0; i < strText.size(); ++i) {
        const auto byte = static_cast<unsigned char>(strText[i]);
        const bool bCrLf = byte == '\r' && i + 1 < strText.size() && strText[i + 1] == '\n';
        const auto next = i + 1 < strText.size() ? static_cast<unsigned char>(strText[i + 1]) : 0;
        if (byte == '\n' || byte == '\t' || bCrLf) {
            strResult += strText[i];
        } else if (byte < 0x20 || byte == 0x7F) {
            strResult += Escape("\\x%02X", byte);
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            strResult += Escape("\\u%04X", next);
            ++i;
        } else {
            strResult += strText[i];
        }
    }
    return strResult;
}
