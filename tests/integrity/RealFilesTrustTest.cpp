// Files from the field (OVALIS_REAL_FILES): every one gets a check report under every profile,
// and the loudness of those with sound agrees with ffmpeg's ebur128 filter.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cli/CliRunner.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/integrity/FileCheck.h"
#include "core/integrity/LoudnessMeter.h"

namespace fs = std::filesystem;

namespace {

std::string RealFiles() {
    const char* pszFolder = std::getenv("OVALIS_REAL_FILES");
    return pszFolder ? pszFolder : "";
}

// The integrated loudness ffmpeg's summary gives, or NaN.
double FfmpegIntegrated(const std::string& path) {
    const std::string command =
        "ffmpeg -nostats -hide_banner -i '" + path +
        "' -af ebur128 -f null - 2>&1 | sed -n 's/^ *I: *\\(-*[0-9.]*\\) LUFS/\\1/p' | tail -n 1";
    FILE* pPipe = popen(command.c_str(), "r");
    char line[64] = {};
    const bool bRead = pPipe && std::fgets(line, sizeof line, pPipe);
    if (pPipe) {
        pclose(pPipe);
    }
    return bRead ? std::strtod(line, nullptr) : std::nan("");
}

}  // namespace

TEST(RealFilesTrustTest, EveryFileGetsACheckReportUnderEveryProfile) {
    if (RealFiles().empty()) {
        GTEST_SKIP() << "OVALIS_REAL_FILES is not set: no folder of real files";
    }
    for (const auto& entry : fs::directory_iterator(RealFiles())) {
        for (const CheckProfileName& profile : CheckProfiles()) {
            const CheckReport report = CheckFile(entry.path().string(), {}, {profile.profile});
            EXPECT_FALSE(report.findings.empty()) << entry.path() << " " << profile.name;
        }
    }
}

TEST(RealFilesTrustTest, IntegratedLoudnessAgreesWithFfmpegWithinATenthOfALu) {
    if (RealFiles().empty() || !clitest::HasTool("ffmpeg")) {
        GTEST_SKIP() << "no folder of real files or no ffmpeg";
    }
    for (const char* pszName : {"wavinfo__Scene_1_2AG-T001_Tr1.WAV",
                                "wavinfo__alarm_citizen_loop1.wav", "wavinfo__PT_A101_4.A1.wav"}) {
        const std::string path = RealFiles() + "/" + pszName;
        if (!fs::exists(path)) {
            continue;
        }
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path)) << path;
        const LoudnessResult result = MeasureLoudness(root, {});
        ASSERT_TRUE(result.values) << path << ": " << result.strFailure;
        EXPECT_NEAR(result.values->integrated, FfmpegIntegrated(path), 0.1) << path;
    }
}
