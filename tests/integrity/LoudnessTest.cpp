// Loudness: the test signals of EBU Tech 3341 and 3342, made here with sox, measured within the
// tolerances those documents give; the channel weights of the speakers; the bext words written.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

#include "RiffWriter.h"
#include "cli/CliRunner.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/integrity/BextLoudness.h"

using namespace testfiles;

namespace {

// Segments of a stereo 1 kHz sine at 48 kHz: seconds and level in dBFS.
struct Segment {
    double seconds;
    double level;
};

// The tone at the level, or for a phase in percent of a period, another frequency.
std::string SoxSegment(const std::string& path, const Segment& segment, int frequency = 1000,
                       int phase = 0) {
    char command[256];
    std::snprintf(command, sizeof command,
                  "sox -D -n -r 48000 -c 2 -b 24 '%s' synth %.2f sine %d 0 %d vol %.2fdB",
                  path.c_str(), segment.seconds, frequency, phase, segment.level);
    return command;
}

std::string MakeSignal(const TempDir& dir, const std::vector<Segment>& segments) {
    std::string parts;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const std::string part = dir.file("part" + std::to_string(i) + ".wav");
        EXPECT_TRUE(clitest::RunTool(SoxSegment(part, segments[i])));
        parts += " '" + part + "'";
    }
    const std::string path = dir.file("signal.wav");
    EXPECT_TRUE(clitest::RunTool("sox" + parts + " '" + path + "'"));
    return path;
}

LoudnessValues Measure(const std::string& path) {
    CRiffChunkModel root;
    EXPECT_TRUE(root.Load(path)) << path;
    const LoudnessResult result = MeasureLoudness(root, {});
    EXPECT_TRUE(result.values) << result.strFailure;
    return result.values.value_or(LoudnessValues{});
}

// A sine of one channel among the mask's channels, 32-bit float, 10 s at 48 kHz.
Bytes ToneIn(std::uint32_t mask, int channels, int channel, double amplitude) {
    const std::uint32_t rate = 48000;
    Bytes format = ByteBuilder()
                       .le16(0xFFFE)
                       .le16(static_cast<std::uint16_t>(channels))
                       .le32(rate)
                       .le32(rate * 4 * channels)
                       .le16(static_cast<std::uint16_t>(4 * channels))
                       .le16(32)
                       .le16(22)
                       .le16(32)
                       .le32(mask)
                       .le16(3)
                       .le16(0)
                       .le32(0x00100000)
                       .le32(0xAA000080)
                       .le32(0x719B3800);
    Bytes samples;
    for (std::uint32_t i = 0; i < rate * 10; ++i) {
        for (int c = 0; c < channels; ++c) {
            const float value =
                c == channel ? static_cast<float>(amplitude *
                                                  std::sin(2 * std::numbers::pi * 1000 * i / rate))
                             : 0.0f;
            std::uint32_t bits;
            std::memcpy(&bits, &value, 4);
            appendLe32(samples, bits);
        }
    }
    return WaveFile({{"fmt ", format}, {"data", samples}});
}

}  // namespace

class LoudnessSignalTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!clitest::HasTool("sox")) {
            GTEST_SKIP() << "sox is not installed: the test signals cannot be made";
        }
    }
    TempDir dir;
};

TEST_F(LoudnessSignalTest, Tech3341SignalsGiveTheirIntegratedLoudnessWithinATenthOfALu) {
    const struct {
        const char* name;
        std::vector<Segment> segments;
        double integrated;
    } rows[] = {
        {"case 1", {{20, -23}}, -23},
        {"case 2", {{20, -33}}, -33},
        {"case 3", {{10, -36}, {60, -23}, {10, -36}}, -23},
        {"case 4", {{10, -72}, {10, -36}, {60, -23}, {10, -36}, {10, -72}}, -23},
        {"case 5", {{20, -26}, {20.1, -20}, {20, -26}}, -23},
    };
    for (const auto& row : rows) {
        const LoudnessValues values = Measure(MakeSignal(dir, row.segments));
        EXPECT_NEAR(values.integrated, row.integrated, 0.1) << row.name;
    }
}

TEST_F(LoudnessSignalTest, Tech3341SteadyTonesGiveTheirMomentaryAndShortTermMaxima) {
    const LoudnessValues values = Measure(MakeSignal(dir, {{20, -23}}));
    EXPECT_NEAR(values.maxMomentary, -23, 0.1);
    EXPECT_NEAR(values.maxShortTerm, -23, 0.1);
}

TEST_F(LoudnessSignalTest, Tech3342SignalsGiveTheirLoudnessRangeWithinOneLu) {
    const struct {
        const char* name;
        std::vector<Segment> segments;
        double range;
    } rows[] = {
        {"case 1", {{20, -20}, {20, -30}}, 10},
        {"case 2", {{20, -20}, {20, -15}}, 5},
        {"case 3", {{20, -40}, {20, -20}}, 20},
        {"case 4", {{20, -50}, {20, -35}, {20, -20}, {20, -35}, {20, -50}}, 15},
    };
    for (const auto& row : rows) {
        const LoudnessValues values = Measure(MakeSignal(dir, row.segments));
        EXPECT_NEAR(values.range, row.range, 1) << row.name;
    }
}

// The range needs two 3-s windows, 1 s apart: a file of 3 s has none, one of 5 s has three.
TEST_F(LoudnessSignalTest, TheRangeStartsWithTheSecondThreeSecondWindow) {
    const struct {
        const char* name;
        std::vector<Segment> segments;
        bool bRange;
    } rows[] = {
        {"3 s", {{1.5, -40}, {1.5, -20}}, false},
        {"5 s", {{2.5, -40}, {2.5, -20}}, true},
    };
    for (const auto& row : rows) {
        const LoudnessValues values = Measure(MakeSignal(dir, row.segments));
        EXPECT_EQ(values.range > 1, row.bRange) << row.name << ": " << values.range;
        EXPECT_NEAR(values.maxMomentary, -20, 0.1) << row.name;
    }
}

TEST_F(LoudnessSignalTest, TruePeaksBetweenSamplesAreFoundWithinTheTolerance) {
    const struct {
        const char* name;
        int frequency;
        int phase;
        double truePeak;
    } rows[] = {
        {"576 Hz, samples on the peak", 576, 0, -6},
        {"12 kHz, samples 45 degrees off the peak", 12000, 13, -6},
    };
    for (const auto& row : rows) {
        const std::string path = dir.file("peak.wav");
        ASSERT_TRUE(clitest::RunTool(SoxSegment(path, {5, -6}, row.frequency, row.phase)));
        const LoudnessValues values = Measure(path);
        EXPECT_LE(values.truePeak, row.truePeak + 0.4) << row.name;
        EXPECT_GE(values.truePeak, row.truePeak - 0.2) << row.name;
    }
}

TEST(LoudnessTest, ChannelsAreWeightedForTheirSpeakerAndTheLfeIsLeftOut) {
    const struct {
        const char* name;
        int channel;
        double integrated;
    } rows[] = {
        // A 1 kHz sine of amplitude 0.1 (-20 dBFS) in one front channel: -20 - 3.01 + 0.69 - 0.69.
        {"front left", 0, -23.0},
        {"centre", 2, -23.0},
        {"back left, weighted 1.41", 4, -21.5},
    };
    for (const auto& row : rows) {
        TempDir dir;
        writeFile(dir.file("a.wav"), ToneIn(0x3F, 6, row.channel, 0.1));
        EXPECT_NEAR(Measure(dir.file("a.wav")).integrated, row.integrated, 0.1) << row.name;
    }
    TempDir dir;
    writeFile(dir.file("lfe.wav"), ToneIn(0x3F, 6, 3, 0.1));
    EXPECT_TRUE(std::isinf(Measure(dir.file("lfe.wav")).integrated));
}

TEST(LoudnessTest, FormatsItCannotMeasureAreRefused) {
    const struct {
        const char* name;
        Bytes format;
        const char* why;
    } rows[] = {
        {"MPEG", MpegFormat(), "not linear PCM"},
        // 64 channels at 2.8 MHz: the meter would hold 3 s of them, 4 GiB.
        {"more samples a second than the meter holds", PcmFormat(64, 2822400, 16),
         "at most 6144000 samples a second"},
    };
    for (const auto& row : rows) {
        TempDir dir;
        writeFile(dir.file("a.wav"), WaveFile({{"fmt ", row.format}, {"data", Bytes(256, 0)}}));
        CRiffChunkModel root;
        root.Load(dir.file("a.wav"));
        const LoudnessResult result = MeasureLoudness(root, {});
        EXPECT_FALSE(result.values) << row.name;
        EXPECT_NE(result.strFailure.find(row.why), CString::npos) << result.strFailure;
    }
}

TEST(BextLoudnessTest, ValuesAreStoredTimesAHundredRoundedAndUnsetAs7FFF) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        LoudnessValues values;
        std::array<std::int16_t, 5> words;
    } rows[] = {
        {"plain", {-23.0, 5.0, -1.0, -20.0, -21.0}, {-2300, 500, -100, -2000, -2100}},
        {"rounded to nearest",
         {-23.004, 4.996, -0.006, -19.994, 0.004},
         {-2300, 500, -1, -1999, 0}},
        {"silence", {-inf, 0.0, -inf, -inf, -inf}, {0x7FFF, 0, 0x7FFF, 0x7FFF, 0x7FFF}},
        {"out of range", {-400.0, 400.0, 0.0, 0.0, 0.0}, {0x7FFF, 0x7FFF, 0, 0, 0}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(LoudnessWords(row.values), row.words) << row.name;
    }
}

TEST(BextLoudnessTest, WritingRaisesTheVersionAndNeverGrowsTheChunk) {
    const struct {
        const char* name;
        std::uint16_t version;
        std::size_t size;
        bool written;
    } rows[] = {
        {"version 0", 0, 602, true},        {"version 1", 1, 602, true},
        {"version 2", 2, 602, true},        {"unknown version 3", 3, 602, false},
        {"just long enough", 1, 422, true}, {"too short", 1, 421, false},
    };
    for (const auto& row : rows) {
        TempDir dir;
        Bytes bext = BextPayload({"", "", "", "", "", 0, 0, row.version, ""});
        bext.resize(row.size);
        writeFile(
            dir.file("a.wav"),
            WaveFile({{"bext", bext}, {"fmt ", PcmFormat(1, 8000, 8)}, {"data", Bytes(2, 0)}}));
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(dir.file("a.wav")));
        CChunk* pBext = BextChunkOf(root);
        ASSERT_NE(pBext, nullptr);
        const CString strRefused = WriteLoudness(*pBext, {-23.0, 5.0, -1.0, -20.0, -21.0});
        EXPECT_EQ(strRefused.empty(), row.written) << row.name << ": " << strRefused;
        EXPECT_EQ(pBext->DataSize(), row.size) << row.name;
        if (row.written) {
            EXPECT_EQ(pBext->Data()[346], 2) << row.name;
            EXPECT_EQ(pBext->Data()[412] | pBext->Data()[413] << 8, 0xF704) << row.name;  // -2300
        }
    }
}
