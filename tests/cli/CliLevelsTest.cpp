// levels, check --levels, levl --write and --jsonl, as a script runs them on files of known
// samples.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include "RiffWriter.h"
#include "cli/CliRunner.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/edit/ChunkInsert.h"
#include "core/integrity/PeakEnvelopeLevels.h"
#include "core/integrity/SampleChecksum.h"

using namespace clitest;
using namespace testfiles;

namespace {

// One second of 16-bit mono at 8 kHz: a square wave of a quarter of full scale with 40 frames
// of zeros in its middle.
std::string ToneWithGap(const TempDir& dir) {
    Bytes samples;
    for (int f = 0; f < 8000; ++f) {
        const int value = f >= 4000 && f < 4040 ? 0 : (f / 20 % 2 ? 8192 : -8192);
        appendLe16(samples, static_cast<std::uint16_t>(value));
    }
    const std::string path = dir.file("gap.wav");
    writeFile(path, WaveFile({{"fmt ", PcmFormat(1, 8000, 16)}, {"data", samples}}));
    return path;
}

std::vector<QJsonObject> JsonLines(const std::string& text) {
    std::vector<QJsonObject> lines;
    for (const QByteArray& line : QByteArray::fromStdString(text).split('\n')) {
        if (!line.isEmpty()) {
            lines.push_back(QJsonDocument::fromJson(line).object());
        }
    }
    return lines;
}

}  // namespace

TEST(CliLevelsTest, EachCommandGivesOneLinePerFileWithJsonl) {
    const TempDir dir;
    const std::string tone = ToneWithGap(dir);
    const std::string broken = dir.file("broken.wav");
    writeFile(broken, ByteBuilder().text("RIFX").le32(4).text("WAVE"));
    for (const char* command : {"info", "check", "levels"}) {
        const CliResult result = RunCli({command, "--jsonl", tone, broken});
        const std::vector<QJsonObject> lines = JsonLines(result.out);
        ASSERT_EQ(lines.size(), 2u) << command << result.out;
        EXPECT_EQ(lines[0]["path"].toString().toStdString(), tone) << command;
        EXPECT_EQ(lines[1]["path"].toString().toStdString(), broken) << command;
    }
    const QJsonObject channel =
        JsonLines(RunCli({"levels", "--jsonl", "--md5", tone}).out)[0]["channels"][0].toObject();
    EXPECT_DOUBLE_EQ(channel["peak"].toDouble(), 0.25);
    EXPECT_EQ(channel["dropouts"].toInt(), 1);
    EXPECT_EQ(channel["longest_dropout"].toInt(), 40);
}

TEST(CliLevelsTest, CheckWithLevelsFindsTheDropout) {
    const TempDir dir;
    const std::string tone = ToneWithGap(dir);
    const CliResult plain = RunCli({"check", tone});
    const CliResult levels = RunCli({"check", "--levels", tone});
    EXPECT_EQ(plain.out.find("level-dropout"), std::string::npos) << plain.out;
    EXPECT_NE(levels.out.find("warning level-dropout 'data' at " + std::to_string(44 + 4000 * 2)),
              std::string::npos)
        << levels.out;
    EXPECT_EQ(levels.exitCode, 0) << levels.out;
}

TEST(CliLevelsTest, LevlWriteStoresTheEnvelopeAndKeepsTheSamples) {
    const TempDir dir;
    const std::string tone = ToneWithGap(dir);
    CRiffChunkModel before;
    ASSERT_TRUE(before.Load(tone));
    const Md5Digest samples = *SampleChecksum(before, {}).digest;
    const CliResult result = RunCli({"levl", "--write", tone});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    CRiffChunkModel after;
    ASSERT_TRUE(after.Load(tone));
    EXPECT_EQ(*SampleChecksum(after, {}).digest, samples);
    const CChunk* pLevl = FindChunk(after, "levl");
    ASSERT_NE(pLevl, nullptr);
    const std::optional<LevelEnvelope> envelope = EnvelopeOfChunk(*pLevl, 1000);
    ASSERT_TRUE(envelope);
    EXPECT_EQ(envelope->Blocks(), (8000 + 255) / 256);
    EXPECT_NEAR(envelope->maxima[0], 0.25, 1e-4);
    EXPECT_NEAR(envelope->minima[0], -0.25, 1e-4);
    EXPECT_NE(RunCli({"levl", tone}).exitCode, 0);
}
