#include "cli/LoudnessCommand.h"

#include <cmath>
#include <cstdio>
#include <iostream>

#include "cli/Diagnostics.h"
#include "cli/FileSave.h"
#include "cli/Jobs.h"
#include "cli/LoadedFile.h"
#include "cli/TerminalText.h"
#include "core/integrity/BextLoudness.h"

namespace {

CString Value(double dValue, const char* pszUnit) {
    if (!std::isfinite(dValue)) {
        return CString("-inf ") + pszUnit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.2f %s", dValue, pszUnit);
    return text;
}

CString ValuesLine(const CString& strPath, const LoudnessValues& values) {
    return strPath + ": integrated " + Value(values.integrated, "LUFS") + ", range " +
           Value(values.range, "LU") + ", true peak " + Value(values.truePeak, "dBTP") +
           ", max momentary " + Value(values.maxMomentary, "LUFS") + ", max short-term " +
           Value(values.maxShortTerm, "LUFS") + "\n";
}

CString Write(CLoadedFile& file, const LoudnessValues& values, const SaveOptions& options) {
    CRiffChunkModel& root = file.Root();
    CChunk* pBext = BextChunkOf(root);
    if (!pBext) {
        return "the file has no bext chunk to hold loudness; left untouched";
    }
    if (CString strRefused = WriteLoudness(*pBext, values); !strRefused.empty()) {
        return strRefused + "; left untouched";
    }
    return SaveEdited(root, options);
}

CString LoudnessOf(const CString& strPath, const Invocation& invocation) {
    CLoadedFile file(strPath, invocation.bWrite ? FileUse::Write : FileUse::Read);
    if (!file.IsLoaded()) {
        return file.Failure();
    }
    const LoudnessResult result = MeasureLoudness(file.Root(), JobProgress());
    if (!result.values) {
        return "loudness not measured: " + result.strFailure;
    }
    PrintText(ValuesLine(strPath, *result.values));
    return invocation.bWrite ? Write(file, *result.values, SaveOptionsOf(invocation)) : CString();
}

}  // namespace

int RunLoudness(const Invocation& invocation) {
    CString strWhyNot;
    const std::optional<int> nJobs = JobCount(invocation, &strWhyNot);
    if (!nJobs) {
        return ReportUsageError(strWhyNot);
    }
    // Files saved one at a time: a file named twice is never saved by two jobs at once.
    const int nExit = RunJobs(
        invocation.files,
        [&invocation](std::size_t nFile) {
            return LoudnessOf(invocation.files[nFile], invocation);
        },
        invocation.bWrite ? 1 : *nJobs);
    std::cout << std::flush;
    return nExit;
}
