#pragma once
// One read of a file's samples that feeds every measure asked of it: the MD5 of the bytes as
// stored, the loudness and the levels of the decoded samples. Asked together, they cost one read.

#include <optional>

#include "core/integrity/LevelMeter.h"
#include "core/integrity/LoudnessMeter.h"
#include "core/integrity/SampleChecksum.h"

struct SampleWork {
    bool bChecksum = false;
    bool bLoudness = false;
    bool bLevels = false;
};

struct LevelResult {
    std::optional<LevelReport> report;
    CString strFailure;  // when there is no report: why not
};

// Each measure asked has its value or its failure; one that cannot be taken (a format the
// decoder refuses) leaves the others to go on.
struct SamplePassResult {
    ChecksumResult checksum;
    LoudnessResult loudness;
    LevelResult levels;
};

SamplePassResult ReadSamplesOnce(const SampleSource& source, const SampleWork& work,
                                 const WorkProgress& progress);
LevelResult MeasureLevels(const SampleSource& source, const WorkProgress& progress);
