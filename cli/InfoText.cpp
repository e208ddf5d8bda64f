#include "cli/InfoText.h"

#include "cli/TerminalText.h"

namespace {

// Every line of the text after the first starts with the indent; CR LF and LF both break lines.
CString Indented(const CString& strText, const CString& strIndent) {
    CString strResult;
    for (std::size_t i = 0; i < strText.size(); ++i) {
        const char c = strText[i];
        if (c == '\r' && i + 1 < strText.size() && strText[i + 1] == '\n') {
            continue;
        }
        strResult += c;
        if (c == '\n' && i + 1 < strText.size()) {
            strResult += strIndent;
        }
    }
    return strResult;
}

CString ChunkLine(const ChunkReport& chunk) {
    return "    " + WithControlsEscaped(chunk.strTab) + "  id '" + chunk.strId + "'  size " +
           std::to_string(chunk.dwSize) + "  offset " + std::to_string(chunk.dwOffset) + "\n";
}

CString FieldLines(const ChunkReport& chunk, std::size_t nIndex) {
    CString strText =
        "  fields of " + chunk.strTab + " (chunk " + std::to_string(nIndex + 1) + "):\n";
    for (const FieldValue& field : chunk.fields) {
        const CString strName = "    " + CString(field.pField->name) + ": ";
        const CString strValue =
            field.text ? WithControlsEscaped(*field.text) : "(not in the chunk's data)";
        strText += strName + Indented(strValue, CString(strName.size(), ' ')) + "\n";
    }
    return strText;
}

}  // namespace

CString InfoText(const FileReport& report) {
    CString strText = WithControlsEscaped(report.strPath) + "\n";
    if (!report.strFailure.empty()) {
        return strText + "  not loaded: " + report.strFailure + "\n";
    }
    strText += "  chunks:\n";
    for (const ChunkReport& chunk : report.chunks) {
        strText += ChunkLine(chunk);
    }
    CString strOverview = WithControlsEscaped(report.strOverview);
    strOverview.erase(strOverview.find_last_not_of("\r\n") + 1);
    strText += "  overview:\n    " + Indented(strOverview, "    ") + "\n";
    for (std::size_t i = 0; i < report.chunks.size(); ++i) {
        if (report.chunks[i].pTable) {
            strText += FieldLines(report.chunks[i], i);
        }
    }
    return strText;
}
