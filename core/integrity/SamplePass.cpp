#include "core/integrity/SamplePass.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/integrity/BlockPass.h"
#include "core/io/Mmio.h"

namespace {

// The loudness meter's parts are spread over this many threads at most.
constexpr std::size_t kMostLoudnessThreads = 4;

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
    if (work.bLoudness) {
        measures.loudness = CLoudnessMeter::Make(*measures.format, &strWhyNot);
        result.loudness.strFailure = measures.loudness ? CString() : strWhyNot;
    }
    if (work.bLevels) {
        measures.levels.emplace(*measures.format, source.nSize / measures.format->nBlockAlign);
    }
}

// The loudness meter's parts dealt out to threads, one part in every nThreads to each.
void AddLoudnessTakers(Measures& measures, std::vector<BlockTaker>& takers) {
    const std::size_t nParts = measures.loudness->Parts();
    const std::size_t nThreads = std::min(nParts, kMostLoudnessThreads);
    for (std::size_t nThread = 0; nThread < nThreads; ++nThread) {
        takers.push_back([&measures, nThread, nThreads, nParts](const ByteBlock& block) {
            for (std::size_t nPart = nThread; nPart < nParts; nPart += nThreads) {
                measures.loudness->Add(nPart, block.samples.data(), block.nFrames);
            }
        });
    }
}

// Each measure on a thread of its own: the MD5 of the bytes, the levels of the decoded samples
// and the loudness of its parts.
std::vector<BlockTaker> TakersOf(Measures& measures) {
    std::vector<BlockTaker> takers;
    if (measures.md5) {
        takers.push_back([&measures](const ByteBlock& block) {
            measures.md5->Add(block.bytes.data(), block.nBytes);
        });
    }
    if (measures.levels) {
        takers.push_back([&measures](const ByteBlock& block) {
            measures.levels->Add(block.samples.data(), block.nFrames);
        });
    }
    if (measures.loudness) {
        AddLoudnessTakers(measures, takers);
    }
    return takers;
}

// The samples decoded once, by the reader, for every measure that takes them.
BlockReadying DecodingFor(const Measures& measures) {
    if (!measures.levels && !measures.loudness) {
        return {};
    }
    return [format = *measures.format](ByteBlock& block) {
        block.nFrames = block.nBytes / static_cast<std::size_t>(format.nBlockAlign);
        // Grown once: the blocks are all of one size but the last.
        const std::size_t nCount = block.nFrames * static_cast<std::size_t>(format.nChannels);
        block.samples.resize(std::max(block.samples.size(), nCount));
        DecodeFrames(format, block.bytes.data(), block.nFrames, block.samples.data());
    };
}

// Reads the samples through every measure; empty when read to the end, else why not.
CString ReadThrough(const SampleSource& source, Measures& measures, const WorkProgress& progress) {
    CReader reader(source.strPath);
    if (!reader.Handle()) {
        return "couldn't open " + source.strPath;
    }
    const std::size_t nUnit =
        measures.format ? static_cast<std::size_t>(measures.format->nBlockAlign) : 1;
    return PassBlocks(reader.Handle(), source.nOffset, source.nSize, nUnit, TakersOf(measures),
                      DecodingFor(measures), progress);
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
