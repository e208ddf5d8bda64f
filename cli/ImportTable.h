#pragma once
// A table for import --csv, checked whole before any file is touched: a "path" column, columns
// named by fields, and per row the edits of its non-empty cells in the columns of stored fields.

#include <vector>

#include "cli/CommandLine.h"

struct ImportRow {
    CString strPath;
    std::vector<Assignment> assignments;
};

// FALSE with the line and reason in strError when the table cannot be applied as it is.
BOOL ReadImportTable(const CString& strText, std::vector<ImportRow>& rows, CString& strError);
