#include "cli/InfoCommand.h"

#include <iostream>

#include "cli/Batch.h"
#include "cli/InfoJson.h"
#include "cli/InfoText.h"
#include "cli/LoadedFile.h"

namespace {

int RunInfoText(const std::vector<CString>& files) {
    bool bFirst = true;
    return RunBatch(files, [&bFirst](const CString& strPath) {
        const CLoadedFile file(strPath);
        std::cout << (bFirst ? "" : "\n");
        PrintInfoText(file);
        bFirst = false;
        return file.Failure();
    });
}

int RunInfoJsonLines(const std::vector<CString>& files) {
    return RunBatch(files, [](const CString& strPath) {
        const CLoadedFile file(strPath);
        PrintInfoJsonLine(file);
        return file.Failure();
    });
}

int RunInfoJson(const std::vector<CString>& files) {
    CInfoJson json(std::cout);
    const int nExit = RunBatch(files, [&json](const CString& strPath) {
        const CLoadedFile file(strPath);
        json.Add(file);
        return file.Failure();
    });
    json.Finish();
    return nExit;
}

}  // namespace

int RunInfo(const Invocation& invocation) {
    const int nExit = invocation.bJsonLines ? RunInfoJsonLines(invocation.files)
                      : invocation.bJson    ? RunInfoJson(invocation.files)
                                            : RunInfoText(invocation.files);
    std::cout << std::flush;
    return nExit;
}
