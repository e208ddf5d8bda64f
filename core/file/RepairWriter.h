#pragma once
// Writes a repair plan: the new file, streamed from the file repaired, which is only read.

#include "core/file/RepairPlan.h"

// Why strOutput may not be written for strInput (it names the input, in any spelling or through
// any link), or empty.
CString RepairTargetProblem(const CString& strInput, const CString& strOutput);
// Writes the plan's file at strOutput from strInput, as a new file (see CNewFileOutput): bReplace
// lets it replace a regular file there. Refuses an output that names the input, in any spelling
// or through any link. Empty on success; else what failed, and whatever strOutput named is as it
// was.
CString WriteRepair(const RepairPlan& plan, const CString& strInput, const CString& strOutput,
                    bool bReplace = false);
