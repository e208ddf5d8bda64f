// ovalis-cli: the chunk model and field tables of the Ovalis window, for scripts and batches. It
// runs on the core alone, with no toolkit, so it needs no display.

#include <iostream>

#include "cli/CheckCommand.h"
#include "cli/CommandLine.h"
#include "cli/Diagnostics.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/LoudnessCommand.h"
#include "cli/Md5Command.h"
#include "cli/SetCommand.h"
#include "cli/Usage.h"

namespace {

int Run(const Invocation& invocation) {
    switch (invocation.command) {
        case Command::Help:
            std::cout << UsageText();
            return kExitDone;
        case Command::Version:
            std::cout << VersionText();
            return kExitDone;
        case Command::Info:
            return RunInfo(invocation);
        case Command::Export:
            return RunExport(invocation);
        case Command::Set:
            return RunSet(invocation);
        case Command::Import:
            return RunImport(invocation);
        case Command::Md5:
            return RunMd5(invocation);
        case Command::Loudness:
            return RunLoudness(invocation);
        case Command::Check:
            return RunCheck(invocation);
    }
    return kExitUsage;
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto parsed = ParseCommandLine(std::vector<CString>(argv + 1, argv + argc));
    if (const auto* pProblem = std::get_if<CString>(&parsed)) {
        return ReportUsageError(*pProblem);
    }
    return Run(std::get<Invocation>(parsed));
}
