#pragma once
// ovalis-cli repair: a file whose structure is broken written anew with it mended, the samples
// copied unchanged; --dry-run lists the repairs only. The file repaired is only read.

#include "cli/CommandLine.h"

int RunRepair(const Invocation& invocation);
