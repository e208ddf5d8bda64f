// The data page's waveform spans its whole width at every length of file, whether its blocks
// hold more frames than a pixel column or fewer; its lanes carry their channels' names and, once
// measured, their peak and RMS.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <cmath>

#include "core/integrity/LevelMeter.h"
#include "pages/WaveformColumns.h"
#include "pages/WaveformView.h"

namespace {

struct LengthRow {
    const char* name;
    double seconds;
    long rate;
    int channels;
};

constexpr LengthRow kLengths[] = {
    {"TenthOfASecond", 0.1, 48000, 1},    {"QuarterSecond", 0.25, 48000, 2},
    {"OneSecond", 1, 48000, 1},           {"OneSecondFourteen", 1, 48000, 14},
    {"OneMinute", 60, 44100, 2},          {"OneHour", 3600, 48000, 2},
    {"OneHourFourteen", 3600, 96000, 14}, {"OddLength", 1.0001, 22050, 1},
};

constexpr int kWidths[] = {1, 97, 380, 760, 4096};

// The envelope the level meter makes for a file of that length, with no sample in it yet.
LevelEnvelope EmptyEnvelopeFor(std::int64_t nFrames, const LengthRow& row) {
    SampleFormat format;
    format.nChannels = row.channels;
    format.nRate = row.rate;
    format.nBits = 16;
    format.nBlockAlign = 2 * row.channels;
    return CLevelMeter(format, nFrames).Finish().envelope;
}

std::int64_t FramesOf(const LengthRow& row) {
    return static_cast<std::int64_t>(std::llround(row.seconds * row.rate));
}

class WaveformWidthTest : public ::testing::TestWithParam<LengthRow> {};

TEST_P(WaveformWidthTest, TheMetersBlocksSpanEveryWidth) {
    const std::int64_t nFrames = FramesOf(GetParam());
    const std::int64_t nBlockFrames = EmptyEnvelopeFor(nFrames, GetParam()).nBlockFrames;
    ASSERT_GT(nBlockFrames, 0);
    const std::int64_t nBlocks = (nFrames + nBlockFrames - 1) / nBlockFrames;
    for (const int nWidth : kWidths) {
        SCOPED_TRACE(nWidth);
        const std::vector<BlockSpan> columns = ColumnBlocks(nBlocks, nBlockFrames, nFrames, nWidth);
        ASSERT_EQ(static_cast<int>(columns.size()), nWidth);
        // Every block is drawn, in order, and none past the last.
        EXPECT_EQ(columns.front().nFirst, 0);
        EXPECT_EQ(columns.back().nEnd, nBlocks);
        for (std::size_t x = 1; x < columns.size(); ++x) {
            EXPECT_LE(columns[x].nFirst, columns[x - 1].nEnd);
            EXPECT_GE(columns[x].nFirst, columns[x - 1].nFirst);
            ASSERT_LT(columns[x].nFirst, columns[x].nEnd);
        }
    }
}

// A levl chunk's blocks are its own: of any size, and as many as the file's frames need.
TEST_P(WaveformWidthTest, AStoredEnvelopesBlocksSpanEveryWidth) {
    const std::int64_t nFrames = FramesOf(GetParam());
    for (const std::int64_t nBlockFrames : {std::int64_t{1}, std::int64_t{256}, nFrames}) {
        const std::int64_t nBlocks = (nFrames + nBlockFrames - 1) / nBlockFrames;
        for (const int nWidth : kWidths) {
            EXPECT_EQ(static_cast<int>(ColumnBlocks(nBlocks, nBlockFrames, nFrames, nWidth).size()),
                      nWidth)
                << nBlockFrames << " frames a block, " << nWidth << " pixels";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, WaveformWidthTest, ::testing::ValuesIn(kLengths),
                         [](const auto& info) { return std::string(info.param.name); });

// An envelope that covers only the start of the frames the width stands for stops where it ends.
TEST(WaveformColumnsTest, AnEnvelopeShorterThanTheFileStopsWhereItEnds) {
    EXPECT_EQ(ColumnBlocks(10, 100, 2000, 200).size(), 100U);
    EXPECT_TRUE(ColumnBlocks(0, 100, 2000, 200).empty());
    EXPECT_TRUE(ColumnBlocks(10, 100, 2000, 0).empty());
}

LevelEnvelope Sine(int nChannels, std::int64_t nBlocks, std::int64_t nBlockFrames) {
    LevelEnvelope envelope{nBlockFrames, nChannels, {}, {}};
    for (std::int64_t b = 0; b < nBlocks * nChannels; ++b) {
        const auto level = static_cast<float>(0.5 * std::sin(static_cast<double>(b) / 7));
        envelope.minima.push_back(-std::abs(level));
        envelope.maxima.push_back(std::abs(level));
    }
    return envelope;
}

struct ViewRow {
    const char* name;
    std::int64_t nFrames;
    std::int64_t nBlockFrames;
    int nChannels;
};

// The view as painted: the envelope drawn across the lanes' whole width.
TEST(WaveformViewTest, TheDrawnWidthIsTheViewsForEveryLength) {
    const ViewRow rows[] = {
        {"0.1 s at 48 kHz", 4800, 256, 1},
        {"1 s sine, 14 channels", 48000, 256, 14},
        {"0.25 s levl", 12000, 256, 2},
        {"1 h at 48 kHz", 172800000, 42240, 2},
    };
    for (const ViewRow& row : rows) {
        SCOPED_TRACE(row.name);
        CWaveformView view;
        view.resize(640, 300);
        view.SetEnvelope(
            Sine(row.nChannels, (row.nFrames + row.nBlockFrames - 1) / row.nBlockFrames,
                 row.nBlockFrames),
            row.nFrames);
        QImage image(view.size(), QImage::Format_ARGB32);
        view.render(&image);
        EXPECT_EQ(view.DrawnWidth(), view.LaneWidth());
        EXPECT_GT(view.LaneWidth(), 600);
        // Named and measured, the lanes give room to the columns beside them, and still span it.
        view.SetChannelNames(QStringList(row.nChannels, QStringLiteral("RoomCentricLeft")));
        view.SetLevels(std::vector<ChannelLevels>(static_cast<std::size_t>(row.nChannels),
                                                  ChannelLevels{0.5, 0, 0.1}));
        view.render(&image);
        EXPECT_EQ(view.DrawnWidth(), view.LaneWidth());
        EXPECT_GE(view.LaneWidth(), 640 / 2);
        EXPECT_LT(view.LaneWidth(), 600);
    }
}

TEST(WaveformViewTest, LevelsReadInDecibelsOfFullScale) {
    struct Row {
        double peak, rms;
        const char* text;
    };
    for (const Row& row :
         {Row{1, 0.5, "0.0 | -6.0 dBFS"}, Row{0.0001, 0.00001, "-80.0 | -100.0 dBFS"},
          Row{0, 0, "-inf | -inf dBFS"}}) {
        ChannelLevels levels;
        levels.peak = row.peak;
        levels.rms = row.rms;
        EXPECT_EQ(ChannelLevelText(levels).toStdString(), row.text);
    }
}

}  // namespace
