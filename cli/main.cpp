// ovalis-cli: the chunk model and field tables of the Ovalis window, for scripts and batches. It
// runs on the core alone, with no toolkit, so it needs no display.

#include <iostream>

#include "cli/CommandLine.h"
#include "cli/CommandTable.h"
#include "cli/Diagnostics.h"

int main(int argc, char* argv[]) {
    // Standard output through its own buffer, not a call into C's stdio for every piece: a listing
    // of many chunks writes thousands of lines. Nothing here writes through stdio, and the error
    // stream, tied to it, still flushes it first, so the two keep their order.
    std::ios::sync_with_stdio(false);
    const auto parsed = ParseCommandLine(std::vector<CString>(argv + 1, argv + argc));
    if (const auto* pProblem = std::get_if<CString>(&parsed)) {
        return ReportUsageError(*pProblem);
    }
    const Invocation& invocation = std::get<Invocation>(parsed);
    return invocation.pCommand->run(invocation);
}
