#include "cli/ImportCommand.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "cli/Diagnostics.h"
#include "cli/FileEdit.h"
#include "cli/FileSave.h"
#include "cli/ImportTable.h"
#include "cli/Progress.h"
#include "cli/TablePaths.h"

namespace {

// The whole table: from standard input for "-".
bool ReadTableText(const CString& strTable, CString& strText) {
    if (strTable == "-") {
        strText.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return !std::cin.bad();
    }
    std::ifstream file(strTable, std::ios::binary);
    if (!file) {
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    strText = text.str();
    return !file.bad();
}

}  // namespace

int RunImport(const Invocation& invocation) {
    const CString& strTable = invocation.files.front();
    CString strText;
    if (!ReadTableText(strTable, strText)) {
        return ReportUsageError(strTable + ": the table cannot be read");
    }
    std::vector<ImportRow> rows;
    CString strError;
    if (!ReadImportTable(strText, rows, strError)) {
        return ReportUsageError(strTable + ": " + strError + "; no file was touched");
    }
    int nExit = kExitDone;
    CProgress progress = StandardErrorProgress(rows.size());
    for (const ImportRow& row : rows) {
        if (!row.assignments.empty()) {
            const CString strPath = PathFromTable(row.strPath, strTable);
            const CString strFailure =
                EditFile(strPath, row.assignments, {invocation.bDryRun, SaveOptionsOf(invocation)});
            if (!strFailure.empty()) {
                ReportFileFailure(strPath, strFailure);
                nExit = kExitSomeFailed;
            }
        }
        progress.Step();
    }
    std::cout << std::flush;
    return nExit;
}
