#pragma once
// The true peak of one channel as ITU-R BS.1770-4's annex 2 finds it: the samples oversampled
// by a polyphase interpolator (four times below 96 kHz, twice below 192 kHz, not at all above),
// a windowed sinc of 49 taps, and the largest magnitude among the samples and the values between
// them. The values between samples are computed eight at a time.

#include <cstddef>
#include <vector>

class CTruePeak {
public:
    explicit CTruePeak(long nRate);

    // The channel's next samples, nStride apart; the interpolator takes them as floats.
    void Add(const double* pSamples, std::size_t nStride, std::size_t nCount);
    // Linear, 1 at full scale.
    double Peak() const { return m_peak; }

private:
    void Interpolate(std::size_t nCount);

    std::size_t m_nPhases = 0;          // of the values between two samples
    std::size_t m_nDelays = 0;          // samples each of them is computed from
    std::vector<float> m_coefficients;  // by delay, then by phase
    std::vector<float> m_history;       // the last m_nDelays samples, then the new ones
    float m_peak = 0;
};
