#pragma once
// What ovalis-cli says on standard error, and its exit codes.

#include "core/base/Types.h"

constexpr int kExitDone = 0;
constexpr int kExitSomeFailed = 1;
constexpr int kExitUsage = 2;

// "ovalis-cli: PATH: REASON".
void ReportFileFailure(const CString& strPath, const CString& strReason);
// The usage error, then where to find the usage; returns kExitUsage.
int ReportUsageError(const CString& strMessage);

// What a page or the save would have shown in a message box: kept for the file at hand.
void RecordMessage(const CString& strText);
// The messages recorded since the last call, joined by "; ".
CString TakeMessages();
