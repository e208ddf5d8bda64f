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

void CLoudnessPart::Add(const double* pFrames, std::size_t nFrames) {
    // A part of one channel filters silence in its second lane: one zero, read again and again.
    static constexpr double kSilence = 0;
    const auto nStride = static_cast<std::size_t>(m_format.nChannels);
    const double* pFirst = pFrames + m_nFirst;
    for (std::size_t i = 0; i < m_peaks.size(); ++i) {
        m_peaks[i].Add(pFirst + i, nStride, nFrames);
    }
    if (m_nCount == 2) {
        m_weighting.Add({pFirst, nStride}, {pFirst + 1, nStride}, nFrames);
    } else {
        m_weighting.Add({pFirst, nStride}, {&kSilence, 0}, nFrames);
    }
}

double CLoudnessPart::TruePeak() const {
    double peak = 0;
    for (const CTruePeak& channel : m_peaks) {
        peak = std::max(peak, channel.Peak());
    }
    return peak;
}
