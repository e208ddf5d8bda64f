#include "cli/Batch.h"

#include "cli/Diagnostics.h"
#include "cli/Progress.h"

int RunBatch(const std::vector<CString>& files, const FileWork& work) {
    int nExit = kExitDone;
    CProgress progress = StandardErrorProgress(files.size());
    for (const CString& strPath : files) {
        if (const CString strFailure = work(strPath); !strFailure.empty()) {
            ReportFileFailure(strPath, strFailure);
            nExit = kExitSomeFailed;
        }
        progress.Step();
    }
    return nExit;
}
