#include "table/CheckRunner.h"

#include <algorithm>

#include "core/integrity/FindingsSummary.h"
#include "table/ThreadHandOver.h"

namespace {

// A finding a line: "error: bext at 36: ...".
CString FindingLines(const CheckReport& report) {
    CString strLines;
    for (const Finding& finding : report.findings) {
        strLines += (strLines.empty() ? "" : "\n") + SeverityText(finding.severity) + ": " +
                    finding.strChunk + " at " + std::to_string(finding.nOffset) + ": " +
                    finding.strSentence;
    }
    return strLines;
}

}  // namespace

CString Md5Outcome(const CheckReport& report, bool bStored) {
    if (!report.strCancelled.empty()) {
        return CString();
    }
    const bool bDiffers =
        std::any_of(report.findings.begin(), report.findings.end(),
                    [](const Finding& finding) { return finding.strRule == "md5-mismatch"; });
    return bDiffers ? CString(kMd5Differs) : bStored ? "agrees" : "none stored";
}

CString CheckSummary(const CheckReport& report) {
    return report.strCancelled.empty() ? FindingsSummary(report) : report.strCancelled;
}

CheckRunner::CheckRunner(FileListModel& model, QObject* pParent)
    : QObject(pParent), m_model(model) {}

CheckRunner::~CheckRunner() {
    Cancel();
    WaitForPool(m_pool);
}

void CheckRunner::Check(const std::vector<int>& rows) {
    m_bCancelled = false;
    for (const int nRow : rows) {
        const CString strPath = m_model.File(nRow).strPath;
        ++m_nPending;
        ++m_nTotal;
        StartOnPool(m_pool, [this, nRow, strPath] {
            auto pReport = std::make_shared<CheckReport>(
                CheckFile(strPath, [this](std::int64_t, std::int64_t) { return !m_bCancelled; }));
            QueueTo(this, [this, nRow, strPath, pReport] {
                emit Progress(m_nTotal - --m_nPending, m_nTotal);
                if (m_nPending == 0) {
                    m_nTotal = 0;
                    emit Finished();
                }
                // The list may have been closed or reloaded since.
                if (nRow < m_model.rowCount() && m_model.File(nRow).strPath == strPath) {
                    TableFile& file = m_model.File(nRow);
                    file.strCheck = CheckSummary(*pReport);
                    file.strMd5 = Md5Outcome(*pReport, file.bMd5Stored);
                    file.strCheckDetail = FindingLines(*pReport);
                    file.bCheckFailed = pReport->strCancelled.empty() && !pReport->IsClean();
                    m_model.RowChanged(nRow);
                }
            });
        });
    }
}
