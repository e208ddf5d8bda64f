#include "CliRunner.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <memory>

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
    process.waitForFinished(run.msTimeout);
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

std::string ToolOutput(const std::string& commandLine) {
    std::string text;
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(commandLine.c_str(), "r"), pclose);
    char buffer[4096];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) {
        text += buffer;
    }
    return text;
}

}  // namespace clitest
