#include "cli/RepairCommand.h"

#include <iostream>

#include "cli/Batch.h"
#include "cli/Diagnostics.h"
#include "cli/TerminalText.h"
#include "core/file/NewFileOutput.h"
#include "core/file/RepairWriter.h"

namespace {

CString RepairLine(const Repair& repair) {
    return "  '" + repair.strChunk + "' at " + std::to_string(repair.nOffset) + ": " +
           repair.strWhat + " " + repair.strOld + " -> " + repair.strNew + " (" + repair.strWhy +
           ")\n";
}

CString RepairFile(const CString& strPath, const CString& strOutput, bool bDryRun, bool bForce) {
    if (!bDryRun) {
        for (const CString& strProblem :
             {RepairTargetProblem(strPath, strOutput), NewFileProblem(strOutput, bForce)}) {
            if (!strProblem.empty()) {
                return strProblem;
            }
        }
    }
    const RepairPlan plan = PlanRepair(strPath);
    if (!plan.strRefused.empty()) {
        return "cannot be repaired: " + plan.strRefused;
    }
    const std::size_t nCount = plan.repairs.size();
    PrintText(strPath + ": " +
              (nCount == 0 ? CString("the structure needs no repair")
                           : std::to_string(nCount) + (nCount == 1 ? " repair" : " repairs")) +
              "\n");
    for (const Repair& repair : plan.repairs) {
        PrintText(RepairLine(repair));
    }
    if (bDryRun) {
        return CString();
    }
    if (CString strFailure = WriteRepair(plan, strPath, strOutput, bForce); !strFailure.empty()) {
        return strFailure;
    }
    PrintText("written to " + strOutput + " (" + std::to_string(plan.nNewSize) + " bytes)\n");
    return CString();
}

}  // namespace

int RunRepair(const Invocation& invocation) {
    const CString* pOutput = invocation.OptionValue("--output");
    if (invocation.files.size() != 1) {
        return ReportUsageError("repair takes one file");
    }
    if (!pOutput && !invocation.bDryRun) {
        return ReportUsageError("repair needs --output NEW, the file to write");
    }
    const int nExit = RunBatch(invocation.files, [&](const CString& strPath) {
        return RepairFile(strPath, pOutput ? *pOutput : CString(), invocation.bDryRun,
                          invocation.bForce);
    });
    std::cout << std::flush;
    return nExit;
}
