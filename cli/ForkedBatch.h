#pragma once
// Files shared among worker processes, forked before the toolkit starts: worker k takes files
// k, k + n, k + 2n, ... and sends each outcome back through a pipe of its own; they are handed
// on in file order. A worker that ends early leaves its remaining files failed, not lost.

#include <functional>
#include <vector>

#include "cli/Batch.h"

using OutcomeSink = std::function<void(std::size_t nIndex, const FileOutcome& outcome)>;

// FALSE, with nothing delivered, when no worker could be started.
BOOL RunForked(const std::vector<CString>& files, std::size_t nWorkers, const FileWork& work,
               const OutcomeSink& deliver, const std::function<void()>& onOutcome);
