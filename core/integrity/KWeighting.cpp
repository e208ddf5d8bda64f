#include "core/integrity/KWeighting.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#if defined(__x86_64__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <xmmintrin.h>
#endif

namespace {

struct Biquad {
    double b[3];
    double a[3];
};

// The pre-filter's shelf and the high-pass of BS.1770, for the rate, as the loudness library
// derives them from their analogue prototypes.
Biquad Shelf(long nRate) {
    const double f0 = 1681.974450955533;
    const double g = 3.999843853973347;
    const double q = 0.7071752369554196;
    const double k = std::tan(std::numbers::pi * f0 / static_cast<double>(nRate));
    const double vh = std::pow(10.0, g / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1.0 + k / q + k * k;
    return {
        {(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0},
        {1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0}};
}

Biquad HighPass(long nRate) {
    const double f0 = 38.13547087602444;
    const double q = 0.5003270373238773;
    const double k = std::tan(std::numbers::pi * f0 / static_cast<double>(nRate));
    const double d = 1.0 + k / q + k * k;
    return {{1.0, -2.0, 1.0}, {1.0, 2.0 * (k * k - 1.0) / d, (1.0 - k / q + k * k) / d}};
}

// The product of two polynomials of the second order.
void Multiply(const double* p, const double* r, double* out) {
    out[0] = p[0] * r[0];
    out[1] = p[0] * r[1] + p[1] * r[0];
    out[2] = p[0] * r[2] + p[1] * r[1] + p[2] * r[0];
    out[3] = p[1] * r[2] + p[2] * r[1];
    out[4] = p[2] * r[2];
}

// Denormal numbers, which a filter's state decays into over silence, cost a hundred times a normal
// one; the filter treats them as zero, as the loudness library does, while it runs.
class CFlushToZero {
public:
#if defined(__SSE2__)
    CFlushToZero() : m_saved(_mm_getcsr()) {
        _mm_setcsr(m_saved | 0x8040);
    }
    ~CFlushToZero() {
        _mm_setcsr(m_saved);
    }

private:
    unsigned m_saved;
#endif
};

}  // namespace

CKWeighting::CKWeighting(long nRate, std::size_t nStepFrames, Pair weights)
    : m_weights(weights), m_nStepFrames(nStepFrames) {
    const Biquad shelf = Shelf(nRate);
    const Biquad pass = HighPass(nRate);
    Multiply(shelf.b, pass.b, m_b);
    Multiply(shelf.a, pass.a, m_a);
}

void CKWeighting::Add(Lane first, Lane second, std::size_t nFrames) {
    const CFlushToZero flush;
    for (std::size_t nDone = 0; nDone < nFrames;) {
        const std::size_t nTaken = Filter(first, second, nFrames - nDone);
        first.p += nTaken * first.nStride;
        second.p += nTaken * second.nStride;
        nDone += nTaken;
        if (m_nInStep == m_nStepFrames) {
            const Pair weighted = m_stepSum * m_weights;
            m_steps.push_back(weighted[0] + weighted[1]);
            m_stepSum = Pair{};
            m_nInStep = 0;
        }
    }
#if !defined(__SSE2__)
    for (Pair& v : m_state) {
        v = std::abs(v[0]) < 1e-300 && std::abs(v[1]) < 1e-300 ? Pair{} : v;
    }
#endif
}

namespace {

// The filter's loop over both lanes: v0 = x - a1 v1 - a2 v2 - a3 v3 - a4 v4 and
// y = b0 v0 + ... + b4 v4, the energy of y summed. The term of v1 comes last, so that the next
// frame waits on one multiply and add only.
struct Lanes {
    using Pair = CKWeighting::Pair;
    Pair a[5], b[5];
    Pair v[4];  // v1 to v4
    Pair sum;
};

void FilterLanes(Lanes& lanes, CKWeighting::Lane first, CKWeighting::Lane second,
                 std::size_t nCount) {
    using Pair = CKWeighting::Pair;
    Pair v1 = lanes.v[0], v2 = lanes.v[1], v3 = lanes.v[2], v4 = lanes.v[3], sum = lanes.sum;
    const Pair* a = lanes.a;
    const Pair* b = lanes.b;
    for (std::size_t i = 0; i < nCount; ++i) {
        const Pair x = {first.p[i * first.nStride], second.p[i * second.nStride]};
        const Pair v0 = ((x - a[4] * v4) - a[3] * v3 - a[2] * v2) - a[1] * v1;
        const Pair y = b[0] * v0 + b[1] * v1 + b[2] * v2 + b[3] * v3 + b[4] * v4;
        sum += y * y;
        v4 = v3;
        v3 = v2;
        v2 = v1;
        v1 = v0;
    }
    lanes.v[0] = v1, lanes.v[1] = v2, lanes.v[2] = v3, lanes.v[3] = v4, lanes.sum = sum;
}

#if defined(__x86_64__)
// The same loop with fused multiply-adds, where the processor has them: the wait between frames
// is one fused operation.
__attribute__((target("fma"))) void FusedFilterLanes(Lanes& lanes, CKWeighting::Lane first,
                                                     CKWeighting::Lane second, std::size_t nCount) {
    __m128d v1 = lanes.v[0], v2 = lanes.v[1], v3 = lanes.v[2], v4 = lanes.v[3], sum = lanes.sum;
    const __m128d a1 = lanes.a[1], a2 = lanes.a[2], a3 = lanes.a[3], a4 = lanes.a[4];
    const __m128d b0 = lanes.b[0], b1 = lanes.b[1], b2 = lanes.b[2], b3 = lanes.b[3],
                  b4 = lanes.b[4];
    for (std::size_t i = 0; i < nCount; ++i) {
        const __m128d x = _mm_set_pd(second.p[i * second.nStride], first.p[i * first.nStride]);
        const __m128d t = _mm_fnmadd_pd(a2, v2, _mm_fnmadd_pd(a3, v3, _mm_fnmadd_pd(a4, v4, x)));
        const __m128d v0 = _mm_fnmadd_pd(a1, v1, t);
        const __m128d y = _mm_fmadd_pd(
            b0, v0,
            _mm_fmadd_pd(b1, v1, _mm_fmadd_pd(b2, v2, _mm_fmadd_pd(b3, v3, _mm_mul_pd(b4, v4)))));
        sum = _mm_fmadd_pd(y, y, sum);
        v4 = v3;
        v3 = v2;
        v2 = v1;
        v1 = v0;
    }
    lanes.v[0] = v1, lanes.v[1] = v2, lanes.v[2] = v3, lanes.v[3] = v4, lanes.sum = sum;
}

bool HasFusedUnits() {
    static const bool bFused = __builtin_cpu_supports("fma");
    return bFused;
}
#endif

}  // namespace

// Filters up to the end of the step; returns the frames taken.
std::size_t CKWeighting::Filter(Lane first, Lane second, std::size_t nFrames) {
    const std::size_t nCount = std::min(nFrames, m_nStepFrames - m_nInStep);
    Lanes lanes;
    for (std::size_t k = 0; k < 5; ++k) {
        lanes.a[k] = Pair{m_a[k], m_a[k]};
        lanes.b[k] = Pair{m_b[k], m_b[k]};
    }
    std::copy(std::begin(m_state), std::end(m_state), lanes.v);
    lanes.sum = m_stepSum;
#if defined(__x86_64__)
    if (HasFusedUnits()) {
        FusedFilterLanes(lanes, first, second, nCount);
    } else {
        FilterLanes(lanes, first, second, nCount);
    }
#else
    FilterLanes(lanes, first, second, nCount);
#endif
    std::copy(std::begin(lanes.v), std::end(lanes.v), m_state);
    m_stepSum = lanes.sum;
    m_nInStep += nCount;
    return nCount;
}
