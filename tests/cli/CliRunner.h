#pragma once
// Runs the built ovalis-cli as a script would: no display, no Qt platform chosen for it.

#include <string>
#include <utility>
#include <vector>

namespace clitest {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

struct CliRun {
    std::string cwd;  // the test's own folder when empty
    std::string stdinText;
    std::vector<std::pair<std::string, std::string>> environment;  // added to what it gets
    int msTimeout = 120000;  // the run is stopped after this long
};

// Runs the program with these arguments, with DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM
// removed from its environment.
CliResult RunCli(const std::vector<std::string>& args, const CliRun& run = {});

// Whether a program of this name is on the PATH.
bool HasTool(const std::string& name);
// Runs a shell command line; true when it exits with 0.
bool RunTool(const std::string& commandLine);
// Runs a shell command line and gives its standard output.
std::string ToolOutput(const std::string& commandLine);

}  // namespace clitest
