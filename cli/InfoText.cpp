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
           std::to_string(chunk.llSize) + "  offset " + std::to_string(chunk.llOffset) + "\n";
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

CString DetailLines(const ChunkReport& chunk, std::size_t nIndex) {
    CString strText =
        "  details of " + chunk.strTab + " (chunk " + std::to_string(nIndex + 1) + "):\n";
    for (const DetailTable& table : chunk.details) {
        CString strTable = DetailTableText(table);
        strTable.erase(strTable.find_last_not_of('\n') + 1);
        strText += "    " + Indented(strTable, "      ") + "\n";
    }
    return strText;
}

CString FileDetailLines(const FileReport& report) {
    CString strText = "  file details:\n";
    for (const auto& [name, value] : report.details) {
        strText += "    " + name + ": " + value + "\n";
    }
    return strText;
}

}  // namespace

CString InfoText(const FileReport& report) {
    CString strText = WithControlsEscaped(report.strPath) + "\n";
    if (!report.strFailure.empty()) {
        return strText + "  not loaded: " + report.strFailure + "\n";
    }
    strText += "  form: " + report.strForm + "\n";
    if (!report.strNote.empty()) {
        strText += "  note: " + report.strNote + "\n";
    }
    strText += "  chunks:\n";
    for (const ChunkReport& chunk : report.chunks) {
        strText += ChunkLine(chunk);
    }
    CString strOverview = WithControlsEscaped(report.strOverview);
    strOverview.erase(strOverview.find_last_not_of("\r\n") + 1);
    strText += "  overview:\n    " + Indented(strOverview, "    ") + "\n";
    strText += FileDetailLines(report);
    for (std::size_t i = 0; i < report.chunks.size(); ++i) {
        if (report.chunks[i].pTable) {
            strText += FieldLines(report.chunks[i], i);
        }
        if (!report.chunks[i].details.empty()) {
            strText += DetailLines(report.chunks[i], i);
        }
    }
    return strText;
}
