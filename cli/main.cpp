// ovalis-cli: the chunk model and pages of the Ovalis window, for scripts and batches. The pages
// are real pages on Qt's offscreen platform, so the program needs no display.

#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "cli/CommandLine.h"
#include "cli/Diagnostics.h"
#include "cli/ExportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/Usage.h"
#include "framework/DialogTemplate.h"
#include "framework/MessageBox.h"

namespace {

// Qt's own notes (fonts, the offscreen platform) are not the user's business.
void DropQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::cerr << "ovalis-cli: " << message.toStdString() << "\n";
    }
}

int Run(const Invocation& invocation) {
    switch (invocation.command) {
        case Command::Info:
            return RunInfo(invocation);
        case Command::Export:
            return RunExport(invocation);
        default:
            return kExitUsage;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto parsed = ParseCommandLine(std::vector<CString>(argv + 1, argv + argc));
    if (const auto* pProblem = std::get_if<CString>(&parsed)) {
        return ReportUsageError(*pProblem);
    }
    const Invocation& invocation = std::get<Invocation>(parsed);
    if (invocation.command == Command::Help) {
        std::cout << UsageText();
        return kExitDone;
    }
    if (invocation.command == Command::Version) {
        std::cout << VersionText();
        return kExitDone;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(DropQtMessage);
    // The toolkit sees no argument of ours: a file could be named like one of its options.
    int nQtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(nQtArgc, qtArgv);
    SetMessageBoxHook([](const CString& strText, UINT) {
        RecordMessage(strText);
        return IDOK;
    });
    return Run(invocation);
}
