#pragma once
// ovalis-cli export: the editable values of many files, as a CSV table (a row per file) or as
// one JSON document.

#include "cli/CommandLine.h"

// The columns every CSV table has after "path": the bext fields, the time reference, the UMID.
const std::vector<CString>& ExportColumns();
int RunExport(const Invocation& invocation);
