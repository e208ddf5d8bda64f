#include "core/integrity/LevelMeter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Channels up to this many are correlated in every pair; more in neighbouring pairs only, so that
// the work per frame stays linear in the channels.
constexpr int kMostChannelsForAllPairs = 8;
// The envelope holds at most this many blocks times channels; a longer file takes longer blocks.
constexpr std::int64_t kMostEnvelopePoints = std::int64_t{1} << 23;
constexpr std::int64_t kEnvelopeBlock = 256;

std::vector<ChannelPair> PairsOf(int nChannels) {
    std::vector<ChannelPair> pairs;
    if (nChannels > kMostChannelsForAllPairs) {
        for (int i = 0; i + 1 < nChannels; i += 2) {
            pairs.push_back({i, i + 1, std::nullopt});
        }
        return pairs;
    }
    for (int i = 0; i < nChannels; ++i) {
        for (int j = i + 1; j < nChannels; ++j) {
            pairs.push_back({i, j, std::nullopt});
        }
    }
    return pairs;
}

std::int64_t BlockFramesFor(std::int64_t nFrames, int nChannels) {
    const std::int64_t nPoints = std::max<std::int64_t>(nFrames, 1) * nChannels;
    const std::int64_t nPerBlock = kEnvelopeBlock * kMostEnvelopePoints;
    return kEnvelopeBlock * ((nPoints + nPerBlock - 1) / nPerBlock);
}

// PCM reaches its full scale one step short of 1 on the positive side.
double FullScaleOf(const SampleFormat& format) {
    return format.bFloat ? 1.0 : 1.0 - std::ldexp(1.0, 1 - format.nBits);
}

}  // namespace

std::int64_t LevelEnvelope::Blocks() const {
    return nChannels > 0 ? static_cast<std::int64_t>(maxima.size()) / nChannels : 0;
}

double DecibelsOf(double level) {
    return level > 0 ? 20 * std::log10(level) : -std::numeric_limits<double>::infinity();
}

CLevelMeter::CLevelMeter(const SampleFormat& format, std::int64_t nFrames)
    : m_format(format),
      m_fullScale(FullScaleOf(format)),
      m_nShortestZeros(std::max<std::int64_t>(2, format.nRate / 1000)),
      m_nSilentRun(std::max<std::int64_t>(2, format.nRate)),
      m_running(static_cast<std::size_t>(format.nChannels)) {
    m_report.nRate = format.nRate;
    m_report.nBlockAlign = format.nBlockAlign;
    m_report.channels.resize(static_cast<std::size_t>(format.nChannels));
    m_report.pairs = PairsOf(format.nChannels);
    m_products.resize(m_report.pairs.size());
    m_report.envelope.nChannels = format.nChannels;
    m_report.envelope.nBlockFrames = BlockFramesFor(nFrames, format.nChannels);
}

void CLevelMeter::Note(LevelEventKind kind, int nChannel, std::int64_t nFrame,
                       std::int64_t nLength) {
    if (m_report.events.size() < kMostLevelEvents) {
        m_report.events.push_back({kind, nChannel, nFrame, nLength});
    } else {
        m_report.bEventsCut = true;
    }
}

void CLevelMeter::EndClip(int nChannel) {
    Running& run = m_running[static_cast<std::size_t>(nChannel)];
    if (run.nClip >= kShortestClip) {
        ChannelLevels& levels = m_report.channels[static_cast<std::size_t>(nChannel)];
        ++levels.nClippedRuns;
        levels.nLongestClip = std::max(levels.nLongestClip, run.nClip);
        Note(LevelEventKind::Clipping, nChannel, run.nClipStart, run.nClip);
    }
    run.nClip = 0;
}

void CLevelMeter::EndZeros(int nChannel, bool bAtEnd) {
    Running& run = m_running[static_cast<std::size_t>(nChannel)];
    ChannelLevels& levels = m_report.channels[static_cast<std::size_t>(nChannel)];
    if (run.nZeros >= m_nShortestZeros) {
        if (!run.bSeenSound || bAtEnd || run.nZeros >= m_nSilentRun) {
            ++levels.nSilences;
            levels.nSilentFrames += run.nZeros;
            Note(LevelEventKind::Silence, nChannel, run.nZeroStart, run.nZeros);
        } else {
            ++levels.nDropouts;
            levels.nLongestDropout = std::max(levels.nLongestDropout, run.nZeros);
            Note(LevelEventKind::Dropout, nChannel, run.nZeroStart, run.nZeros);
        }
    }
    run.nZeros = 0;
}

void CLevelMeter::AddSample(int nChannel, double value) {
    Running& run = m_running[static_cast<std::size_t>(nChannel)];
    ChannelLevels& levels = m_report.channels[static_cast<std::size_t>(nChannel)];
    const double magnitude = std::abs(value);
    if (magnitude > levels.peak) {
        levels.peak = magnitude;
        levels.nPeakFrame = m_nFrame;
    }
    run.sum += value;
    run.squares += value * value;
    if (magnitude >= m_fullScale) {
        run.nClipStart = run.nClip++ == 0 ? m_nFrame : run.nClipStart;
    } else if (run.nClip > 0) {
        EndClip(nChannel);
    }
    if (value == 0) {
        run.nZeroStart = run.nZeros++ == 0 ? m_nFrame : run.nZeroStart;
    } else {
        if (run.nZeros > 0) {
            EndZeros(nChannel, false);
        }
        run.bSeenSound = true;
    }
    const auto sample = static_cast<float>(value);
    run.blockMin = m_nInBlock == 0 ? sample : std::min(run.blockMin, sample);
    run.blockMax = m_nInBlock == 0 ? sample : std::max(run.blockMax, sample);
}

void CLevelMeter::EndBlock() {
    for (const Running& run : m_running) {
        m_report.envelope.minima.push_back(run.blockMin);
        m_report.envelope.maxima.push_back(run.blockMax);
    }
    m_nInBlock = 0;
}

void CLevelMeter::Add(const double* pSamples, std::size_t nFrames) {
    const int nChannels = m_format.nChannels;
    for (std::size_t f = 0; f < nFrames; ++f, ++m_nFrame) {
        const double* pFrame = pSamples + f * static_cast<std::size_t>(nChannels);
        for (int c = 0; c < nChannels; ++c) {
            AddSample(c, pFrame[c]);
        }
        for (std::size_t p = 0; p < m_products.size(); ++p) {
            m_products[p] += pFrame[m_report.pairs[p].nFirst] * pFrame[m_report.pairs[p].nSecond];
        }
        if (++m_nInBlock == m_report.envelope.nBlockFrames) {
            EndBlock();
        }
    }
}

LevelReport CLevelMeter::Finish() {
    if (m_nInBlock > 0) {
        EndBlock();
    }
    const double n = static_cast<double>(std::max<std::int64_t>(m_nFrame, 1));
    for (int c = 0; c < m_format.nChannels; ++c) {
        EndClip(c);
        EndZeros(c, true);
        const Running& run = m_running[static_cast<std::size_t>(c)];
        ChannelLevels& levels = m_report.channels[static_cast<std::size_t>(c)];
        levels.rms = std::sqrt(run.squares / n);
        levels.dcOffset = run.sum / n;
    }
    for (std::size_t p = 0; p < m_products.size(); ++p) {
        const Running& a = m_running[static_cast<std::size_t>(m_report.pairs[p].nFirst)];
        const Running& b = m_running[static_cast<std::size_t>(m_report.pairs[p].nSecond)];
        const double covariance = m_products[p] / n - (a.sum / n) * (b.sum / n);
        const double spread = std::sqrt((a.squares / n - (a.sum / n) * (a.sum / n)) *
                                        (b.squares / n - (b.sum / n) * (b.sum / n)));
        if (spread > 1e-12) {
            m_report.pairs[p].correlation = std::clamp(covariance / spread, -1.0, 1.0);
        }
    }
    m_report.nFrames = m_nFrame;
    return std::move(m_report);
}
