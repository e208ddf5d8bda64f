#include "cli/CheckCommand.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/Batch.h"
#include "cli/Diagnostics.h"
#include "cli/JsonLines.h"
#include "cli/LoadedFile.h"
#include "cli/TerminalText.h"
#include "core/integrity/FileCheck.h"
#include "core/integrity/FindingsSummary.h"
#include "core/integrity/LevelFindings.h"
#include "core/integrity/SamplePass.h"

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

// The levels' findings after the file's own; a file whose levels cannot be measured says why.
void AddLevelFindings(const CString& strPath, CheckReport& report) {
    const CLoadedFile file(strPath);
    if (!file.IsLoaded()) {
        return;
    }
    const LevelResult levels = MeasureLevels(SampleSourceOf(file.Root()), {});
    if (!levels.report) {
        report.findings.push_back({Severity::Note, "level-not-measured", "data",
                                   file.Root().SampleOffset(),
                                   "the levels were not measured: " + levels.strFailure + "."});
        return;
    }
    std::vector<Finding> found = LevelFindings(*levels.report);
    if (found.empty()) {
        return;
    }
    // The note that no rule found anything no longer holds.
    std::erase_if(report.findings,
                  [](const Finding& finding) { return finding.strRule == "clean"; });
    for (Finding& finding : found) {
        report.findings.push_back(std::move(finding));
    }
}

CheckReport ReportOf(const CString& strPath, const Invocation& invocation,
                     const CheckOptions& options) {
    CheckReport report = CheckFile(strPath, {}, options);
    if (invocation.bLevels) {
        AddLevelFindings(strPath, report);
    }
    return report;
}

nlohmann::json ReportJson(const CString& strPath, const CheckReport& report) {
    nlohmann::json findings = nlohmann::json::array();
    for (const Finding& finding : report.findings) {
        findings.push_back(FindingJson(finding));
    }
    return {{"path", strPath}, {"clean", report.IsClean()}, {"findings", findings}};
}

int RunCheckText(const Invocation& invocation, const CheckOptions& options) {
    return RunBatch(invocation.files, [&](const CString& strPath) {
        const CheckReport report = ReportOf(strPath, invocation, options);
        PrintText(strPath + ": " + FindingsSummary(report) + "\n");
        for (const Finding& finding : report.findings) {
            PrintText(FindingLine(finding));
        }
        return Outcome(report);
    });
}

int RunCheckJsonLines(const Invocation& invocation, const CheckOptions& options) {
    return RunBatch(invocation.files, [&](const CString& strPath) {
        const CheckReport report = ReportOf(strPath, invocation, options);
        nlohmann::json line = ReportJson(strPath, report);
        line["profile"] = CheckProfileText(options.profile);
        PrintJsonLine(line);
        return Outcome(report);
    });
}

int RunCheckJson(const Invocation& invocation, const CheckOptions& options) {
    nlohmann::json reports = nlohmann::json::array();
    const int nExit = RunBatch(invocation.files, [&](const CString& strPath) {
        const CheckReport report = ReportOf(strPath, invocation, options);
        reports.push_back(ReportJson(strPath, report));
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
    const int nExit = invocation.bJsonLines ? RunCheckJsonLines(invocation, options)
                      : invocation.bJson    ? RunCheckJson(invocation, options)
                                            : RunCheckText(invocation, options);
    std::cout << std::flush;
    return nExit;
}
