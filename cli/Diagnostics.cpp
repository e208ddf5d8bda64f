#include "cli/Diagnostics.h"

#include <iostream>

namespace {

CString& Messages() {
    static CString strMessages;
    return strMessages;
}

// Message texts end lines with CR LF, which a terminal line does not want.
CString OneLine(const CString& strText) {
    CString strLine;
    for (const char c : strText) {
        if (c == '\r' || c == '\n') {
            if (!strLine.empty() && strLine.back() != ' ') {
                strLine += ' ';
            }
        } else {
            strLine += c;
        }
    }
    return strLine;
}

}  // namespace

void ReportFileFailure(const CString& strPath, const CString& strReason) {
    // One write, so that the line stays whole beside those of other processes.
    std::cerr << "ovalis-cli: " + strPath + ": " + strReason + "\n";
}

int ReportUsageError(const CString& strMessage) {
    std::cerr << "ovalis-cli: " + strMessage + "\nTry 'ovalis-cli --help'.\n";
    return kExitUsage;
}

void RecordMessage(const CString& strText) {
    CString& strMessages = Messages();
    if (!strMessages.empty()) {
        strMessages += "; ";
    }
    strMessages += OneLine(strText);
}

CString TakeMessages() {
    CString strMessages;
    strMessages.swap(Messages());
    return strMessages;
}
