#include "cli/RecoverCommand.h"

#include <iostream>

#include "cli/Batch.h"
#include "cli/TerminalText.h"
#include "core/io/InterruptedSave.h"

namespace {

CString Recover(const CString& strPath) {
    const Recovery recovery = RecoverInterruptedSave(strPath);
    if (recovery.state == JournalState::None) {
        PrintText(strPath + ": no interrupted save is pending\n");
        return CString();
    }
    if (!recovery.bDone) {
        return recovery.strText;
    }
    PrintText(strPath + ": " + recovery.strText + "\n");
    return CString();
}

}  // namespace

int RunRecover(const Invocation& invocation) {
    const int nExit = RunBatch(invocation.files, Recover);
    std::cout << std::flush;
    return nExit;
}
