#include "cli/LoudnessCommand.h"

#include <cmath>
#include <cstdio>
#include <iostream>

#include "cli/Batch.h"
#include "cli/Diagnostics.h"
#include "cli/FileSave.h"
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
    const LoudnessResult result = MeasureLoudness(file.Root(), {});
    if (!result.values) {
        return "loudness not measured: " + result.strFailure;
    }
    PrintText(ValuesLine(strPath, *result.values));
    return invocation.bWrite ? Write(file, *result.values, SaveOptionsOf(invocation)) : CString();
}

}  // namespace

int RunLoudness(const Invocation& invocation) {
    const int nExit = RunBatch(invocation.files, [&invocation](const CString& strPath) {
        return LoudnessOf(strPath, invocation);
    });
    std::cout << std::flush;
    return nExit;
}
