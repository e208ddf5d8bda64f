#include "CliRunner.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <cstdlib>

namespace clitest {

CliResult RunCli(const std::vector<std::string>& args, const CliRun& run) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    for (const auto& [name, value] : run.environment) {
        environment.insert(QString::fromStdString(name), QString::fromStdString(value));
    }
    QStringList arguments;
    for (const std::string& arg : args) {
        arguments << QString::fromStdString(arg);
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!run.cwd.empty()) {
        process.setWorkingDirectory(QString::fromStdString(run.cwd));
    }
    process.start(QStringLiteral(OVALIS_CLI_PATH), arguments);
    CliResult result;
    if (!process.waitForStarted(10000)) {
        result.err = "ovalis-cli did not start";
        return result;
    }
    process.write(QByteArray::fromStdString(run.stdinText));
    process.closeWriteChannel();
    process.waitForFinished(120000);
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    if (process.exitStatus() == QProcess::NormalExit) {
        result.exitCode = process.exitCode();
    }
    return result;
}

bool HasTool(const std::string& name) {
    return !QStandardPaths::findExecutable(QString::fromStdString(name)).isEmpty();
}

bool RunTool(const std::string& commandLine) {
    return std::system((commandLine + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace clitest
