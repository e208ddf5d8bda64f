#include "cli/CheckCommand.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/Diagnostics.h"
#include "cli/Jobs.h"
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
    const LevelResult levels = MeasureLevels(SampleSourceOf(file.Root()), JobProgress());
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
    CheckReport report = CheckFile(strPath, JobProgress(), options);
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

// How the check runs: its options and the files worked on at a time.
struct CheckRun {
    const Invocation& invocation;
    CheckOptions options;
    int nJobs;
};

int RunCheckText(const CheckRun& run) {
    const auto& files = run.invocation.files;
    return RunJobs(
        files,
        [&](std::size_t nFile) {
            const CheckReport report = ReportOf(files[nFile], run.invocation, run.options);
            PrintText(files[nFile] + ": " + FindingsSummary(report) + "\n");
            for (const Finding& finding : report.findings) {
                PrintText(FindingLine(finding));
            }
            return Outcome(report);
        },
        run.nJobs);
}

int RunCheckJsonLines(const CheckRun& run) {
    const auto& files = run.invocation.files;
    return RunJobs(
        files,
        [&](std::size_t nFile) {
            const CheckReport report = ReportOf(files[nFile], run.invocation, run.options);
            nlohmann::json line = ReportJson(files[nFile], report);
            line["profile"] = CheckProfileText(run.options.profile);
            PrintJsonLine(line);
            return Outcome(report);
        },
        run.nJobs);
}

int RunCheckJson(const CheckRun& run) {
    const auto& files = run.invocation.files;
    // Each file's report at its place in the list, whichever job is done first.
    std::vector<nlohmann::json> reports(files.size());
    const int nExit = RunJobs(
        files,
        [&](std::size_t nFile) {
            const CheckReport report = ReportOf(files[nFile], run.invocation, run.options);
            reports[nFile] = ReportJson(files[nFile], report);
            return Outcome(report);
        },
        run.nJobs);
    const nlohmann::json document{{"profile", CheckProfileText(run.options.profile)},
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
    CString strWhyNot;
    const std::optional<int> nJobs = JobCount(invocation, &strWhyNot);
    if (!nJobs) {
        return ReportUsageError(strWhyNot);
    }
    const CheckRun run{invocation, options, *nJobs};
    const int nExit = invocation.bJsonLines ? RunCheckJsonLines(run)
                      : invocation.bJson    ? RunCheckJson(run)
                                            : RunCheckText(run);
    std::cout << std::flush;
    return nExit;
}
