#include "core/details/DetailTable.h"

#include <algorithm>

namespace {

// Columns line up to this width; a longer cell (a GUID, a long label) pushes the rest of its row
// instead of pushing the column for every row.
constexpr std::size_t kWidestAligned = 24;

// Appends the row to rText, each cell but the last padded to its column's width.
void AppendRow(CString& rText, const std::vector<CString>& cells,
               const std::vector<std::size_t>& widths) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        rText += cells[i];
        if (i + 1 < cells.size()) {
            rText.append(widths[i] > cells[i].size() ? widths[i] - cells[i].size() + 2 : 2, ' ');
        }
    }
    rText.erase(rText.find_last_not_of(' ') + 1);
    rText += '\n';
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
        AppendRow(strText, table.columns, widths);
    }
    for (const auto& row : table.rows) {
        AppendRow(strText, row, widths);
    }
    if (!table.text.empty()) {
        strText += table.text + (table.text.back() == '\n' ? "" : "\n");
    }
    return strText;
}
