#pragma once
// The loudness figures of a programme from the weighted energy of its 100 ms steps, gated as
// BS.1770-4 and EBU Tech 3342 gate them and as the loudness library computes them: blocks of
// 400 ms every 100 ms for the integrated loudness, of 3 s every second for the range.

#include <cstddef>
#include <vector>

struct GatedLoudness {
    double integrated;    // LUFS
    double range;         // LU
    double maxMomentary;  // LUFS
    double maxShortTerm;  // LUFS
};

// steps: the channel-weighted sum of squared K-weighted samples of each whole step of
// nStepFrames frames.
GatedLoudness GateSteps(const std::vector<double>& steps, std::size_t nStepFrames);
