// The one file that names the loudness library.
#include "core/integrity/LoudnessMeter.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>
#include <memory>
#include <vector>

#include "core/integrity/SampleDecoder.h"
#include "core/io/Mmio.h"

namespace {

constexpr double kSilence = -std::numeric_limits<double>::infinity();
constexpr DWORD kLowFrequency = 0x8;
constexpr DWORD kSurround = 0x10 | 0x20 | 0x200 | 0x400;  // back and side left and right
// The meter holds 3 s of every channel as doubles: a header claiming 64 channels at 2.8 MHz would
// have it ask for 4 GiB. 32 channels at 192 kHz (150 MiB) is the most it takes.
constexpr std::int64_t kMostSamplesPerSecond = 32 * 192000;

struct StateDeleter {
    void operator()(ebur128_state* pState) const { ebur128_destroy(&pState); }
};
using State = std::unique_ptr<ebur128_state, StateDeleter>;

// The speaker of each channel: the mask's bits in order, or for a format without a mask the
// order of the bits themselves, as a plain file's channels are taken to be.
DWORD SpeakerOf(const SampleFormat& format, int nChannel) {
    if (format.dwChannelMask == 0) {
        return format.nChannels <= 2 ? 1 : DWORD{1} << nChannel;
    }
    int nSeen = 0;
    for (int nBit = 0; nBit < 32; ++nBit) {
        if ((format.dwChannelMask >> nBit & 1) && nSeen++ == nChannel) {
            return DWORD{1} << nBit;
        }
    }
    return 0;
}

void SetWeights(ebur128_state* pState, const SampleFormat& format) {
    for (int i = 0; i < format.nChannels; ++i) {
        const DWORD dwSpeaker = SpeakerOf(format, i);
        int nChannel = EBUR128_CENTER;
        if (dwSpeaker == kLowFrequency || dwSpeaker == 0) {
            nChannel = EBUR128_UNUSED;
        } else if (dwSpeaker & kSurround) {
            nChannel = EBUR128_LEFT_SURROUND;
        }
        ebur128_set_channel(pState, static_cast<unsigned>(i), nChannel);
    }
}

// The momentary (400 ms) and short-term (3 s) loudness, kept from the weighted energy of each
// 100 ms block: the mean of the last 4 or 30 blocks is the energy of the longer window, so that a
// step costs a 100 ms window instead of a 3 s one.
class CMaxima {
public:
    void AddBlock(double dBlockLoudness) {
        m_blocks.push_back(
            std::isfinite(dBlockLoudness) ? std::pow(10.0, (dBlockLoudness + kOffset) / 10) : 0.0);
        if (m_blocks.size() > kShortTermBlocks) {
            m_blocks.pop_front();
        }
        if (m_blocks.size() >= kMomentaryBlocks) {
            momentary = std::max(momentary, LoudnessOf(kMomentaryBlocks));
        }
        if (m_blocks.size() == kShortTermBlocks) {
            shortTerm = std::max(shortTerm, LoudnessOf(kShortTermBlocks));
        }
    }

    double momentary = kSilence;
    double shortTerm = kSilence;

private:
    static constexpr double kOffset =
        0.691;  // BS.1770's constant, as the block's loudness holds it
    static constexpr std::size_t kMomentaryBlocks = 4;
    static constexpr std::size_t kShortTermBlocks = 30;

    double LoudnessOf(std::size_t nBlocks) const {
        double dEnergy = 0;
        for (auto it = m_blocks.end() - static_cast<std::ptrdiff_t>(nBlocks); it != m_blocks.end();
             ++it) {
            dEnergy += *it;
        }
        dEnergy /= static_cast<double>(nBlocks);
        return dEnergy > 0 ? 10 * std::log10(dEnergy) - kOffset : kSilence;
    }

    std::deque<double> m_blocks;
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

// Feeds the samples 100 ms at a time, the step at which momentary and short-term loudness are
// updated, keeping the largest of each.
CString Feed(ebur128_state* pState, const SampleFormat& format, HMMIO hmmio, std::int64_t nSize,
             const WorkProgress& progress, CMaxima& maxima) {
    const std::size_t nStepFrames = static_cast<std::size_t>(std::max(1L, format.nRate / 10));
    std::vector<BYTE> bytes(nStepFrames * static_cast<std::size_t>(format.nBlockAlign));
    std::vector<double> samples;
    for (std::int64_t nDone = 0; nDone < nSize;) {
        const auto nWant = static_cast<LONG>(std::min<std::int64_t>(nSize - nDone, bytes.size()));
        const LONG nGot = mmioRead(hmmio, reinterpret_cast<char*>(bytes.data()), nWant);
        if (nGot <= 0) {
            return nGot < 0 ? "couldn't read the samples" : CString();
        }
        nDone += nGot;
        const std::size_t nFrames = static_cast<std::size_t>(nGot) / format.nBlockAlign;
        samples.clear();
        DecodeFrames(format, bytes.data(), nFrames, samples);
        ebur128_add_frames_double(pState, samples.data(), nFrames);
        double dBlock;
        if (nFrames == nStepFrames && ebur128_loudness_window(pState, 100, &dBlock) == 0) {
            maxima.AddBlock(dBlock);
        }
        if (progress && !progress(nDone, nSize)) {
            return kCancelled;
        }
    }
    return CString();
}

double TruePeak(ebur128_state* pState, int nChannels) {
    double dPeak = 0;
    for (int i = 0; i < nChannels; ++i) {
        double dChannel = 0;
        if (ebur128_true_peak(pState, static_cast<unsigned>(i), &dChannel) == 0) {
            dPeak = std::max(dPeak, dChannel);
        }
    }
    return dPeak > 0 ? 20 * std::log10(dPeak) : kSilence;
}

CString TooManySamples(const SampleFormat& format) {
    const std::int64_t nRate = std::int64_t{format.nChannels} * format.nRate;
    if (nRate <= kMostSamplesPerSecond) {
        return {};
    }
    return "the loudness meter takes at most " + std::to_string(kMostSamplesPerSecond) +
           " samples a second (channels times rate); this format gives " + std::to_string(nRate);
}

// The range needs the 3 s window, which the meter then holds for every channel; with less audio
// than that the range is 0 either way, and the meter holds 400 ms.
int MeterMode(const SampleSource& source, const SampleFormat& format) {
    const std::int64_t nFrames = source.nSize / std::max<std::int64_t>(format.nBlockAlign, 1);
    const int nRange = nFrames > std::int64_t{3} * format.nRate ? EBUR128_MODE_LRA : 0;
    return EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK | nRange;
}

}  // namespace

LoudnessResult MeasureLoudness(const SampleSource& source, const WorkProgress& progress) {
    if (!source.bHasFormat || !source.bHasData) {
        return {std::nullopt,
                source.bHasFormat ? "the file has no data chunk" : "the file has no fmt chunk"};
    }
    CString strWhyNot;
    const std::optional<SampleFormat> format = DecodableFormat(source.format, &strWhyNot);
    if (!format) {
        return {std::nullopt, strWhyNot};
    }
    if (CString strTooMany = TooManySamples(*format); !strTooMany.empty()) {
        return {std::nullopt, strTooMany};
    }
    State state(ebur128_init(static_cast<unsigned>(format->nChannels),
                             static_cast<unsigned long>(format->nRate),
                             MeterMode(source, *format)));
    CReader reader(source.strPath);
    if (!state || !reader.Handle()) {
        return {std::nullopt, state ? "couldn't open " + source.strPath
                                    : CString("the loudness meter takes no such format")};
    }
    SetWeights(state.get(), *format);
    if (mmioSeek(reader.Handle(), source.nOffset, SEEK_FROM_START) != source.nOffset) {
        return {std::nullopt,
                "couldn't read the samples at offset " + std::to_string(source.nOffset)};
    }
    CMaxima maxima;
    const CString strFailure =
        Feed(state.get(), *format, reader.Handle(), source.nSize, progress, maxima);
    if (!strFailure.empty()) {
        return {std::nullopt, strFailure};
    }
    LoudnessValues values{kSilence, 0, TruePeak(state.get(), format->nChannels), maxima.momentary,
                          maxima.shortTerm};
    ebur128_loudness_global(state.get(), &values.integrated);
    ebur128_loudness_range(state.get(), &values.range);
    return {values, CString()};
}

LoudnessResult MeasureLoudness(const CRiffChunkModel& root, const WorkProgress& progress) {
    return MeasureLoudness(SampleSourceOf(root), progress);
}
