#pragma once
// The loudness of a file's samples as EBU R 128 and ITU-R BS.1770-4 measure it, each channel
// weighted as the standard weights the speaker its channel mask names (the LFE not counted).

#include <optional>

#include "core/integrity/SampleSource.h"
#include "core/integrity/WorkProgress.h"

class CRiffChunkModel;

struct LoudnessValues {
    double integrated;    // LUFS
    double range;         // LU
    double truePeak;      // dBTP
    double maxMomentary;  // LUFS
    double maxShortTerm;  // LUFS
};

struct LoudnessResult {
    std::optional<LoudnessValues> values;
    CString strFailure;  // when there are no values: why not
};

LoudnessResult MeasureLoudness(const SampleSource& source, const WorkProgress& progress);
LoudnessResult MeasureLoudness(const CRiffChunkModel& root, const WorkProgress& progress);
