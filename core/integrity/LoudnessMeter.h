#pragma once
// The loudness of a file's samples as EBU R 128 and ITU-R BS.1770-4 measure it, each channel
// weighted as the standard weights the speaker its channel mask names (the LFE not counted).

#include <memory>
#include <optional>

#include "core/integrity/SampleDecoder.h"
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

// The meter that a pass over the samples feeds, one step (a tenth of a second) at a time: the step
// at which momentary and short-term loudness are updated.
class CLoudnessMeter {
public:
    // A meter for nFrames frames of the format; null, with why not in pWhyNot, for a format it
    // does not take.
    static std::unique_ptr<CLoudnessMeter> Make(const SampleFormat& format, std::int64_t nFrames,
                                                CString* pWhyNot);
    ~CLoudnessMeter();
    CLoudnessMeter(const CLoudnessMeter&) = delete;
    CLoudnessMeter& operator=(const CLoudnessMeter&) = delete;

    std::size_t StepFrames() const { return m_nStepFrames; }
    // Interleaved samples of one step, or of fewer frames at the end.
    void AddStep(const double* pSamples, std::size_t nFrames);
    LoudnessValues Values() const;

private:
    struct State;
    CLoudnessMeter(std::unique_ptr<State> pState, const SampleFormat& format);

    std::unique_ptr<State> m_pState;
    SampleFormat m_format;
    std::size_t m_nStepFrames;
};

// The loudness alone; a pass that also hashes or measures levels reads the file once for all.
LoudnessResult MeasureLoudness(const SampleSource& source, const WorkProgress& progress);
LoudnessResult MeasureLoudness(const CRiffChunkModel& root, const WorkProgress& progress);
