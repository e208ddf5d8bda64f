// The one file that names the loudness library.
#include "core/integrity/LoudnessMeter.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>
#include <memory>

#include "core/integrity/SamplePass.h"

namespace {

constexpr double kSilence = -std::numeric_limits<double>::infinity();
constexpr DWORD kLowFrequency = 0x8;
constexpr DWORD kSurround = 0x10 | 0x20 | 0x200 | 0x400;  // back and side left and right
// The meter holds 3 s of every channel as doubles: a header claiming 64 channels at 2.8 MHz would
// have it ask for 4 GiB. 32 channels at 192 kHz (150 MiB) is the most it takes.
constexpr std::int64_t kMostSamplesPerSecond = 32 * 192000;

struct StateDeleter {
    void operator()(ebur128_state* pState) const { ebur128_destroy(&pState); }
};
using Meter = std::unique_ptr<ebur128_state, StateDeleter>;

// The speaker of each channel: the mask's bits in order, or for a format without a mask the
// order of the bits themselves, as a plain file's channels are taken to be.
DWORD SpeakerOf(const SampleFormat& format, int nChannel) {
    if (format.dwChannelMask == 0) {
        return format.nChannels <= 2 ? 1 : DWORD{1} << nChannel;
    }
    int nSeen = 0;
    for (int nBit = 0; nBit < 32; ++nBit) {
        if ((format.dwChannelMask >> nBit & 1) && nSeen++ == nChannel) {
            return DWORD{1} << nBit;
        }
    }
    return 0;
}

void SetWeights(ebur128_state* pState, const SampleFormat& format) {
    for (int i = 0; i < format.nChannels; ++i) {
        const DWORD dwSpeaker = SpeakerOf(format, i);
        int nChannel = EBUR128_CENTER;
        if (dwSpeaker == kLowFrequency || dwSpeaker == 0) {
            nChannel = EBUR128_UNUSED;
        } else if (dwSpeaker & kSurround) {
            nChannel = EBUR128_LEFT_SURROUND;
        }
        ebur128_set_channel(pState, static_cast<unsigned>(i), nChannel);
    }
}

// The momentary (400 ms) and short-term (3 s) loudness, kept from the weighted energy of each
// 100 ms block: the mean of the last 4 or 30 blocks is the energy of the longer window, so that a
// step costs a 100 ms window instead of a 3 s one.
class CMaxima {
public:
    void AddBlock(double dBlockLoudness) {
        m_blocks.push_back(
            std::isfinite(dBlockLoudness) ? std::pow(10.0, (dBlockLoudness + kOffset) / 10) : 0.0);
        if (m_blocks.size() > kShortTermBlocks) {
            m_blocks.pop_front();
        }
        if (m_blocks.size() >= kMomentaryBlocks) {
            momentary = std::max(momentary, LoudnessOf(kMomentaryBlocks));
        }
        if (m_blocks.size() == kShortTermBlocks) {
            shortTerm = std::max(shortTerm, LoudnessOf(kShortTermBlocks));
        }
    }

    double momentary = kSilence;
    double shortTerm = kSilence;

private:
    static constexpr double kOffset =
        0.691;  // BS.1770's constant, as the block's loudness holds it
    static constexpr std::size_t kMomentaryBlocks = 4;
    static constexpr std::size_t kShortTermBlocks = 30;

    double LoudnessOf(std::size_t nBlocks) const {
        double dEnergy = 0;
        for (auto it = m_blocks.end() - static_cast<std::ptrdiff_t>(nBlocks); it != m_blocks.end();
             ++it) {
            dEnergy += *it;
        }
        dEnergy /= static_cast<double>(nBlocks);
        return dEnergy > 0 ? 10 * std::log10(dEnergy) - kOffset : kSilence;
    }

    std::deque<double> m_blocks;
};

double TruePeak(ebur128_state* pState, int nChannels) {
    double dPeak = 0;
    for (int i = 0; i < nChannels; ++i) {
        double dChannel = 0;
        if (ebur128_true_peak(pState, static_cast<unsigned>(i), &dChannel) == 0) {
            dPeak = std::max(dPeak, dChannel);
        }
    }
    return dPeak > 0 ? 20 * std::log10(dPeak) : kSilence;
}

CString TooManySamples(const SampleFormat& format) {
    const std::int64_t nRate = std::int64_t{format.nChannels} * format.nRate;
    if (nRate <= kMostSamplesPerSecond) {
        return {};
    }
    return "the loudness meter takes at most " + std::to_string(kMostSamplesPerSecond) +
           " samples a second (channels times rate); this format gives " + std::to_string(nRate);
}

// The range needs the 3 s window, which the meter then holds for every channel; with less audio
// than that the range is 0 either way, and the meter holds 400 ms.
int MeterMode(std::int64_t nFrames, const SampleFormat& format) {
    const int nRange = nFrames > std::int64_t{3} * format.nRate ? EBUR128_MODE_LRA : 0;
    return EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK | nRange;
}

}  // namespace

struct CLoudnessMeter::State {
    Meter meter;
    CMaxima maxima;
};

CLoudnessMeter::CLoudnessMeter(std::unique_ptr<State> pState, const SampleFormat& format)
    : m_pState(std::move(pState)),
      m_format(format),
      m_nStepFrames(static_cast<std::size_t>(std::max(1L, format.nRate / 10))) {}

CLoudnessMeter::~CLoudnessMeter() = default;

std::unique_ptr<CLoudnessMeter> CLoudnessMeter::Make(const SampleFormat& format,
                                                     std::int64_t nFrames, CString* pWhyNot) {
    if (CString strTooMany = TooManySamples(format); !strTooMany.empty()) {
        *pWhyNot = strTooMany;
        return nullptr;
    }
    Meter meter(ebur128_init(static_cast<unsigned>(format.nChannels),
                             static_cast<unsigned long>(format.nRate), MeterMode(nFrames, format)));
    if (!meter) {
        *pWhyNot = "the loudness meter takes no such format";
        return nullptr;
    }
    SetWeights(meter.get(), format);
    return std::unique_ptr<CLoudnessMeter>(
        new CLoudnessMeter(std::make_unique<State>(State{std::move(meter), {}}), format));
}

void CLoudnessMeter::AddStep(const double* pSamples, std::size_t nFrames) {
    ebur128_add_frames_double(m_pState->meter.get(), pSamples, nFrames);
    double dBlock;
    if (nFrames == m_nStepFrames &&
        ebur128_loudness_window(m_pState->meter.get(), 100, &dBlock) == 0) {
        m_pState->maxima.AddBlock(dBlock);
    }
}

LoudnessValues CLoudnessMeter::Values() const {
    ebur128_state* pMeter = m_pState->meter.get();
    LoudnessValues values{kSilence, 0, TruePeak(pMeter, m_format.nChannels),
                          m_pState->maxima.momentary, m_pState->maxima.shortTerm};
    ebur128_loudness_global(pMeter, &values.integrated);
    ebur128_loudness_range(pMeter, &values.range);
    return values;
}

LoudnessResult MeasureLoudness(const SampleSource& source, const WorkProgress& progress) {
    return ReadSamplesOnce(source, {.bLoudness = true}, progress).loudness;
}

LoudnessResult MeasureLoudness(const CRiffChunkModel& root, const WorkProgress& progress) {
    return MeasureLoudness(SampleSourceOf(root), progress);
}
