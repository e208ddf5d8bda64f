#include "cli/ConvertCommand.h"

#include <iostream>

#include "cli/Batch.h"
#include "cli/FileSave.h"
#include "cli/LoadedFile.h"
#include "cli/TerminalText.h"
#include "core/edit/FormConversion.h"

namespace {

CString Convert(const CString& strPath, const Invocation& invocation) {
    CLoadedFile file(strPath, FileUse::Write);
    if (!file.IsLoaded()) {
        return file.Failure();
    }
    if (CString strRefused = ConvertToRiff(file.Root()); !strRefused.empty()) {
        return strRefused + "; left untouched";
    }
    if (CString strFailure = SaveEdited(file.Root(), SaveOptionsOf(invocation));
        !strFailure.empty()) {
        return strFailure;
    }
    PrintText(strPath + ": now a RIFF form\n");
    return CString();
}

}  // namespace

int RunConvert(const Invocation& invocation) {
    const int nExit = RunBatch(invocation.files, [&invocation](const CString& strPath) {
        return Convert(strPath, invocation);
    });
    std::cout << std::flush;
    return nExit;
}
