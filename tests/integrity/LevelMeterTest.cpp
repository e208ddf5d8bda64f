// Levels of generated signals against the values their making gives them, and the one read that
// feeds the MD5, the loudness and the levels together.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "RiffWriter.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/integrity/LevelFindings.h"
#include "core/integrity/SamplePass.h"

using namespace testfiles;

namespace {

constexpr long kRate = 48000;

double Sine(double amplitude, std::int64_t frame) {
    return amplitude * std::sin(2 * std::numbers::pi * 1000 * static_cast<double>(frame) / kRate);
}

// A 16-bit sample, as a file holds it.
double Pcm16(double value) {
    return std::clamp(std::round(value * 32768), -32768.0, 32767.0) / 32768;
}

SampleFormat Format(int nChannels, int nBits, bool bFloat) {
    return {nChannels, kRate, nChannels * nBits / 8, nBits, bFloat, 0};
}

struct Expected {
    double peak, rms, dc;
    std::int64_t clippedRuns, longestClip, dropouts, longestDropout, silences, silentFrames;
    std::optional<double> correlation;
    std::vector<CString> rules;
};

LevelReport Measure(const SampleFormat& format,
                    const std::function<double(std::int64_t, int)>& at) {
    std::vector<double> samples;
    for (std::int64_t f = 0; f < kRate; ++f) {
        for (int c = 0; c < format.nChannels; ++c) {
            samples.push_back(at(f, c));
        }
    }
    CLevelMeter meter(format, kRate);
    meter.Add(samples.data(), static_cast<std::size_t>(kRate));
    return meter.Finish();
}

}  // namespace

TEST(LevelMeterTest, GeneratedSignalsGiveTheirKnownLevels) {
    const double kHalfRms = 0.5 / std::sqrt(2.0);
    const struct {
        const char* name;
        SampleFormat format;
        std::function<double(std::int64_t, int)> at;
        Expected expected;
    } rows[] = {
        {"sine at -6 dBFS",
         Format(1, 32, true),
         [](auto f, int) { return Sine(0.5, f); },
         {0.5, kHalfRms, 0, 0, 0, 0, 0, 0, 0, {}, {}}},
        // Twice full scale cut at 16 bits: each half period holds one run of 16 or 17 samples.
        {"clipped sine",
         Format(1, 16, false),
         [](auto f, int) { return Pcm16(std::clamp(Sine(2, f), -1.0, 1.0)); },
         {1, 0.886, 0, 2000, 17, 0, 0, 0, 0, {}, {"level-clipping"}}},
        {"DC offset of 0.1",
         Format(1, 32, true),
         [](auto f, int) { return 0.1 + Sine(0.25, f); },
         {0.35, std::sqrt(0.01 + 0.25 * 0.25 / 2), 0.1, 0, 0, 0, 0, 0, 0, {}, {"level-dc-offset"}}},
        {"gap of 10 ms",
         Format(1, 32, true),
         [](auto f, int) { return f >= 24001 && f < 24481 ? 0.0 : Sine(0.5, f); },
         {0.5, kHalfRms * std::sqrt(1 - 0.01), 0, 0, 0, 1, 480, 0, 0, {}, {"level-dropout"}}},
        {"half a second of silence first",
         Format(1, 32, true),
         [](auto f, int) { return f < 24000 ? 0.0 : Sine(0.5, f); },
         {0.5, kHalfRms * std::sqrt(0.5), 0, 0, 0, 0, 0, 1, 24000, {}, {"level-silence"}}},
        {"stereo, channels alike",
         Format(2, 32, true),
         [](auto f, int) { return Sine(0.5, f); },
         {0.5, kHalfRms, 0, 0, 0, 0, 0, 0, 0, 1.0, {}}},
        {"stereo, one inverted",
         Format(2, 64, true),
         [](auto f, int c) { return c == 0 ? Sine(0.5, f) : -Sine(0.5, f); },
         {0.5, kHalfRms, 0, 0, 0, 0, 0, 0, 0, -1.0, {}}},
    };
    for (const auto& row : rows) {
        const LevelReport report = Measure(row.format, row.at);
        const ChannelLevels& levels = report.channels[0];
        const Expected& want = row.expected;
        EXPECT_NEAR(levels.peak, want.peak, 1e-3) << row.name;
        EXPECT_NEAR(levels.rms, want.rms, 1e-2) << row.name;
        EXPECT_NEAR(levels.dcOffset, want.dc, 1e-4) << row.name;
        EXPECT_EQ(levels.nClippedRuns, want.clippedRuns) << row.name;
        EXPECT_NEAR(static_cast<double>(levels.nLongestClip), want.longestClip, 1) << row.name;
        EXPECT_EQ(levels.nDropouts, want.dropouts) << row.name;
        EXPECT_EQ(levels.nLongestDropout, want.longestDropout) << row.name;
        EXPECT_EQ(levels.nSilences, want.silences) << row.name;
        EXPECT_EQ(levels.nSilentFrames, want.silentFrames) << row.name;
        const std::optional<double> correlation =
            report.pairs.empty() ? std::nullopt : report.pairs[0].correlation;
        ASSERT_EQ(correlation.has_value(), want.correlation.has_value()) << row.name;
        EXPECT_NEAR(correlation.value_or(0), want.correlation.value_or(0), 1e-9) << row.name;
        EXPECT_EQ(report.envelope.Blocks(), (kRate + 255) / 256) << row.name;
        const float high =
            *std::max_element(report.envelope.maxima.begin(), report.envelope.maxima.end());
        const float low =
            *std::min_element(report.envelope.minima.begin(), report.envelope.minima.end());
        EXPECT_FLOAT_EQ(std::max(high, -low), static_cast<float>(levels.peak)) << row.name;
        std::vector<CString> rules;
        for (const Finding& finding : LevelFindings(report)) {
            rules.push_back(finding.strRule);
        }
        EXPECT_EQ(rules, want.rules) << row.name;
    }
}

TEST(LevelMeterTest, FedInPiecesItGivesWhatItGivesFedWhole) {
    // Runs of full scale and of zeros that cross the pieces and the envelope's blocks of 256.
    const SampleFormat format = Format(2, 16, false);
    std::vector<double> samples;
    for (std::int64_t f = 0; f < kRate; ++f) {
        const double tone = Sine(0.5, f);
        samples.push_back(f % 5000 < 300 ? 0.0 : tone);
        samples.push_back(f % 7001 < 9 ? -1.0 : f % 3000 > 2900 ? 0.0 : tone * 0.25);
    }
    const auto measure = [&](std::size_t nPiece) {
        CLevelMeter meter(format, kRate);
        for (std::size_t f = 0; f < static_cast<std::size_t>(kRate); f += nPiece) {
            meter.Add(samples.data() + 2 * f, std::min(nPiece, kRate - f));
        }
        return meter.Finish();
    };
    const LevelReport whole = measure(kRate);
    for (const std::size_t nPiece : {1, 7, 255, 300, 4096}) {
        const LevelReport pieces = measure(nPiece);
        for (int c = 0; c < 2; ++c) {
            const ChannelLevels& a = whole.channels[c];
            const ChannelLevels& b = pieces.channels[c];
            EXPECT_EQ(a.peak, b.peak) << nPiece;
            EXPECT_EQ(a.nPeakFrame, b.nPeakFrame) << nPiece;
            EXPECT_NEAR(a.rms, b.rms, 1e-12) << nPiece;
            EXPECT_NEAR(a.dcOffset, b.dcOffset, 1e-12) << nPiece;
            EXPECT_EQ(std::tie(a.nClippedRuns, a.nLongestClip, a.nDropouts, a.nLongestDropout,
                               a.nSilences, a.nSilentFrames),
                      std::tie(b.nClippedRuns, b.nLongestClip, b.nDropouts, b.nLongestDropout,
                               b.nSilences, b.nSilentFrames))
                << nPiece;
        }
        EXPECT_EQ(whole.envelope.minima, pieces.envelope.minima) << nPiece;
        EXPECT_EQ(whole.envelope.maxima, pieces.envelope.maxima) << nPiece;
        EXPECT_EQ(whole.events.size(), pieces.events.size()) << nPiece;
        EXPECT_NEAR(*whole.pairs[0].correlation, *pieces.pairs[0].correlation, 1e-12) << nPiece;
    }
    EXPECT_GT(whole.channels[0].nDropouts, 0);
    EXPECT_GT(whole.channels[1].nClippedRuns, 0);
}

TEST(LevelMeterTest, OneReadGivesWhatEachMeasureGivesAlone) {
    const TempDir dir;
    Bytes samples;
    for (std::int64_t f = 0; f < kRate; ++f) {
        const auto value = static_cast<std::int16_t>(Pcm16(Sine(0.25, f)) * 32768);
        appendLe16(samples, static_cast<std::uint16_t>(value));
        appendLe16(samples, static_cast<std::uint16_t>(-value));
    }
    const std::string path = dir.file("tone.wav");
    writeFile(path, WaveFile({{"fmt ", PcmFormat(2, kRate, 16)}, {"data", samples}}));
    CRiffChunkModel root;
    ASSERT_TRUE(root.Load(path));
    const SampleSource source = SampleSourceOf(root);
    const SamplePassResult all =
        ReadSamplesOnce(source, {.bChecksum = true, .bLoudness = true, .bLevels = true}, {});
    ASSERT_TRUE(all.checksum.digest && all.loudness.values && all.levels.report);
    EXPECT_EQ(*all.checksum.digest, *SampleChecksum(source, {}).digest);
    EXPECT_EQ(all.loudness.values->integrated, MeasureLoudness(source, {}).values->integrated);
    EXPECT_NEAR(all.levels.report->channels[1].peak, 0.25, 1e-4);
    EXPECT_NEAR(all.levels.report->pairs[0].correlation.value_or(0), -1.0, 1e-9);
    EXPECT_EQ(all.levels.report->nSampleOffset, root.SampleOffset());
}

TEST(LevelMeterTest, AMeasureThatCannotBeTakenLeavesTheOthers) {
    const TempDir dir;
    Bytes adpcm = PcmFormat(1, kRate, 4);
    adpcm[0] = 2;
    const struct {
        const char* name;
        std::vector<ChunkSpec> chunks;
        bool bStop;
        bool bDigest;
        const char* levelsFailure;
    } rows[] = {
        {"no data chunk",
         {{"fmt ", PcmFormat(1, kRate, 16)}},
         false,
         false,
         "the file has no data chunk"},
        {"a coded format",
         {{"fmt ", adpcm}, {"data", Bytes(100)}},
         false,
         true,
         "format tag 2 with 4 bits is not linear PCM or IEEE float"},
        {"no fmt chunk", {{"data", Bytes(100)}}, false, true, "the file has no fmt chunk"},
        {"stopped",
         {{"fmt ", PcmFormat(1, kRate, 16)}, {"data", Bytes(100)}},
         true,
         false,
         kCancelled},
    };
    for (const auto& row : rows) {
        const std::string path = dir.file("file.wav");
        writeFile(path, WaveFile(row.chunks));
        CRiffChunkModel root;
        root.Load(path);
        const SamplePassResult all = ReadSamplesOnce(
            SampleSourceOf(root), {.bChecksum = true, .bLoudness = true, .bLevels = true},
            [&row](std::int64_t, std::int64_t) { return !row.bStop; });
        EXPECT_EQ(all.checksum.digest.has_value(), row.bDigest) << row.name;
        EXPECT_FALSE(all.levels.report) << row.name;
        EXPECT_EQ(all.levels.strFailure, row.levelsFailure) << row.name;
        EXPECT_EQ(all.loudness.strFailure, row.levelsFailure) << row.name;
    }
}
