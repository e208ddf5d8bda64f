#pragma once
// A table for import --csv, checked whole before any file is touched: a "path" column, columns
// named by fields, and per row the edits of its non-empty cells in the columns of stored fields.

#include <optional>
#include <vector>

#include "cli/CommandLine.h"
#include "core/edit/MarkerList.h"

struct ImportRow {
    CString strPath;
    std::vector<Assignment> assignments;
    std::optional<std::vector<Marker>> markers;  // a document's markers, when it gives them
};

// FALSE with the line and reason in strError when the table cannot be applied as it is.
BOOL ReadImportTable(const CString& strText, std::vector<ImportRow>& rows, CString& strError);
// The same for import --json: a document {"files": [{"path", "values", "markers"}]} as export
// --json writes it.
BOOL ReadImportDocument(const CString& strText, std::vector<ImportRow>& rows, CString& strError);
