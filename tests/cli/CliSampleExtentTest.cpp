// The checksum and the duration that ovalis-cli gives for RF64 files and compressed formats: an
// embedded checksum verifies, a changed sample byte shows, and durations agree with ffprobe's.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "SparseFile.h"

namespace {

using clitest::RunCli;

constexpr std::int64_t kSamplesAt = 80;  // after the RF64 header, ds64, fmt and data header

// Gigabytes of samples are read, written and read back.
const clitest::CliRun kLongRun{
    .cwd = {}, .stdinText = {}, .environment = {}, .msTimeout = 30 * 60 * 1000};

std::string Verify(const std::string& path) {
    return RunCli({"md5", "--verify", path}, kLongRun).out;
}

void ChangeByte(const std::string& path, std::int64_t offset) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_EQ(::pwrite(fd, "\x55", 1, offset), 1);
    ::close(fd);
}

// The sample count in the File details' duration, "0:00:01.000 (44100 samples)".
long long DurationSamples(const std::string& path) {
    const QJsonObject file = clitest::InfoFiles({path}).at(0).toObject();
    const QString duration = file["details"].toObject()["Duration"].toString();
    return duration.section('(', 1).section(' ', 0, 0).toLongLong();
}

}  // namespace

TEST(CliSampleExtentTest, AnEmbeddedChecksumOfRf64SamplesVerifiesUntilASampleChanges) {
    const struct {
        const char* name;
        std::int64_t nPayload;
        std::int64_t nChangedFromEnd;
    } rows[] = {{"chunks after the samples", 1 << 20, 3}, {"4.5 GiB", 9LL << 29, 256LL << 20}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        testfiles::TempDir dir;
        const std::string path = dir.file("rf64.wav");
        testfiles::writeSparseRf64(path, row.nPayload, {{"LIST", testfiles::Bytes(6, 'x')}});
        ASSERT_EQ(RunCli({"md5", "--embed", path}, kLongRun).exitCode, 0);
        EXPECT_EQ(Verify(path), path + ": matches\n");
        ChangeByte(path, kSamplesAt + row.nPayload - row.nChangedFromEnd);
        EXPECT_EQ(Verify(path), path + ": differs\n");
    }
}

TEST(CliSampleExtentTest, DurationsOfFfmpegFilesAreFfprobes) {
    if (!clitest::HasTool("ffmpeg") || !clitest::HasTool("ffprobe")) {
        GTEST_SKIP() << "ffmpeg and ffprobe are needed (scripts/setup)";
    }
    const char* const rows[] = {"-c:a mp2", "-c:a libmp3lame", "-c:a adpcm_ima_wav",
                                "-rf64 always"};
    for (const char* options : rows) {
        testfiles::TempDir dir;
        const std::string path = dir.file("a.wav");
        ASSERT_TRUE(clitest::RunTool("ffmpeg -v error -y -f lavfi -i sine=duration=1 -ar 44100 " +
                                     std::string(options) + " " + path));
        const std::string probed = clitest::ToolOutput(
            "ffprobe -v error -show_entries stream=duration_ts -of csv=p=0 " + path);
        // ffprobe estimates an MPEG layer II file's length from its byte rate, rounding up.
        EXPECT_NEAR(DurationSamples(path), std::stoll(probed), 1) << options;
    }
}
