#pragma once
// A read-only command over many files: the work for each file gives its output and, when it
// failed, its reason; both come out in file order. A large batch is shared among worker
// processes, one per processor, since each file's pages are made on one thread.

#include <functional>
#include <vector>

#include "core/base/Types.h"

struct FileOutcome {
    CString strOut;      // for standard output
    CString strFailure;  // empty when the file did not fail
};

using FileWork = std::function<FileOutcome(const CString& strPath)>;
using OutputSink = std::function<void(const CString& strOut)>;

// Runs work for every file with the toolkit started, hands each output to sink and names each
// failure on standard error, in file order, with a progress line for a long batch. Returns
// kExitDone, or kExitSomeFailed when a file failed.
int RunBatch(const std::vector<CString>& files, const FileWork& work, const OutputSink& sink);
