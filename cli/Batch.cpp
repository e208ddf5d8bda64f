#include "cli/Batch.h"

#include <unistd.h>

#include <algorithm>

#include "cli/Diagnostics.h"
#include "cli/ForkedBatch.h"
#include "cli/Progress.h"
#include "cli/Toolkit.h"

namespace {

// A worker process costs a start of the toolkit; below this many files each it does not pay.
constexpr std::size_t kFilesPerWorker = 64;
constexpr std::size_t kMostWorkers = 8;

std::size_t WorkerCount(std::size_t nFiles) {
    const long nProcessors = ::sysconf(_SC_NPROCESSORS_ONLN);
    const std::size_t nByFiles = nFiles / kFilesPerWorker;
    return std::min(
        {nProcessors > 0 ? static_cast<std::size_t>(nProcessors) : 1, nByFiles, kMostWorkers});
}

}  // namespace

int RunBatch(const std::vector<CString>& files, const FileWork& work, const OutputSink& sink) {
    int nExit = kExitDone;
    CProgress progress = StandardErrorProgress(files.size());
    const auto deliver = [&](std::size_t nIndex, const FileOutcome& outcome) {
        sink(outcome.strOut);
        if (!outcome.strFailure.empty()) {
            ReportFileFailure(files[nIndex], outcome.strFailure);
            nExit = kExitSomeFailed;
        }
    };
    const std::size_t nWorkers = WorkerCount(files.size());
    if (nWorkers > 1 && RunForked(files, nWorkers, work, deliver, [&] { progress.Step(); })) {
        return nExit;
    }
    const CToolkit toolkit;
    for (std::size_t i = 0; i < files.size(); ++i) {
        deliver(i, work(files[i]));
        progress.Step();
    }
    return nExit;
}
