#pragma once
// What ovalis-cli says on standard error, and its exit codes.

#include "core/base/Types.h"

constexpr int kExitDone = 0;
constexpr int kExitSomeFailed = 1;
constexpr int kExitUsage = 2;

// "ovalis-cli: PATH: REASON".
void ReportFileFailure(const CString& strPath, const CString& strReason);
// "ovalis-cli: PATH: note: NOTE", for what a file's edit did that the user should know.
void ReportFileNote(const CString& strPath, const CString& strNote);
// The usage error, then where to find the usage; returns kExitUsage.
int ReportUsageError(const CString& strMessage);

// A message meant for a message box on one line: each run of line breaks becomes one space.
CString OneLine(const CString& strText);
