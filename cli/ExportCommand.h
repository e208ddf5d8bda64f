#pragma once
// ovalis-cli export --csv: a table of the bext text fields and time reference, a row per file.

#include "cli/CommandLine.h"

// The table's columns after "path", in the order of the fields in the chunk.
const std::vector<CString>& ExportColumns();
int RunExport(const Invocation& invocation);
