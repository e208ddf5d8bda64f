#include "core/integrity/SamplePass.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/io/Mmio.h"

namespace {

constexpr std::size_t kPassBytes = 1 << 20;

// The measures a pass feeds; each is absent when not asked or when it could not start.
struct Measures {
    std::optional<CMd5> md5;
    std::unique_ptr<CLoudnessMeter> loudness;
    std::optional<CLevelMeter> levels;
    std::optional<SampleFormat> format;  // when samples are decoded

    bool Any() const { return md5 || loudness || levels; }
};

class CReader {
public:
    explicit CReader(const CString& strPath)
        : m_hmmio(mmioOpen(strPath.c_str(), nullptr, MMIO_READ | MMIO_DENYNONE)) {}
    ~CReader() {
        if (m_hmmio) {
            mmioClose(m_hmmio, 0);
        }
    }
    CReader(const CReader&) = delete;
    CReader& operator=(const CReader&) = delete;
    HMMIO Handle() const { return m_hmmio; }

private:
    HMMIO m_hmmio;
};

// Marks every measure that was running as failed for the one reason.
void FailAll(const Measures& measures, SamplePassResult& result, const CString& strWhy) {
    if (measures.md5) {
        result.checksum.strFailure = strWhy;
    }
    if (measures.loudness) {
        result.loudness.strFailure = strWhy;
    }
    if (measures.levels) {
        result.levels.strFailure = strWhy;
    }
}

// Gives each asked measure that cannot be taken the reason.
void Refuse(bool bLoudness, bool bLevels, SamplePassResult& result, const CString& strWhy) {
    if (bLoudness) {
        result.loudness.strFailure = strWhy;
    }
    if (bLevels) {
        result.levels.strFailure = strWhy;
    }
}

void StartDecoded(const SampleSource& source, const SampleWork& work, Measures& measures,
                  SamplePassResult& result) {
    CString strWhyNot = "the file has no fmt chunk";
    if (source.bHasFormat) {
        measures.format = DecodableFormat(source.format, &strWhyNot);
    }
    if (!measures.format) {
        Refuse(work.bLoudness, work.bLevels, result, strWhyNot);
        return;
    }
    const std::int64_t nFrames = source.nSize / measures.format->nBlockAlign;
    if (work.bLoudness) {
        measures.loudness = CLoudnessMeter::Make(*measures.format, nFrames, &strWhyNot);
        result.loudness.strFailure = measures.loudness ? CString() : strWhyNot;
    }
    if (work.bLevels) {
        measures.levels.emplace(*measures.format, nFrames);
    }
}

// Whole loudness steps fit in a pass, so that each step is fed whole.
std::size_t PassBytes(const Measures& measures) {
    if (!measures.format) {
        return kPassBytes;
    }
    const std::size_t nStep = static_cast<std::size_t>(measures.format->nBlockAlign) *
                              (measures.loudness ? measures.loudness->StepFrames() : 1);
    return nStep * std::max<std::size_t>(1, kPassBytes / nStep);
}

void Feed(Measures& measures, const BYTE* pBytes, std::size_t nBytes,
          std::vector<double>& samples) {
    if (measures.md5) {
        measures.md5->Add(pBytes, nBytes);
    }
    if (!measures.format || !(measures.loudness || measures.levels)) {
        return;
    }
    const std::size_t nFrames = nBytes / static_cast<std::size_t>(measures.format->nBlockAlign);
    const std::size_t nChannels = static_cast<std::size_t>(measures.format->nChannels);
    samples.clear();
    DecodeFrames(*measures.format, pBytes, nFrames, samples);
    if (measures.loudness) {
        const std::size_t nStep = measures.loudness->StepFrames();
        for (std::size_t nAt = 0; nAt < nFrames; nAt += nStep) {
            measures.loudness->AddStep(samples.data() + nAt * nChannels,
                                       std::min(nStep, nFrames - nAt));
        }
    }
    if (measures.levels) {
        measures.levels->Add(samples.data(), nFrames);
    }
}

// Reads the samples through every measure; empty when read to the end, else why not.
CString ReadThrough(const SampleSource& source, Measures& measures, const WorkProgress& progress) {
    CReader reader(source.strPath);
    if (!reader.Handle()) {
        return "couldn't open " + source.strPath;
    }
    if (mmioSeek(reader.Handle(), source.nOffset, SEEK_FROM_START) != source.nOffset) {
        return "couldn't read the samples at offset " + std::to_string(source.nOffset);
    }
    std::vector<BYTE> bytes(PassBytes(measures));
    std::vector<double> samples;
    for (std::int64_t nDone = 0; nDone < source.nSize;) {
        const auto nWant =
            static_cast<LONG>(std::min<std::int64_t>(source.nSize - nDone, bytes.size()));
        const LONG nGot = mmioRead(reader.Handle(), reinterpret_cast<char*>(bytes.data()), nWant);
        if (nGot < 0) {
            return "couldn't read the samples at offset " + std::to_string(source.nOffset + nDone);
        }
        if (nGot == 0) {
            break;
        }
        Feed(measures, bytes.data(), static_cast<std::size_t>(nGot), samples);
        nDone += nGot;
        if (progress && !progress(nDone, source.nSize)) {
            return kCancelled;
        }
    }
    return CString();
}

void Conclude(const SampleSource& source, Measures& measures, SamplePassResult& result) {
    if (measures.md5) {
        result.checksum.digest = measures.md5->Digest();
    }
    if (measures.loudness) {
        result.loudness.values = measures.loudness->Values();
    }
    if (measures.levels) {
        result.levels.report = measures.levels->Finish();
        result.levels.report->nSampleOffset = source.nOffset;
    }
}

}  // namespace

SamplePassResult ReadSamplesOnce(const SampleSource& source, const SampleWork& work,
                                 const WorkProgress& progress) {
    SamplePassResult result;
    Measures measures;
    if (work.bChecksum) {
        measures.md5.emplace();
    }
    if (!source.bHasData) {
        FailAll(measures, result, "the file has no data chunk");
        Refuse(work.bLoudness, work.bLevels, result,
               source.bHasFormat ? "the file has no data chunk" : "the file has no fmt chunk");
        return result;
    }
    if (work.bLoudness || work.bLevels) {
        StartDecoded(source, work, measures, result);
    }
    if (!measures.Any()) {
        return result;
    }
    if (CString strFailure = ReadThrough(source, measures, progress); !strFailure.empty()) {
        FailAll(measures, result, strFailure);
        return result;
    }
    Conclude(source, measures, result);
    return result;
}

LevelResult MeasureLevels(const SampleSource& source, const WorkProgress& progress) {
    return ReadSamplesOnce(source, {.bLevels = true}, progress).levels;
}
