#include "cli/CheckCommand.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/Batch.h"
#include "cli/TerminalText.h"
#include "core/integrity/FileCheck.h"

namespace {

CString FindingLine(const Finding& finding) {
    return "  " + SeverityText(finding.severity) + " " + finding.strRule + " '" + finding.strChunk +
           "' at " + std::to_string(finding.nOffset) + ": " + finding.strSentence + "\n";
}

CString Outcome(const CheckReport& report) {
    return report.IsClean() ? CString() : "findings of error severity";
}

nlohmann::json FindingJson(const Finding& finding) {
    return {{"severity", SeverityText(finding.severity)},
            {"rule", finding.strRule},
            {"chunk", finding.strChunk},
            {"offset", finding.nOffset},
            {"sentence", finding.strSentence}};
}

int RunCheckText(const std::vector<CString>& files) {
    return RunBatch(files, [](const CString& strPath) {
        const CheckReport report = CheckFile(strPath, {});
        PrintText(strPath + ": " + (report.IsClean() ? "clean" : "not clean") + "\n");
        for (const Finding& finding : report.findings) {
            PrintText(FindingLine(finding));
        }
        return Outcome(report);
    });
}

int RunCheckJson(const std::vector<CString>& files) {
    nlohmann::json reports = nlohmann::json::array();
    const int nExit = RunBatch(files, [&reports](const CString& strPath) {
        const CheckReport report = CheckFile(strPath, {});
        nlohmann::json findings = nlohmann::json::array();
        for (const Finding& finding : report.findings) {
            findings.push_back(FindingJson(finding));
        }
        reports.push_back({{"path", strPath}, {"clean", report.IsClean()}, {"findings", findings}});
        return Outcome(report);
    });
    std::cout << nlohmann::json{{"files", reports}}.dump(2, ' ', false,
                                                         nlohmann::json::error_handler_t::replace)
              << "\n";
    return nExit;
}

}  // namespace

int RunCheck(const Invocation& invocation) {
    const int nExit =
        invocation.bJson ? RunCheckJson(invocation.files) : RunCheckText(invocation.files);
    std::cout << std::flush;
    return nExit;
}
