#pragma once
// BS.1770's K-weighting of up to two channels at once, each the lane of one vector: the shelving
// pre-filter and the high-pass, as one filter of the fourth order with the loudness library's
// coefficients, and the energy of the weighted samples summed a step (100 ms) at a time.

#include <cstddef>
#include <vector>

class CKWeighting {
public:
    using Pair = double __attribute__((vector_size(16)));

    // nStepFrames: the frames of a step; weights: each lane's channel weight (0 leaves it out).
    CKWeighting(long nRate, std::size_t nStepFrames, Pair weights);

    // Where a lane's samples are: nStride apart from p.
    struct Lane {
        const double* p;
        std::size_t nStride;
    };

    // The next frames of the two lanes.
    void Add(Lane first, Lane second, std::size_t nFrames);
    // The weighted energy of every whole step so far, both lanes summed.
    const std::vector<double>& Steps() const { return m_steps; }

private:
    std::size_t Filter(Lane first, Lane second, std::size_t nFrames);

    double m_b[5];
    double m_a[5];
    Pair m_state[4] = {};  // the filter's last four inner values, latest first
    Pair m_weights;
    Pair m_stepSum = {};
    std::size_t m_nStepFrames;
    std::size_t m_nInStep = 0;
    std::vector<double> m_steps;
};
