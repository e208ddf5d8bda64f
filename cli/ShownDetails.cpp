#include "cli/ShownDetails.h"

#include <algorithm>

namespace {

// What a cut table's rows are, and the command that lists them all.
struct RowsName {
    const char* title;
    const char* noun;
    const char* command;
};

constexpr RowsName kRowsNames[] = {
    {"Markers", "markers", "ovalis-cli markers"},
    {"Associated data", "entries", "ovalis-cli markers"},
    {"INFO entries", "entries", "ovalis-cli export --json"},
    {"iXML tracks", "tracks", "ovalis-cli export --json"},
    {"ADM programmes", "rows", "ovalis-cli export --axml"},
    {"ADM document", "bytes", "ovalis-cli export --axml"},
};

// "1,234,567": the counts of a note are read, not parsed.
CString Grouped(std::size_t n) {
    CString strDigits = std::to_string(n);
    for (std::size_t i = strDigits.size(); i > 3; i -= 3) {
        strDigits.insert(i - 3, 1, ',');
    }
    return strDigits;
}

CString LeftOutNote(const CString& strTitle, std::size_t nLeftOut, const char* pDefaultNoun) {
    const auto it =
        std::find_if(std::begin(kRowsNames), std::end(kRowsNames),
                     [&strTitle](const RowsName& name) { return strTitle == name.title; });
    const bool bNamed = it != std::end(kRowsNames);
    CString strNote = "\xE2\x80\xA6 " + Grouped(nLeftOut) + " more " +
                      (bNamed && CString(pDefaultNoun) != "bytes" ? it->noun : pDefaultNoun) +
                      " not shown";
    return bNamed ? strNote + "; `" + it->command + "` gives them all" : strNote;
}

void CutRows(DetailTable& rTable) {
    if (rTable.rows.size() <= kShownRows) {
        return;
    }
    const CString strNote = LeftOutNote(rTable.title, rTable.rows.size() - kShownRows, "rows");
    rTable.rows.resize(kShownRows);
    rTable.rows.shrink_to_fit();
    rTable.text = rTable.text.empty() ? strNote : rTable.text + "\n" + strNote;
}

// A table's text past the bound keeps its whole lines before it (or, for one long line, the
// bytes before it that end a UTF-8 character).
void CutText(DetailTable& rTable, std::size_t nBound) {
    if (rTable.text.size() <= nBound) {
        return;
    }
    std::size_t nKept = rTable.text.rfind('\n', nBound - 1);
    if (nKept == CString::npos) {
        nKept = nBound;
        while (nKept > 0 && (static_cast<unsigned char>(rTable.text[nKept]) & 0xC0) == 0x80) {
            --nKept;
        }
    } else {
        ++nKept;
    }
    const std::size_t nLeftOut = rTable.text.size() - nKept;
    rTable.text.resize(nKept);
    rTable.text.shrink_to_fit();
    if (!rTable.text.empty() && rTable.text.back() != '\n') {
        rTable.text += '\n';
    }
    rTable.text += LeftOutNote(rTable.title, nLeftOut, "bytes");
}

}  // namespace

void CutForInfo(std::vector<DetailTable>& rDetails, std::size_t nPayloadBytes) {
    const std::size_t nBound = std::max(kShownDocumentBytes, 2 * nPayloadBytes);
    for (DetailTable& table : rDetails) {
        CutRows(table);
        CutText(table, nBound);
    }
}
