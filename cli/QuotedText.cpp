#include "cli/QuotedText.h"

#include <cstdio>

CString QuotedText(const CString& strText) {
    CString strQuoted = "\"";
    for (const char c : strText) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            strQuoted += '\\';
            strQuoted += c;
        } else if (c == '\r') {
            strQuoted += "\\r";
        } else if (c == '\n') {
            strQuoted += "\\n";
        } else if (c == '\t') {
            strQuoted += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            strQuoted += hex;
        } else {
            strQuoted += c;
        }
    }
    return strQuoted + "\"";
}
