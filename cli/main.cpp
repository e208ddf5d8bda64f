// ovalis-cli: the chunk model and field tables of the Ovalis window, for scripts and batches. It
// runs on the core alone, with no toolkit, so it needs no display.

#include "cli/CommandLine.h"
#include "cli/CommandTable.h"
#include "cli/Diagnostics.h"

int main(int argc, char* argv[]) {
    const auto parsed = ParseCommandLine(std::vector<CString>(argv + 1, argv + argc));
    if (const auto* pProblem = std::get_if<CString>(&parsed)) {
        return ReportUsageError(*pProblem);
    }
    const Invocation& invocation = std::get<Invocation>(parsed);
    return invocation.pCommand->run(invocation);
}
