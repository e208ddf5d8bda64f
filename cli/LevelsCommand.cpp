#include "cli/LevelsCommand.h"

#include <cmath>
#include <cstdio>
#include <iostream>

#include "cli/Batch.h"
#include "cli/Diagnostics.h"
#include "cli/FileSave.h"
#include "cli/Jobs.h"
#include "cli/JsonLines.h"
#include "cli/LevelsJson.h"
#include "cli/LoadedFile.h"
#include "cli/TerminalText.h"
#include "core/edit/PeakEnvelopeStore.h"
#include "core/integrity/PeakEnvelopeLevels.h"

namespace {

CString Figure(const char* pszFormat, double value) {
    char text[48];
    std::snprintf(text, sizeof text, pszFormat, value);
    return text;
}

CString Decibels(double level) {
    const double db = DecibelsOf(level);
    return std::isfinite(db) ? Figure("%.2f dBFS", db) : CString("-inf dBFS");
}

CString ChannelLine(int nChannel, const ChannelLevels& levels) {
    return "  channel " + std::to_string(nChannel + 1) + ": peak " + Decibels(levels.peak) +
           " at frame " + std::to_string(levels.nPeakFrame) + ", RMS " + Decibels(levels.rms) +
           ", DC offset " + Figure("%.6f", levels.dcOffset) + ", clipped runs " +
           std::to_string(levels.nClippedRuns) + " (longest " +
           std::to_string(levels.nLongestClip) + "), dropouts " + std::to_string(levels.nDropouts) +
           " (longest " + std::to_string(levels.nLongestDropout) + "), silent runs " +
           std::to_string(levels.nSilences) + " (" + std::to_string(levels.nSilentFrames) +
           " samples)\n";
}

CString PairLine(const ChannelPair& pair) {
    return "  channels " + std::to_string(pair.nFirst + 1) + "-" +
           std::to_string(pair.nSecond + 1) + ": correlation " +
           (pair.correlation ? Figure("%.3f", *pair.correlation) : CString("none")) + "\n";
}

void PrintLevels(const CString& strPath, const SamplePassResult& result) {
    const LevelReport& report = *result.levels.report;
    CString strText = strPath + ": " + std::to_string(report.nFrames) + " frames at " +
                      std::to_string(report.nRate) + " Hz\n";
    for (std::size_t c = 0; c < report.channels.size(); ++c) {
        strText += ChannelLine(static_cast<int>(c), report.channels[c]);
    }
    for (const ChannelPair& pair : report.pairs) {
        strText += PairLine(pair);
    }
    if (result.checksum.digest) {
        strText += "  md5 " + Md5Text(*result.checksum.digest) + "\n";
    }
    if (const auto& values = result.loudness.values) {
        strText += "  loudness " + Figure("%.2f LUFS", values->integrated) + ", true peak " +
                   Figure("%.2f dBTP", values->truePeak) + "\n";
    }
    PrintText(strText);
}

// The first failure of the measures asked.
CString FailureOf(const SamplePassResult& result, const SampleWork& work) {
    if (!result.levels.report) {
        return "levels not measured: " + result.levels.strFailure;
    }
    if (work.bChecksum && !result.checksum.digest) {
        return "MD5 not taken: " + result.checksum.strFailure;
    }
    if (work.bLoudness && !result.loudness.values) {
        return "loudness not measured: " + result.loudness.strFailure;
    }
    return CString();
}

// --json: each file's object at its place in the list, whichever job is done first.
struct LevelsOutput {
    const Invocation& invocation;
    std::vector<nlohmann::json> files;
};

CString LevelsOf(std::size_t nFile, LevelsOutput& output) {
    const Invocation& invocation = output.invocation;
    const CString& strPath = invocation.files[nFile];
    const SampleWork work{invocation.bMd5, invocation.bLoudness, true};
    CLoadedFile file(strPath);
    const SamplePassResult result =
        file.IsLoaded() ? ReadSamplesOnce(SampleSourceOf(file.Root()), work, JobProgress())
                        : SamplePassResult();
    const CString strFailure = file.IsLoaded() ? FailureOf(result, work) : file.Failure();
    if (invocation.bJson || invocation.bJsonLines) {
        nlohmann::json json = LevelsFileJson(strPath, result, strFailure);
        invocation.bJsonLines ? PrintJsonLine(json) : void(output.files[nFile] = std::move(json));
    } else if (strFailure.empty()) {
        PrintLevels(strPath, result);
    }
    return strFailure;
}

CString WriteEnvelope(const CString& strPath, const Invocation& invocation) {
    CLoadedFile file(strPath, FileUse::Write);
    if (!file.IsLoaded()) {
        return file.Failure();
    }
    const LevelResult levels = MeasureLevels(SampleSourceOf(file.Root()), {});
    if (!levels.report) {
        return "levels not measured: " + levels.strFailure;
    }
    const CString strRefused =
        StorePeakEnvelope(file.Root(), *levels.report, PeakEnvelopeTimestampNow());
    if (!strRefused.empty()) {
        return strRefused + "; left untouched";
    }
    if (CString strFailure = SaveEdited(file.Root(), SaveOptionsOf(invocation));
        !strFailure.empty()) {
        return strFailure;
    }
    PrintText(strPath + ": levl chunk of " + std::to_string(levels.report->envelope.Blocks()) +
              " peak frames of " + std::to_string(levels.report->envelope.nBlockFrames) +
              " frames written\n");
    return CString();
}

}  // namespace

int RunLevels(const Invocation& invocation) {
    CString strWhyNot;
    const std::optional<int> nJobs = JobCount(invocation, &strWhyNot);
    if (!nJobs) {
        return ReportUsageError(strWhyNot);
    }
    LevelsOutput output{invocation, std::vector<nlohmann::json>(invocation.files.size())};
    const int nExit = RunJobs(
        invocation.files, [&output](std::size_t nFile) { return LevelsOf(nFile, output); }, *nJobs);
    if (invocation.bJson && !invocation.bJsonLines) {
        std::cout << nlohmann::json{{"files", output.files}}.dump(
                         2, ' ', false, nlohmann::json::error_handler_t::replace)
                  << "\n";
    }
    std::cout << std::flush;
    return nExit;
}

int RunLevl(const Invocation& invocation) {
    if (!invocation.bWrite) {
        return ReportUsageError("levl needs --write");
    }
    const int nExit = RunBatch(invocation.files, [&invocation](const CString& strPath) {
        return WriteEnvelope(strPath, invocation);
    });
    std::cout << std::flush;
    return nExit;
}
