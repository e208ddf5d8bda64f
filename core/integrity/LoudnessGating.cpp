#include "core/integrity/LoudnessGating.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr double kSilence = -std::numeric_limits<double>::infinity();
constexpr std::size_t kMomentarySteps = 4;
constexpr std::size_t kShortTermSteps = 30;
constexpr std::size_t kShortTermHop = 10;
// The absolute gate, -70 LUFS, as an energy.
const double kAbsoluteGate = std::pow(10.0, (-70.0 + 0.691) / 10.0);

double LoudnessOf(double energy) {
    return 10 * std::log10(energy) - 0.691;
}

// The mean energy of the window of nSteps steps from nFirst.
double WindowEnergy(const std::vector<double>& steps, std::size_t nFirst, std::size_t nSteps,
                    std::size_t nStepFrames) {
    const auto first = steps.begin() + static_cast<std::ptrdiff_t>(nFirst);
    const double sum = std::accumulate(first, first + static_cast<std::ptrdiff_t>(nSteps), 0.0);
    return sum / static_cast<double>(nSteps * nStepFrames);
}

// The energies of the windows of nSteps steps every nHop steps that pass the absolute gate.
std::vector<double> GatedWindows(const std::vector<double>& steps, std::size_t nSteps,
                                 std::size_t nHop, std::size_t nStepFrames) {
    std::vector<double> energies;
    for (std::size_t i = 0; i + nSteps <= steps.size(); i += nHop) {
        if (const double energy = WindowEnergy(steps, i, nSteps, nStepFrames);
            energy >= kAbsoluteGate) {
            energies.push_back(energy);
        }
    }
    return energies;
}

double Mean(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

double Integrated(const std::vector<double>& blocks) {
    if (blocks.empty()) {
        return kSilence;
    }
    const double relativeGate = Mean(blocks) * std::pow(10.0, -10.0 / 10.0);
    double sum = 0;
    std::size_t nAbove = 0;
    for (const double energy : blocks) {
        if (energy >= relativeGate) {
            sum += energy;
            ++nAbove;
        }
    }
    return nAbove > 0 ? LoudnessOf(sum / static_cast<double>(nAbove)) : kSilence;
}

// EBU Tech 3342: the spread between the 10th and the 95th percentile of the short-term
// loudness above a relative gate 20 LU under their mean.
double Range(std::vector<double> windows) {
    if (windows.empty()) {
        return 0;
    }
    std::sort(windows.begin(), windows.end());
    const double relativeGate = Mean(windows) * std::pow(10.0, -20.0 / 10.0);
    const auto first = std::lower_bound(windows.begin(), windows.end(), relativeGate);
    const auto nKept = static_cast<std::size_t>(windows.end() - first);
    if (nKept == 0) {
        return 0;
    }
    const auto at = [&](double fraction) {
        return *(first +
                 static_cast<std::ptrdiff_t>(static_cast<double>(nKept - 1) * fraction + 0.5));
    };
    return LoudnessOf(at(0.95)) - LoudnessOf(at(0.1));
}

// The loudest window of nSteps steps, one ending at every step.
double Loudest(const std::vector<double>& steps, std::size_t nSteps, std::size_t nStepFrames) {
    double loudest = kSilence;
    for (std::size_t i = 0; i + nSteps <= steps.size(); ++i) {
        const double energy = WindowEnergy(steps, i, nSteps, nStepFrames);
        loudest = energy > 0 ? std::max(loudest, LoudnessOf(energy)) : loudest;
    }
    return loudest;
}

}  // namespace

GatedLoudness GateSteps(const std::vector<double>& steps, std::size_t nStepFrames) {
    return {Integrated(GatedWindows(steps, kMomentarySteps, 1, nStepFrames)),
            Range(GatedWindows(steps, kShortTermSteps, kShortTermHop, nStepFrames)),
            Loudest(steps, kMomentarySteps, nStepFrames),
            Loudest(steps, kShortTermSteps, nStepFrames)};
}
