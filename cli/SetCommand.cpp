#include "cli/SetCommand.h"

#include <sys/stat.h>
#include <fstream>
#include <iostream>
#include <iterator>

#include "cli/Batch.h"
#include "cli/Diagnostics.h"
#include "cli/FileEdit.h"
#include "cli/FileSave.h"
#include "cli/NamePattern.h"
#include "core/edit/DateText.h"

namespace {

// The file's modification time as OriginationDate and OriginationTime, when it can be read.
std::optional<std::vector<Assignment>> DateFromFile(const CString& strPath) {
    struct stat status {};
    if (::stat(strPath.c_str(), &status) != 0) {
        return std::nullopt;
    }
    const auto [strDate, strTime] = LocalDateAndTime(status.st_mtime);
    return std::vector<Assignment>{{"OriginationDate", strDate}, {"OriginationTime", strTime}};
}

// The edits of one file: those filled from its name and time first, then those typed, which
// win over them.
CString FileAssignments(const CString& strPath, const Invocation& invocation,
                        const CNamePattern* pPattern, std::vector<Assignment>& rEdits) {
    if (invocation.bDateFromFile) {
        const auto dated = DateFromFile(strPath);
        if (!dated) {
            return "its modification time cannot be read";
        }
        rEdits.insert(rEdits.end(), dated->begin(), dated->end());
    }
    if (pPattern) {
        const auto named = pPattern->ValuesOf(strPath);
        if (!named) {
            return "its name does not match --from-name";
        }
        rEdits.insert(rEdits.end(), named->begin(), named->end());
    }
    rEdits.insert(rEdits.end(), invocation.assignments.begin(), invocation.assignments.end());
    return CString();
}

}  // namespace

EditRules EditRulesOf(const Invocation& invocation) {
    return {invocation.bAdd, invocation.bStrict, invocation.bMirror};
}

int RunSet(const Invocation& invocation) {
    std::optional<CNamePattern> pattern;
    if (const CString* pFromName = invocation.OptionValue("--from-name")) {
        pattern.emplace();
        if (CString strProblem = pattern->Compile(*pFromName); !strProblem.empty()) {
            return ReportUsageError(strProblem);
        }
    }
    std::vector<Assignment> documents;
    if (const CString* pAxml = invocation.OptionValue("--axml")) {
        std::ifstream in(*pAxml, std::ios::binary);
        if (!in) {
            return ReportUsageError("--axml " + *pAxml + ": the document cannot be read");
        }
        documents.push_back({"AXML", CString(std::istreambuf_iterator<char>(in), {})});
    }
    const EditChoice choice{invocation.bDryRun, SaveOptionsOf(invocation), EditRulesOf(invocation)};
    const int nExit = RunBatch(invocation.files, [&](const CString& strPath) {
        std::vector<Assignment> edits = documents;
        const CNamePattern* pPattern = pattern ? &*pattern : nullptr;
        if (CString strProblem = FileAssignments(strPath, invocation, pPattern, edits);
            !strProblem.empty()) {
            return strProblem + "; left untouched";
        }
        return EditFile(strPath, edits, choice);
    });
    std::cout << std::flush;
    return nExit;
}
