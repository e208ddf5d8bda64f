#pragma once
// The loudness of a file's samples as EBU R 128 and ITU-R BS.1770-4 measure it, each channel
// weighted as the standard weights the speaker its channel mask names (the LFE not counted).

#include <memory>
#include <optional>
#include <vector>

#include "core/integrity/SampleDecoder.h"
#include "core/integrity/SampleSource.h"
#include "core/integrity/WorkProgress.h"

class CRiffChunkModel;
class CLoudnessPart;

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

// The meter that a pass over the samples feeds. Its channels fall in parts of two, which share
// nothing until Values: each part may be fed on a thread of its own.
class CLoudnessMeter {
public:
    // A meter for the format; null, with why not in pWhyNot, for a format it does not take.
    static std::unique_ptr<CLoudnessMeter> Make(const SampleFormat& format, CString* pWhyNot);
    ~CLoudnessMeter();
    CLoudnessMeter(const CLoudnessMeter&) = delete;
    CLoudnessMeter& operator=(const CLoudnessMeter&) = delete;

    std::size_t Parts() const { return m_parts.size(); }
    // The next frames of the file, decoded and interleaved, into one part.
    void Add(std::size_t nPart, const double* pFrames, std::size_t nFrames);
    LoudnessValues Values() const;

private:
    explicit CLoudnessMeter(const SampleFormat& format);

    SampleFormat m_format;
    std::vector<std::unique_ptr<CLoudnessPart>> m_parts;
};

// The loudness alone; a pass that also hashes or measures levels reads the file once for all.
LoudnessResult MeasureLoudness(const SampleSource& source, const WorkProgress& progress);
LoudnessResult MeasureLoudness(const CRiffChunkModel& root, const WorkProgress& progress);
