#pragma once
// The text of --help, with every field name the commands take.

#include "cli/CommandLine.h"

CString UsageText();
CString VersionText();
// The commands --help and --version.
int RunHelp(const Invocation& invocation);
int RunVersion(const Invocation& invocation);
