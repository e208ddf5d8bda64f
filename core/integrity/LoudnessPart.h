#pragma once
// One or two channels of the loudness meter, taken from the interleaved frames: K-weighted
// together and their true peaks found.

#include <vector>

#include "core/integrity/KWeighting.h"
#include "core/integrity/SampleDecoder.h"
#include "core/integrity/TruePeak.h"

class CLoudnessPart {
public:
    // The channels from nFirst, nCount of them (1 or 2), with their weights.
    CLoudnessPart(const SampleFormat& format, int nFirst, int nCount, CKWeighting::Pair weights);

    void Add(const double* pFrames, std::size_t nFrames);
    const std::vector<double>& Steps() const { return m_weighting.Steps(); }
    double TruePeak() const;

private:
    SampleFormat m_format;
    int m_nFirst;
    int m_nCount;
    CKWeighting m_weighting;
    std::vector<CTruePeak> m_peaks;
};

// The frames of a step (100 ms), rounded as the loudness library rounds them.
std::size_t StepFramesOf(long nRate);
