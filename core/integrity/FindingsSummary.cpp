#include "core/integrity/FindingsSummary.h"

namespace {

CString Counted(std::size_t nCount, const CString& strWord) {
    return (nCount == 0 ? CString("no") : std::to_string(nCount)) + " " + strWord +
           (nCount == 1 ? "" : "s");
}

}  // namespace

CString FindingsSummary(const CheckReport& report) {
    std::size_t nCounts[3] = {};
    bool bFound = false;
    for (const Finding& finding : report.findings) {
        // The note that no rule found anything is no finding.
        if (finding.strRule != "clean") {
            ++nCounts[static_cast<int>(finding.severity)];
            bFound = true;
        }
    }
    if (!bFound) {
        return "clean";
    }
    return Counted(nCounts[static_cast<int>(Severity::Error)], "error") + ", " +
           Counted(nCounts[static_cast<int>(Severity::Warning)], "warning") + ", " +
           Counted(nCounts[static_cast<int>(Severity::Note)], "note");
}
