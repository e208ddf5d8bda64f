#include "core/details/DetailTable.h"

#include <algorithm>

namespace {

// Columns line up to this width; a longer cell (a GUID, a long label) pushes the rest of its row
// instead of pushing the column for every row.
constexpr std::size_t kWidestAligned = 24;

CString Padded(const CString& strText, std::size_t nWidth) {
    return strText.size() >= nWidth ? strText : strText + CString(nWidth - strText.size(), ' ');
}

CString RowText(const std::vector<CString>& cells, const std::vector<std::size_t>& widths) {
    CString strLine;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        strLine += i + 1 < cells.size() ? Padded(cells[i], widths[i]) + "  " : cells[i];
    }
    strLine.erase(strLine.find_last_not_of(' ') + 1);
    return strLine + "\n";
}

}  // namespace

CString DetailTableText(const DetailTable& table) {
    CString strText = table.title + ":\n";
    std::vector<std::size_t> widths(table.columns.size(), 0);
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        widths[i] = table.columns[i].size();
        for (const auto& row : table.rows) {
            const std::size_t nCell = i < row.size() ? row[i].size() : 0;
            widths[i] = nCell > kWidestAligned ? widths[i] : std::max(widths[i], nCell);
        }
    }
    if (!table.columns.empty()) {
        strText += RowText(table.columns, widths);
    }
    for (const auto& row : table.rows) {
        strText += RowText(row, widths);
    }
    if (!table.text.empty()) {
        strText += table.text + (table.text.back() == '\n' ? "" : "\n");
    }
    return strText;
}
