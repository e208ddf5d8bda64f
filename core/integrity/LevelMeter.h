#pragma once
// The levels of a file's samples, measured as they stream past once: per channel the peak, RMS,
// DC offset, runs of clipped samples and runs of exact zeros; the correlation of channel pairs;
// and a peak envelope (the lowest and highest sample of each block of frames).

#include <cstdint>
#include <optional>
#include <vector>

#include "core/integrity/SampleDecoder.h"

enum class LevelEventKind { Clipping, Dropout, Silence };

// One run found in a channel: clipped samples, or exact zeros inside the audio (a dropout) or
// at its start, its end, or lasting a second or more (silence).
struct LevelEvent {
    LevelEventKind kind;
    int nChannel;
    std::int64_t nFrame;   // where the run starts
    std::int64_t nLength;  // frames
};

struct ChannelLevels {
    double peak = 0;  // the largest magnitude, 1 at full scale
    std::int64_t nPeakFrame = 0;
    double rms = 0;
    double dcOffset = 0;  // the mean
    std::int64_t nClippedRuns = 0;
    std::int64_t nLongestClip = 0;  // samples
    std::int64_t nDropouts = 0;
    std::int64_t nLongestDropout = 0;  // samples
    std::int64_t nSilences = 0;
    std::int64_t nSilentFrames = 0;
};

struct ChannelPair {
    int nFirst;
    int nSecond;
    std::optional<double> correlation;  // none when either channel is constant
};

// Frame block by frame block, channel by channel.
struct LevelEnvelope {
    std::int64_t nBlockFrames = 0;
    int nChannels = 0;
    std::vector<float> minima;
    std::vector<float> maxima;
    std::int64_t Blocks() const;
};

struct LevelReport {
    std::int64_t nFrames = 0;
    long nRate = 0;
    std::int64_t nSampleOffset = 0;  // where the samples start in the file
    int nBlockAlign = 0;
    std::vector<ChannelLevels> channels;
    std::vector<ChannelPair> pairs;
    LevelEnvelope envelope;
    std::vector<LevelEvent> events;  // in the order found, the first kMostLevelEvents
    bool bEventsCut = false;         // more were found than are kept
};

inline constexpr std::size_t kMostLevelEvents = 10000;
// The fewest consecutive full-scale samples that count as clipping.
inline constexpr std::int64_t kShortestClip = 3;

class CLevelMeter {
public:
    // nFrames: how many frames the root says there are, which sizes the envelope's blocks.
    CLevelMeter(const SampleFormat& format, std::int64_t nFrames);
    // Interleaved samples of whole frames, in the order of the file.
    void Add(const double* pSamples, std::size_t nFrames);
    LevelReport Finish();

private:
    struct Running {
        double sum = 0;
        double squares = 0;
        std::int64_t nClipStart = 0, nClip = 0;
        std::int64_t nZeroStart = 0, nZeros = 0;
        bool bSeenSound = false;
        float blockMin = 0, blockMax = 0;
    };

    // nCount samples of one channel, nChannels apart, within one envelope block.
    void AddStretch(int nChannel, const double* p, std::size_t nCount);
    void AddSample(int nChannel, double value, std::int64_t nFrame);
    void AddProducts(const double* pSamples, std::size_t nFrames);
    void EndClip(int nChannel);
    void EndZeros(int nChannel, bool bAtEnd);
    void EndBlock();
    void Note(LevelEventKind kind, int nChannel, std::int64_t nFrame, std::int64_t nLength);

    SampleFormat m_format;
    double m_fullScale;
    std::int64_t m_nShortestZeros;
    std::int64_t m_nSilentRun;
    std::int64_t m_nFrame = 0;
    std::int64_t m_nInBlock = 0;
    std::vector<Running> m_running;
    std::vector<double> m_products;  // of each pair, summed
    LevelReport m_report;
};

// A level's figure in decibels of full scale; -inf for silence.
double DecibelsOf(double level);
