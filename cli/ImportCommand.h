#pragma once
// ovalis-cli import --csv: a table's edits applied file by file, as set applies them.

#include "cli/CommandLine.h"

int RunImport(const Invocation& invocation);
