#pragma once
// Tables as RFC 4180 has them: records ended by CR LF, cells separated by commas, a cell quoted
// when it holds a comma, a quote or a line break, quotes inside doubled.

#include <vector>

#include "core/base/Types.h"

using CsvRow = std::vector<CString>;

struct CsvTable {
    std::vector<CsvRow> rows;
    std::vector<int> lines;  // the line each row starts on, from 1
};

// One record, with its CR LF.
CString CsvRecord(const CsvRow& row);

// Reads records ended by CR LF or LF; the last may lack its line end, and blank lines are
// skipped. A leading byte-order mark is dropped. Returns FALSE with the line and the reason in
// strError for a quote inside an unquoted cell, text after a closing quote, or a quote that is
// never closed.
BOOL ParseCsv(const CString& strText, CsvTable& table, CString& strError);
