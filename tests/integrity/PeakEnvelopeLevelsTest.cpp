// The levl chunk's envelope: what the levels write reads back, merged to the blocks a page
// draws, and the envelopes other writers store (8-bit, one point per value).

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "RiffWriter.h"
#include "core/chunks/Chunk.h"
#include "core/integrity/PeakEnvelopeLevels.h"

using namespace testfiles;

namespace {

// Two seconds of float mono at 48 kHz whose level rises block by block.
LevelReport RisingTone() {
    const SampleFormat format{1, 48000, 4, 32, true, 0};
    std::vector<double> samples;
    for (int f = 0; f < 96000; ++f) {
        samples.push_back(f / 96000.0 * std::sin(f * 2 * std::numbers::pi / 48));
    }
    CLevelMeter meter(format, 96000);
    meter.Add(samples.data(), samples.size());
    return meter.Finish();
}

std::optional<LevelEnvelope> Read(const CString& strPayload, std::size_t nMostBlocks) {
    CChunk chunk;
    EXPECT_TRUE(chunk.SetPayloadText(strPayload));
    return EnvelopeOfChunk(chunk, nMostBlocks);
}

}  // namespace

TEST(PeakEnvelopeLevelsTest, WrittenEnvelopeReadsBackMergedToTheBlocksAsked) {
    const LevelReport report = RisingTone();
    const CString strPayload = PeakEnvelopePayload(report, "2026:12:10:10:00:00:000");
    const struct {
        std::size_t most, blocks;
        std::int64_t blockFrames;
    } rows[] = {{1000, 375, 256}, {375, 375, 256}, {100, 94, 1024}, {1, 1, 96000}};
    for (const auto& row : rows) {
        const std::optional<LevelEnvelope> envelope = Read(strPayload, row.most);
        ASSERT_TRUE(envelope) << row.most;
        ASSERT_EQ(envelope->Blocks(), static_cast<std::int64_t>(row.blocks)) << row.most;
        EXPECT_EQ(envelope->nBlockFrames, row.blockFrames) << row.most;
        const std::size_t nGroup = 375 / row.blocks + (375 % row.blocks ? 1 : 0);
        for (std::size_t b = 0; b < row.blocks; ++b) {
            const std::size_t nLast = std::min<std::size_t>((b + 1) * nGroup, 375) - 1;
            EXPECT_NEAR(envelope->maxima[b], report.envelope.maxima[nLast], 1e-4) << b;
            EXPECT_NEAR(envelope->minima[b], report.envelope.minima[nLast], 1e-4) << b;
        }
    }
}

TEST(PeakEnvelopeLevelsTest, OnePointEightBitEnvelopesAndBrokenOnesRead) {
    const auto header = [](DWORD format, DWORD points, DWORD channels) {
        ByteBuilder bytes;
        bytes.le32(0).le32(format).le32(points).le32(256).le32(channels).le32(2).le32(0).le32(128);
        return CString(reinterpret_cast<const char*>(bytes.zeros(88).bytes().data()), 120);
    };
    const struct {
        const char* name;
        CString payload;
        std::vector<float> maxima, minima;
    } rows[] = {
        {"8-bit, one point",
         header(1, 1, 1) + "\x7F\x40",
         {1.0f, 64 / 127.0f},
         {-1.0f, -64 / 127.0f}},
        {"16-bit, two points",
         header(2, 2, 1) + CString("\xFF\x7F\x00\x40", 4),
         {1.0f},
         {-16384 / 32767.0f}},
        {"no channels", header(2, 2, 0) + "\x01\x02", {}, {}},
        {"header only", header(2, 2, 1), {}, {}},
        {"short of a header", "levl", {}, {}},
    };
    for (const auto& row : rows) {
        const std::optional<LevelEnvelope> envelope = Read(row.payload, 100);
        ASSERT_EQ(envelope.has_value(), !row.maxima.empty()) << row.name;
        if (envelope) {
            EXPECT_EQ(envelope->maxima, row.maxima) << row.name;
            EXPECT_EQ(envelope->minima, row.minima) << row.name;
        }
    }
}
