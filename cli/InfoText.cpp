#include "cli/InfoText.h"

#include <charconv>

#include "cli/LoadedFile.h"
#include "cli/TerminalText.h"
#include "core/details/AudioFacts.h"

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

void AppendNumber(CString& strText, std::int64_t n) {
    char digits[24];
    strText.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
}

// Into one line kept between calls: a file of many chunks prints one per chunk.
const CString& ChunkLine(const ChunkReport& chunk) {
    static CString strLine;
    strLine.assign("    ").append(chunk.strTab).append("  id '").append(chunk.strId);
    strLine.append("'  size ");
    AppendNumber(strLine, chunk.llSize);
    strLine.append("  offset ");
    AppendNumber(strLine, chunk.llOffset);
    strLine += '\n';
    return strLine;
}

CString FieldLines(const ChunkReport& chunk, std::size_t nIndex) {
    CString strText =
        "  fields of " + chunk.strTab + " (chunk " + std::to_string(nIndex + 1) + "):\n";
    for (const FieldValue& field : chunk.fields) {
        const CString strName = "    " + CString(field.pField->name) + ": ";
        const CString strValue = field.text.value_or("(not in the chunk's data)");
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

void PrintInfoText(const CLoadedFile& file) {
    const FileReport report = FileSummaryOf(file);
    if (!report.strFailure.empty()) {
        PrintText(report.strPath + "\n  not loaded: " + report.strFailure + "\n");
        return;
    }
    PrintText(report.strPath + "\n  form: " + report.strForm + "\n");
    if (!report.strNote.empty()) {
        PrintText("  note: " + report.strNote + "\n");
    }
    PrintText("  chunks:\n");
    const std::vector<CChunk*> chunks = file.Chunks();
    for (const CChunk* pChunk : chunks) {
        PrintText(ChunkLine(ChunkEntryOf(*pChunk)));
    }
    CString strOverview = report.strOverview;
    strOverview.erase(strOverview.find_last_not_of("\r\n") + 1);
    PrintText("  overview:\n    " + Indented(strOverview, "    ") + "\n" + FileDetailLines(report));
    // One chunk's fields and details at a time: a file of many chunks never holds them all.
    const AudioFacts facts = AudioFactsOf(file.Root());
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        const std::optional<ChunkReport> chunk = FieldsAndDetailsOf(*chunks[i], facts);
        if (chunk && chunk->pTable) {
            PrintText(FieldLines(*chunk, i));
        }
        if (chunk && !chunk->details.empty()) {
            PrintText(DetailLines(*chunk, i));
        }
    }
}
