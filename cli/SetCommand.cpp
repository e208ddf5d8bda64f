#include "cli/SetCommand.h"

#include <iostream>

#include "cli/Diagnostics.h"
#include "cli/FileEdit.h"
#include "cli/Progress.h"

int RunSet(const Invocation& invocation) {
    int nExit = kExitDone;
    CProgress progress = StandardErrorProgress(invocation.files.size());
    for (const CString& strPath : invocation.files) {
        const CString strFailure = EditFile(strPath, invocation.assignments, invocation.bDryRun);
        if (!strFailure.empty()) {
            ReportFileFailure(strPath, strFailure);
            nExit = kExitSomeFailed;
        }
        progress.Step();
    }
    std::cout << std::flush;
    return nExit;
}
