#pragma once
// A check's outcome in one line, the same in ovalis-cli check, the table's Check column and the
// window's Check dialog.

#include "core/integrity/FileCheck.h"

// "clean" when no rule found anything; else every severity counted, "no errors, 2 warnings,
// 1 note".
CString FindingsSummary(const CheckReport& report);
