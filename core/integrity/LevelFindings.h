#pragma once
// What a level report tells a transfer's checker: clipping, a DC offset, dropouts and silence,
// each a finding of its own rule, one per channel, placed at the first run in the samples.

#include <vector>

#include "core/integrity/FileCheck.h"
#include "core/integrity/LevelMeter.h"

// A mean this far from 0 (-60 dBFS) is a DC offset.
inline constexpr double kDcOffsetLimit = 0.001;

std::vector<Finding> LevelFindings(const LevelReport& report);
