#include "core/integrity/LoudnessPart.h"

#include <algorithm>

std::size_t StepFramesOf(long nRate) {
    return static_cast<std::size_t>((nRate + 5) / 10);
}

CLoudnessPart::CLoudnessPart(const SampleFormat& format, int nFirst, int nCount,
                             CKWeighting::Pair weights)
    : m_format(format),
      m_nFirst(nFirst),
      m_nCount(nCount),
      m_weighting(format.nRate, StepFramesOf(format.nRate), weights),
      m_peaks(static_cast<std::size_t>(nCount), CTruePeak(format.nRate)) {}

void CLoudnessPart::Add(const BYTE* pFrames, std::size_t nFrames) {
    // A part of one channel filters silence in its second lane.
    m_samples[1].resize(nFrames);
    m_samples[0].resize(nFrames);
    for (int i = 0; i < m_nCount; ++i) {
        std::vector<double>& samples = m_samples[static_cast<std::size_t>(i)];
        DecodeChannel(m_format, pFrames, nFrames, m_nFirst + i, samples.data());
        m_peaks[static_cast<std::size_t>(i)].Add(samples.data(), nFrames);
    }
    m_weighting.Add(m_samples[0].data(), m_samples[1].data(), nFrames);
}

double CLoudnessPart::TruePeak() const {
    double peak = 0;
    for (const CTruePeak& channel : m_peaks) {
        peak = std::max(peak, channel.Peak());
    }
    return peak;
}
