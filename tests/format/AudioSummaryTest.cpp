// The line that a PCM format page adds to the overview text when it is created.

#include "core/fields/AudioSummary.h"

#include "FormatChunkFixture.h"
#include "format/fmtChunk.h"
#include "pages/Overview.h"

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;

struct ChannelsCase {
    std::uint16_t nChannels;
    const char* ending;
};

class AudioSummaryChannelsTest : public ChunkFixture<CfmtChunk>,
                                 public ::testing::WithParamInterface<ChannelsCase> {};

TEST_P(AudioSummaryChannelsTest, CreatingThePcmPageAppendsOneLine) {
    g_strOverview = "RIFF WAVE file.\r\n\r\n";
    Load("fmt ", testfiles::PcmFormat(GetParam().nChannels, 44100, 16));
    Page();
    Page();  // a page already created is not initialised again
    EXPECT_EQ(g_strOverview, std::string("RIFF WAVE file.\r\n\r\n") +
                                 "44100 samples per second, 16 bits per sample " +
                                 GetParam().ending);
}

INSTANTIATE_TEST_SUITE_P(Channels, AudioSummaryChannelsTest,
                         ::testing::Values(ChannelsCase{1, "and Mono.\r\n\r\n"},
                                           ChannelsCase{2, "and Stereo.\r\n\r\n"},
                                           ChannelsCase{0, "and 0 channels.\r\n\r\n"},
                                           ChannelsCase{3, "and 3 channels.\r\n\r\n"},
                                           ChannelsCase{6, "and 6 channels.\r\n\r\n"},
                                           ChannelsCase{14, "and 14 channels.\r\n\r\n"}));

struct NoLineCase {
    const char* name;
    Bytes payload;
};

class AudioSummaryNoLineTest : public ChunkFixture<CfmtChunk>,
                               public ::testing::WithParamInterface<NoLineCase> {};

TEST_P(AudioSummaryNoLineTest, AddsNothing) {
    g_strOverview = "RIFF WAVE file.\r\n\r\n";
    Load("fmt ", GetParam().payload);
    Page();
    EXPECT_EQ(g_strOverview, "RIFF WAVE file.\r\n\r\n");
}

Bytes Cut(Bytes bytes, std::size_t nSize) {
    bytes.resize(nSize);
    return bytes;
}

Bytes WithTag(Bytes bytes, std::uint16_t wTag) {
    bytes[0] = static_cast<std::uint8_t>(wTag);
    bytes[1] = static_cast<std::uint8_t>(wTag >> 8);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, AudioSummaryNoLineTest,
    ::testing::Values(
        // Without wBitsPerSample, the last of the three fields the line reads.
        NoLineCase{"Pcm15", Cut(testfiles::PcmFormat(2, 44100, 16), 15)},
        NoLineCase{"Mpeg", WithTag(Cut(testfiles::PcmFormat(2, 44100, 16, true), 40), 0x50)},
        NoLineCase{"NotSupported", WithTag(testfiles::PcmFormat(2, 44100, 16, true), 3)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AudioSummaryLineTest, ShowsTheFullRange) {
    EXPECT_EQ(AudioSummaryLine(4294967295u, 65535, 1),
              "4294967295 samples per second, 65535 bits per sample and Mono.\r\n\r\n");
}

}  // namespace
