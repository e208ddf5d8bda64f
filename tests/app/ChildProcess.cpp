#include "ChildProcess.h"

#include <QCoreApplication>
#include <QProcess>

namespace viewertest {

namespace {

constexpr int kChildTimeoutMs = 60000;

}  // namespace

ChildRun RunTestInChild(const QString& strTest,
                        const std::vector<std::pair<QString, QString>>& environment) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : environment) {
        env.insert(name, value);
    }
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=") + strTest,
                 QStringLiteral("--gtest_also_run_disabled_tests")});
    ChildRun run;
    if (!child.waitForFinished(kChildTimeoutMs)) {
        child.kill();
        child.waitForFinished();
        run.output = QStringLiteral("the child did not finish in time\n");
    }
    run.output += QString::fromLocal8Bit(child.readAll());
    run.bPassed = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
                  run.output.contains(QStringLiteral("[  PASSED  ] 1 test"));
    return run;
}

}  // namespace viewertest
