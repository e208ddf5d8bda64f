#include "cli/Diagnostics.h"

#include <iostream>

#include "cli/TerminalText.h"

void ReportFileFailure(const CString& strPath, const CString& strReason) {
    // One write, so that the line stays whole beside the output of other programs.
    std::cerr << WithControlsEscaped("ovalis-cli: " + strPath + ": " + strReason + "\n");
}

void ReportFileNote(const CString& strPath, const CString& strNote) {
    std::cerr << WithControlsEscaped("ovalis-cli: " + strPath + ": note: " + strNote + "\n");
}

int ReportUsageError(const CString& strMessage) {
    std::cerr << WithControlsEscaped("ovalis-cli: " + strMessage) + "\nTry 'ovalis-cli --help'.\n";
    return kExitUsage;
}

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
