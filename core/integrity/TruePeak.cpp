#include "core/integrity/TruePeak.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

constexpr int kTaps = 49;
// A coefficient this small counts as none, as the loudness library's interpolator counts it.
constexpr double kNone = 0.000001;
// The shapes of the two interpolators: three phases of 12 delays at four times, one of 24 at twice.
constexpr std::size_t kQuadruplePhases = 3;
constexpr std::size_t kQuadrupleDelays = 12;
constexpr std::size_t kDoubleDelays = 24;

int FactorFor(long nRate) {
    return nRate < 96000 ? 4 : nRate < 192000 ? 2 : 1;
}

// The windowed sinc's tap j, or 0 where it counts as none.
double Tap(int j, int nFactor) {
    const double m = j - (kTaps - 1) / 2.0;
    double c = 1.0;
    if (std::abs(m) > kNone) {
        const double x = m * std::numbers::pi / nFactor;
        c = std::sin(x) / x;
    }
    c *= 0.5 * (1 - std::cos(2 * std::numbers::pi * j / (kTaps - 1)));
    return std::abs(c) > kNone ? c : 0.0;
}

// The peak of the samples and of the values between them: the value of phase p before sample i is
// the sum over delays d of coefficient[d][p] times x[i - d]. The shapes are fixed, so that the sums
// stay in registers.
template <std::size_t kPhases, std::size_t kDelays>
float ScalarPeak(const float* pX, std::size_t nFrom, std::size_t nTo, const float* pCoefficients,
                 float peak) {
    for (std::size_t i = nFrom; i < nTo; ++i) {
        peak = std::max(peak, std::abs(pX[i]));
        float acc[kPhases] = {};
        for (std::size_t d = 0; d < kDelays; ++d) {
            for (std::size_t p = 0; p < kPhases; ++p) {
                acc[p] += pCoefficients[d * kPhases + p] *
                          pX[static_cast<std::ptrdiff_t>(i) - static_cast<std::ptrdiff_t>(d)];
            }
        }
        for (const float value : acc) {
            peak = std::max(peak, std::abs(value));
        }
    }
    return peak;
}

#if defined(__x86_64__)
template <std::size_t kPhases, std::size_t kDelays>
__attribute__((target("avx2,fma"))) float WidePeak(const float* pX, std::size_t nCount,
                                                   const float* pCoefficients, float peak) {
    const __m256 magnitude = _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF));
    __m256 widest = _mm256_setzero_ps();
    std::size_t i = 0;
    for (; i + 8 <= nCount; i += 8) {
        __m256 acc[kPhases];
#pragma GCC unroll 3
        for (std::size_t p = 0; p < kPhases; ++p) {
            acc[p] = _mm256_setzero_ps();
        }
#pragma GCC unroll 24
        for (std::size_t d = 0; d < kDelays; ++d) {
            const __m256 x = _mm256_loadu_ps(pX + i - d);
#pragma GCC unroll 3
            for (std::size_t p = 0; p < kPhases; ++p) {
                acc[p] = _mm256_fmadd_ps(_mm256_broadcast_ss(pCoefficients + d * kPhases + p), x,
                                         acc[p]);
            }
        }
        widest = _mm256_max_ps(widest, _mm256_and_ps(_mm256_loadu_ps(pX + i), magnitude));
#pragma GCC unroll 3
        for (std::size_t p = 0; p < kPhases; ++p) {
            widest = _mm256_max_ps(widest, _mm256_and_ps(acc[p], magnitude));
        }
    }
    alignas(32) float lanes[8];
    _mm256_store_ps(lanes, widest);
    peak = std::max(peak, *std::max_element(lanes, lanes + 8));
    return ScalarPeak<kPhases, kDelays>(pX, i, nCount, pCoefficients, peak);
}

bool HasWideUnits() {
    static const bool bWide = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return bWide;
}
#endif

template <std::size_t kPhases, std::size_t kDelays>
float PeakBetween(const float* pX, std::size_t nCount, const float* pCoefficients, float peak) {
#if defined(__x86_64__)
    if (HasWideUnits()) {
        return WidePeak<kPhases, kDelays>(pX, nCount, pCoefficients, peak);
    }
#endif
    return ScalarPeak<kPhases, kDelays>(pX, 0, nCount, pCoefficients, peak);
}

// The largest magnitude among the samples.
float SamplePeak(const float* pSamples, std::size_t nCount, float peak) {
    for (std::size_t i = 0; i < nCount; ++i) {
        peak = std::max(peak, std::abs(pSamples[i]));
    }
    return peak;
}

}  // namespace

CTruePeak::CTruePeak(long nRate) {
    const int nFactor = FactorFor(nRate);
    if (nFactor == 1) {
        return;
    }
    // Phase 0 holds the sample itself (its one coefficient is 1), which the sample peak covers.
    m_nPhases = static_cast<std::size_t>(nFactor - 1);
    // The last tap of a phase past 0 is tap 47 (taps 0 and 48 are 0 under the window).
    m_nDelays = static_cast<std::size_t>((kTaps - 2) / nFactor + 1);
    m_coefficients.assign(m_nDelays * m_nPhases, 0.0f);
    for (int j = 0; j < kTaps; ++j) {
        const auto nPhase = static_cast<std::size_t>(j % nFactor);
        const auto nDelay = static_cast<std::size_t>(j / nFactor);
        if (nPhase > 0 && nDelay < m_nDelays) {
            m_coefficients[nDelay * m_nPhases + nPhase - 1] = static_cast<float>(Tap(j, nFactor));
        }
    }
    m_history.assign(m_nDelays - 1, 0.0f);
}

void CTruePeak::Add(const double* pSamples, std::size_t nStride, std::size_t nCount) {
    const std::size_t nKept = m_nPhases == 0 ? 0 : m_nDelays - 1;
    m_history.resize(nKept + nCount);
    float* pTo = m_history.data() + nKept;
    for (std::size_t i = 0; i < nCount; ++i) {
        pTo[i] = static_cast<float>(pSamples[i * nStride]);
    }
    if (m_nPhases == 0) {
        m_peak = SamplePeak(m_history.data(), nCount, m_peak);
        return;
    }
    Interpolate(nCount);
    std::copy(m_history.end() - static_cast<std::ptrdiff_t>(nKept), m_history.end(),
              m_history.begin());
}

void CTruePeak::Interpolate(std::size_t nCount) {
    const float* pX = m_history.data() + m_nDelays - 1;
    m_peak = m_nPhases == kQuadruplePhases
                 ? PeakBetween<kQuadruplePhases, kQuadrupleDelays>(pX, nCount,
                                                                   m_coefficients.data(), m_peak)
                 : PeakBetween<1, kDoubleDelays>(pX, nCount, m_coefficients.data(), m_peak);
}
