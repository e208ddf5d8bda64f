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

void CLevelMeter::AddSample(int nChannel, double value, std::int64_t nFrame) {
    Running& run = m_running[static_cast<std::size_t>(nChannel)];
    ChannelLevels& levels = m_report.channels[static_cast<std::size_t>(nChannel)];
    const double magnitude = std::abs(value);
    if (magnitude > levels.peak) {
        levels.peak = magnitude;
        levels.nPeakFrame = nFrame;
    }
    run.sum += value;
    run.squares += value * value;
    if (magnitude >= m_fullScale) {
        run.nClipStart = run.nClip++ == 0 ? nFrame : run.nClipStart;
    } else if (run.nClip > 0) {
        EndClip(nChannel);
    }
    if (value == 0) {
        run.nZeroStart = run.nZeros++ == 0 ? nFrame : run.nZeroStart;
    } else {
        if (run.nZeros > 0) {
            EndZeros(nChannel, false);
        }
        run.bSeenSound = true;
    }
    const auto sample = static_cast<float>(value);
    const bool bFirst = nFrame - m_nFrame == 0 && m_nInBlock == 0;
    run.blockMin = bFirst ? sample : std::min(run.blockMin, sample);
    run.blockMax = bFirst ? sample : std::max(run.blockMax, sample);
}

void CLevelMeter::EndBlock() {
    for (const Running& run : m_running) {
        m_report.envelope.minima.push_back(run.blockMin);
        m_report.envelope.maxima.push_back(run.blockMax);
    }
    m_nInBlock = 0;
}

// What a stretch of one channel holds, taken in one sweep: the figures every sample adds to, and
// whether any sample starts or extends a run of zeros or of full scale.
struct Sweep {
    double lowest, highest, sum = 0, squares = 0;
    bool bRuns = false;
};

Sweep SweepOf(const double* p, std::size_t nStride, std::size_t nCount, double fullScale) {
    // Four of each sum in turn, so that the additions do not wait on one another.
    double sums[4] = {}, squares[4] = {};
    double lowest = p[0], highest = p[0];
    std::size_t nEdges = 0;
    std::size_t i = 0;
    for (; i + 4 <= nCount; i += 4) {
        for (std::size_t k = 0; k < 4; ++k) {
            const double v = p[(i + k) * nStride];
            lowest = std::min(lowest, v);
            highest = std::max(highest, v);
            sums[k] += v;
            squares[k] += v * v;
            nEdges += (v == 0) | (std::abs(v) >= fullScale);
        }
    }
    for (; i < nCount; ++i) {
        const double v = p[i * nStride];
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
        sums[0] += v;
        squares[0] += v * v;
        nEdges += (v == 0) | (std::abs(v) >= fullScale);
    }
    return {lowest, highest, (sums[0] + sums[1]) + (sums[2] + sums[3]),
            (squares[0] + squares[1]) + (squares[2] + squares[3]), nEdges > 0};
}

void CLevelMeter::AddStretch(int nChannel, const double* p, std::size_t nCount) {
    const std::size_t nStride = static_cast<std::size_t>(m_format.nChannels);
    Running& run = m_running[static_cast<std::size_t>(nChannel)];
    const Sweep sweep = SweepOf(p, nStride, nCount, m_fullScale);
    if (sweep.bRuns || run.nClip > 0 || run.nZeros > 0) {
        for (std::size_t i = 0; i < nCount; ++i) {
            AddSample(nChannel, p[i * nStride], m_nFrame + static_cast<std::int64_t>(i));
        }
        return;
    }
    run.bSeenSound = true;
    run.sum += sweep.sum;
    run.squares += sweep.squares;
    ChannelLevels& levels = m_report.channels[static_cast<std::size_t>(nChannel)];
    const double peak = std::max(-sweep.lowest, sweep.highest);
    if (peak > levels.peak) {
        std::size_t i = 0;
        while (i + 1 < nCount && std::abs(p[i * nStride]) != peak) {
            ++i;
        }
        levels.peak = peak;
        levels.nPeakFrame = m_nFrame + static_cast<std::int64_t>(i);
    }
    const auto lowest = static_cast<float>(sweep.lowest);
    const auto highest = static_cast<float>(sweep.highest);
    run.blockMin = m_nInBlock == 0 ? lowest : std::min(run.blockMin, lowest);
    run.blockMax = m_nInBlock == 0 ? highest : std::max(run.blockMax, highest);
}

void CLevelMeter::AddProducts(const double* pSamples, std::size_t nFrames) {
    const std::size_t nStride = static_cast<std::size_t>(m_format.nChannels);
    for (std::size_t p = 0; p < m_products.size(); ++p) {
        const double* pFirst = pSamples + m_report.pairs[p].nFirst;
        const double* pSecond = pSamples + m_report.pairs[p].nSecond;
        double sums[4] = {};
        std::size_t f = 0;
        for (; f + 4 <= nFrames; f += 4) {
            for (std::size_t k = 0; k < 4; ++k) {
                sums[k] += pFirst[(f + k) * nStride] * pSecond[(f + k) * nStride];
            }
        }
        for (; f < nFrames; ++f) {
            sums[0] += pFirst[f * nStride] * pSecond[f * nStride];
        }
        m_products[p] += (sums[0] + sums[1]) + (sums[2] + sums[3]);
    }
}

void CLevelMeter::Add(const double* pSamples, std::size_t nFrames) {
    const std::size_t nChannels = static_cast<std::size_t>(m_format.nChannels);
    // Stretches end where envelope blocks end.
    for (std::size_t nDone = 0; nDone < nFrames;) {
        const std::size_t nCount = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(nFrames - nDone),
                                   m_report.envelope.nBlockFrames - m_nInBlock));
        const double* pFrames = pSamples + nDone * nChannels;
        for (std::size_t c = 0; c < nChannels; ++c) {
            AddStretch(static_cast<int>(c), pFrames + c, nCount);
        }
        AddProducts(pFrames, nCount);
        m_nFrame += static_cast<std::int64_t>(nCount);
        m_nInBlock += static_cast<std::int64_t>(nCount);
        nDone += nCount;
        if (m_nInBlock == m_report.envelope.nBlockFrames) {
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
