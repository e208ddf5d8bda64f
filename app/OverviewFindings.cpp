#include "app/OverviewFindings.h"

#include "core/integrity/FileCheck.h"
#include "core/integrity/FindingsSummary.h"

CString FindingsLine(const CString& strPath) {
    // A progress that answers "stop" cancels the checksum at its first block; the rules that
    // read the layout have run by then.
    const CheckReport report = CheckFile(strPath, [](std::int64_t, std::int64_t) { return false; });
    const CString strSummary = FindingsSummary(report);
    if (strSummary == "clean") {
        return {};
    }
    return "The Check finds " + strSummary + ": Check... lists them.";
}
