#include "core/integrity/LoudnessMeter.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "core/integrity/LoudnessGating.h"
#include "core/integrity/LoudnessPart.h"
#include "core/integrity/SamplePass.h"

namespace {

constexpr double kSilence = -std::numeric_limits<double>::infinity();
constexpr DWORD kLowFrequency = 0x8;
constexpr DWORD kSurround = 0x10 | 0x20 | 0x200 | 0x400;  // back and side left and right
constexpr double kSurroundWeight = 1.41;                  // +1.5 dB, as BS.1770 weighs them
// Programme loudness is measured on at most 32 channels at 192 kHz; a header claiming 64
// channels at 2.8 MHz is not a programme to meter.
constexpr std::int64_t kMostSamplesPerSecond = 32 * 192000;
constexpr long kLeastRate = 16;

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

double WeightOf(const SampleFormat& format, int nChannel) {
    if (nChannel >= format.nChannels) {
        return 0;
    }
    const DWORD dwSpeaker = SpeakerOf(format, nChannel);
    if (dwSpeaker == kLowFrequency || dwSpeaker == 0) {
        return 0;
    }
    return dwSpeaker & kSurround ? kSurroundWeight : 1.0;
}

CString Refusal(const SampleFormat& format) {
    const std::int64_t nRate = std::int64_t{format.nChannels} * format.nRate;
    if (nRate > kMostSamplesPerSecond) {
        return "the loudness meter takes at most " + std::to_string(kMostSamplesPerSecond) +
               " samples a second (channels times rate); this format gives " +
               std::to_string(nRate);
    }
    if (format.nRate < kLeastRate) {
        return "the loudness meter takes rates of " + std::to_string(kLeastRate) +
               " Hz and more; this format gives " + std::to_string(format.nRate);
    }
    return {};
}

double Decibels(double peak) {
    return peak > 0 ? 20 * std::log10(peak) : kSilence;
}

}  // namespace

CLoudnessMeter::CLoudnessMeter(const SampleFormat& format) : m_format(format) {
    for (int nFirst = 0; nFirst < format.nChannels; nFirst += 2) {
        const int nCount = std::min(2, format.nChannels - nFirst);
        const CKWeighting::Pair weights = {WeightOf(format, nFirst), WeightOf(format, nFirst + 1)};
        m_parts.push_back(std::make_unique<CLoudnessPart>(format, nFirst, nCount, weights));
    }
}

CLoudnessMeter::~CLoudnessMeter() = default;

std::unique_ptr<CLoudnessMeter> CLoudnessMeter::Make(const SampleFormat& format, CString* pWhyNot) {
    if (CString strRefusal = Refusal(format); !strRefusal.empty()) {
        *pWhyNot = strRefusal;
        return nullptr;
    }
    return std::unique_ptr<CLoudnessMeter>(new CLoudnessMeter(format));
}

void CLoudnessMeter::Add(std::size_t nPart, const double* pFrames, std::size_t nFrames) {
    m_parts[nPart]->Add(pFrames, nFrames);
}

LoudnessValues CLoudnessMeter::Values() const {
    // Every part was fed the same frames, so has as many steps.
    std::vector<double> steps(m_parts.front()->Steps().size(), 0.0);
    double peak = 0;
    for (const auto& pPart : m_parts) {
        std::transform(steps.begin(), steps.end(), pPart->Steps().begin(), steps.begin(),
                       std::plus<>());
        peak = std::max(peak, pPart->TruePeak());
    }
    const GatedLoudness gated = GateSteps(steps, StepFramesOf(m_format.nRate));
    return {gated.integrated, gated.range, Decibels(peak), gated.maxMomentary, gated.maxShortTerm};
}

LoudnessResult MeasureLoudness(const SampleSource& source, const WorkProgress& progress) {
    return ReadSamplesOnce(source, {.bLoudness = true}, progress).loudness;
}

LoudnessResult MeasureLoudness(const CRiffChunkModel& root, const WorkProgress& progress) {
    return MeasureLoudness(SampleSourceOf(root), progress);
}
