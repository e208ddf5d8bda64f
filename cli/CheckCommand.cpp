#include "cli/CheckCommand.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/Batch.h"
#include "cli/Diagnostics.h"
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

int RunCheckText(const std::vector<CString>& files, const CheckOptions& options) {
    return RunBatch(files, [&options](const CString& strPath) {
        const CheckReport report = CheckFile(strPath, {}, options);
        PrintText(strPath + ": " + (report.IsClean() ? "clean" : "not clean") + "\n");
        for (const Finding& finding : report.findings) {
            PrintText(FindingLine(finding));
        }
        return Outcome(report);
    });
}

int RunCheckJson(const std::vector<CString>& files, const CheckOptions& options) {
    nlohmann::json reports = nlohmann::json::array();
    const int nExit = RunBatch(files, [&reports, &options](const CString& strPath) {
        const CheckReport report = CheckFile(strPath, {}, options);
        nlohmann::json findings = nlohmann::json::array();
        for (const Finding& finding : report.findings) {
            findings.push_back(FindingJson(finding));
        }
        reports.push_back({{"path", strPath}, {"clean", report.IsClean()}, {"findings", findings}});
        return Outcome(report);
    });
    const nlohmann::json document{{"profile", CheckProfileText(options.profile)},
                                  {"files", reports}};
    std::cout << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    return nExit;
}

}  // namespace

int RunCheck(const Invocation& invocation) {
    CheckOptions options;
    if (const CString* pName = invocation.OptionValue("--profile")) {
        const std::optional<CheckProfile> profile = CheckProfileNamed(*pName);
        if (!profile) {
            return ReportUsageError("unknown profile '" + *pName + "' (general, fadgi or ebu)");
        }
        options.profile = *profile;
    }
    const int nExit = invocation.bJson ? RunCheckJson(invocation.files, options)
                                       : RunCheckText(invocation.files, options);
    std::cout << std::flush;
    return nExit;
}
