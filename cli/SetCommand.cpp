#include "cli/SetCommand.h"

#include <iostream>

#include "cli/Batch.h"
#include "cli/FileEdit.h"
#include "cli/FileSave.h"

int RunSet(const Invocation& invocation) {
    const int nExit = RunBatch(invocation.files, [&invocation](const CString& strPath) {
        return EditFile(strPath, invocation.assignments,
                        {invocation.bDryRun, SaveOptionsOf(invocation)});
    });
    std::cout << std::flush;
    return nExit;
}
