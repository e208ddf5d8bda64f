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
#include "cli/SetCommand.h"
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
    const BOOL bRead = invocation.bJson ? ReadImportDocument(strText, rows, strError)
                                        : ReadImportTable(strText, rows, strError);
    if (!bRead) {
        return ReportUsageError(strTable + ": " + strError + "; no file was touched");
    }
    int nExit = kExitDone;
    CProgress progress = StandardErrorProgress(rows.size());
    for (const ImportRow& row : rows) {
        if (!row.assignments.empty() || row.markers) {
            const CString strPath = PathFromTable(row.strPath, strTable);
            const EditChoice choice{invocation.bDryRun, SaveOptionsOf(invocation),
                                    EditRulesOf(invocation)};
            const CString strFailure =
                row.markers ? EditFile(strPath, row.assignments, *row.markers, choice)
                            : EditFile(strPath, row.assignments, choice);
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
