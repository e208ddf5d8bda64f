#include "cli/ImportTable.h"

#include <algorithm>

#include "cli/FieldCatalog.h"
#include "core/base/Csv.h"
#include "core/base/FormulaCells.h"
#include "core/edit/MetadataValues.h"

namespace {

constexpr const char* kPathColumn = "path";

CString CheckHeader(const CsvRow& header) {
    if (std::count(header.begin(), header.end(), kPathColumn) != 1) {
        return "line 1: the header needs one column named \"path\"";
    }
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] != kPathColumn && !IsKnownField(header[i]) && !IsMetadataName(header[i])) {
            return "line 1: no field is named \"" + header[i] + "\"";
        }
        if (std::find(header.begin(), header.begin() + static_cast<std::ptrdiff_t>(i), header[i]) !=
            header.begin() + static_cast<std::ptrdiff_t>(i)) {
            return "line 1: column \"" + header[i] + "\" comes twice";
        }
    }
    return CString();
}

CString ReadRow(const CsvRow& header, const CsvRow& cells, ImportRow& row) {
    if (cells.size() != header.size()) {
        return std::to_string(cells.size()) + " cells where the header has " +
               std::to_string(header.size());
    }
    for (std::size_t i = 0; i < header.size(); ++i) {
        const CString strCell = ImportedCell(cells[i]);
        if (header[i] == kPathColumn) {
            row.strPath = strCell;
        } else if (!strCell.empty() && (IsStoredField(header[i]) || IsMetadataName(header[i]))) {
            Assignment assignment{header[i], strCell};
            if (CString strProblem = CheckAssignment(assignment); !strProblem.empty()) {
                return strProblem;
            }
            row.assignments.push_back(std::move(assignment));
        }
    }
    return row.strPath.empty() ? "no path" : CString();
}

}  // namespace

BOOL ReadImportTable(const CString& strText, std::vector<ImportRow>& rows, CString& strError) {
    CsvTable table;
    if (!ParseCsv(strText, table, strError)) {
        return FALSE;
    }
    if (table.rows.empty()) {
        strError = "the table is empty";
        return FALSE;
    }
    const CsvRow& header = table.rows.front();
    strError = CheckHeader(header);
    for (std::size_t i = 1; i < table.rows.size() && strError.empty(); ++i) {
        ImportRow row;
        if (CString strProblem = ReadRow(header, table.rows[i], row); !strProblem.empty()) {
            strError = "line " + std::to_string(table.lines[i]) + ": " + strProblem;
        }
        rows.push_back(std::move(row));
    }
    return strError.empty() ? TRUE : FALSE;
}
