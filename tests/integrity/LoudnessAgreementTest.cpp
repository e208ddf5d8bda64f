// The loudness meter against the loudness library's own figures on the same samples: integrated
// loudness, loudness range and true peak within 0.05 LU and 0.05 dB, on generated signals and on
// the files from the field (OVALIS_REAL_FILES).

#include <ebur128.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <random>

#include "RiffWriter.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/integrity/LoudnessMeter.h"

using namespace testfiles;

namespace {

constexpr double kTolerance = 0.05;

struct Figures {
    double integrated, range, truePeak;
};

// The library's channel for a speaker of the mask: the front three weigh 1, the surrounds 1.41
// (BS.1770's table), the LFE nothing.
int LibraryChannel(std::uint32_t dwSpeaker) {
    if (dwSpeaker == 0x8 || dwSpeaker == 0) {
        return EBUR128_UNUSED;
    }
    return dwSpeaker & (0x10 | 0x20 | 0x200 | 0x400) ? EBUR128_LEFT_SURROUND : EBUR128_CENTER;
}

// The speakers of a file's channels: the mask's bits in order; without a mask, one or two
// channels are fronts and more take the bits of their numbers.
std::vector<int> LibraryChannels(const SampleFormat& format) {
    std::vector<int> channels;
    for (int c = 0, nBit = 0; c < format.nChannels; ++c) {
        if (format.dwChannelMask == 0) {
            channels.push_back(LibraryChannel(format.nChannels <= 2 ? 1 : 1u << c));
            continue;
        }
        while (nBit < 32 && !(format.dwChannelMask >> nBit & 1)) {
            ++nBit;
        }
        channels.push_back(LibraryChannel(nBit < 32 ? 1u << nBit++ : 0));
    }
    return channels;
}

std::vector<BYTE> SampleBytes(const SampleSource& source) {
    std::ifstream in(source.strPath, std::ios::binary);
    in.seekg(source.nOffset);
    std::vector<BYTE> bytes(static_cast<std::size_t>(source.nSize));
    in.read(reinterpret_cast<char*>(bytes.data()), source.nSize);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

double Decibels(double value) {
    return value > 0 ? 20 * std::log10(value) : -HUGE_VAL;
}

// The library's figures for the file's samples, fed 100 ms at a time.
std::optional<Figures> LibraryFigures(const SampleSource& source) {
    CString strWhyNot;
    const std::optional<SampleFormat> format = DecodableFormat(source.format, &strWhyNot);
    if (!format) {
        return std::nullopt;
    }
    std::vector<double> samples;
    const std::vector<BYTE> bytes = SampleBytes(source);
    const std::size_t nFrames = bytes.size() / static_cast<std::size_t>(format->nBlockAlign);
    DecodeFrames(*format, bytes.data(), nFrames, samples);
    ebur128_state* pState = ebur128_init(
        static_cast<unsigned>(format->nChannels), static_cast<unsigned long>(format->nRate),
        EBUR128_MODE_I | EBUR128_MODE_LRA | EBUR128_MODE_TRUE_PEAK);
    const std::vector<int> channels = LibraryChannels(*format);
    for (std::size_t c = 0; c < channels.size(); ++c) {
        ebur128_set_channel(pState, static_cast<unsigned>(c), channels[c]);
    }
    const std::size_t nStep = static_cast<std::size_t>(std::max(1L, format->nRate / 10));
    for (std::size_t f = 0; f < nFrames; f += nStep) {
        ebur128_add_frames_double(pState, samples.data() + f * channels.size(),
                                  std::min(nStep, nFrames - f));
    }
    Figures figures{};
    ebur128_loudness_global(pState, &figures.integrated);
    ebur128_loudness_range(pState, &figures.range);
    double peak = 0;
    for (std::size_t c = 0; c < channels.size(); ++c) {
        double channel = 0;
        ebur128_true_peak(pState, static_cast<unsigned>(c), &channel);
        peak = std::max(peak, channel);
    }
    figures.truePeak = Decibels(peak);
    ebur128_destroy(&pState);
    return figures;
}

// Equal within the tolerance, or both the same infinity (silence).
bool Agree(double ours, double theirs) {
    return ours == theirs || std::abs(ours - theirs) <= kTolerance;
}

void ExpectAgreement(const std::string& path, const char* pszName) {
    CRiffChunkModel root;
    ASSERT_TRUE(root.Load(path)) << pszName;
    const SampleSource source = SampleSourceOf(root);
    const std::optional<Figures> library = LibraryFigures(source);
    const LoudnessResult ours = MeasureLoudness(source, {});
    ASSERT_TRUE(library && ours.values) << pszName << ": " << ours.strFailure;
    EXPECT_PRED2(Agree, ours.values->integrated, library->integrated) << pszName;
    EXPECT_PRED2(Agree, ours.values->range, library->range) << pszName;
    EXPECT_PRED2(Agree, ours.values->truePeak, library->truePeak) << pszName;
}

using Signal = std::function<double(std::int64_t nFrame, int nChannel)>;

struct SignalRow {
    const char* name;
    int channels;
    std::uint32_t rate;
    int bits;  // 32: float
    std::int64_t frames;
    Signal at;
};

void AppendSample(Bytes& bytes, int nBits, double value) {
    if (nBits == 32) {
        const auto sample = static_cast<float>(value);
        std::uint32_t word;
        std::memcpy(&word, &sample, 4);
        appendLe32(bytes, word);
        return;
    }
    const double full = std::ldexp(1.0, nBits - 1);
    const auto sample =
        static_cast<std::int32_t>(std::clamp(std::round(value * full), -full, full - 1));
    for (int i = 0; i < nBits / 8; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(sample) >> (8 * i)));
    }
}

Bytes SignalFile(const SignalRow& row) {
    Bytes format = PcmFormat(static_cast<std::uint16_t>(row.channels), row.rate,
                             static_cast<std::uint16_t>(row.bits));
    if (row.bits == 32) {
        format[0] = 3;
    }
    Bytes samples;
    for (std::int64_t f = 0; f < row.frames; ++f) {
        for (int c = 0; c < row.channels; ++c) {
            AppendSample(samples, row.bits, row.at(f, c));
        }
    }
    return WaveFile({{"fmt ", format}, {"data", samples}});
}

Signal Sine(double level, double frequency, std::uint32_t rate, double phase = 0) {
    const double amplitude = std::pow(10.0, level / 20);
    return [=](std::int64_t f, int) {
        return amplitude *
               std::sin(2 * std::numbers::pi * frequency * static_cast<double>(f) / rate + phase);
    };
}

// Ten seconds at -20 dBFS, ten at -35, in turn: a range of about 15 LU.
double Steps(std::int64_t f, int) {
    const double level = (f / 480000) % 2 == 0 ? 0.1 : 0.0178;
    return level * std::sin(2 * std::numbers::pi * 1000 * static_cast<double>(f) / 48000);
}

double Noise(std::int64_t f, int c) {
    std::mt19937 generator(static_cast<std::uint32_t>(f * 8 + c));
    return std::uniform_real_distribution<double>(-0.5, 0.5)(generator);
}

}  // namespace

TEST(LoudnessAgreementTest, GeneratedSignalsGiveTheLibrarysFigures) {
    const SignalRow rows[] = {
        {"997 Hz at -20 dBFS, stereo, 24-bit", 2, 48000, 24, 480000, Sine(-20, 997, 48000)},
        {"1 kHz at -6 dBFS, mono, 16-bit", 1, 48000, 16, 240000, Sine(-6, 1000, 48000)},
        {"100 Hz at -30 dBFS, stereo, float", 2, 44100, 32, 441000, Sine(-30, 100, 44100)},
        {"a quarter of the rate at 45 degrees", 1, 48000, 24, 96000,
         Sine(-6, 12000, 48000, std::numbers::pi / 4)},
        {"levels in turn, for the range", 2, 48000, 24, 48000 * 60, Steps},
        {"noise, 5.1 without a mask", 6, 48000, 24, 48000 * 4, Noise},
        {"twice oversampled at 96 kHz", 2, 96000, 24, 96000 * 4,
         Sine(-3, 24000, 96000, std::numbers::pi / 4)},
        {"not oversampled at 192 kHz", 1, 192000, 24, 192000 * 2, Sine(-3, 40000, 192000)},
        {"silence", 2, 48000, 16, 240000, [](std::int64_t, int) { return 0.0; }},
        {"one sample", 1, 48000, 24, 1, [](std::int64_t, int) { return 0.5; }},
    };
    for (const SignalRow& row : rows) {
        const TempDir dir;
        writeFile(dir.file("signal.wav"), SignalFile(row));
        ExpectAgreement(dir.file("signal.wav"), row.name);
    }
}

TEST(LoudnessAgreementTest, AQuarterOfTheRateAt45DegreesPeaks3DecibelsOverItsSamples) {
    // Every sample falls at 45 degrees of the sine, 3.01 dB under its crest. The interpolator of
    // 49 taps (the library's) passes a quarter of the rate 0.1 dB high, so it reads 3.11 dB.
    const SignalRow row{"", 2, 48000, 24, 48000, Sine(-6, 12000, 48000, std::numbers::pi / 4)};
    const TempDir dir;
    writeFile(dir.file("signal.wav"), SignalFile(row));
    CRiffChunkModel root;
    ASSERT_TRUE(root.Load(dir.file("signal.wav")));
    const LoudnessResult result = MeasureLoudness(root, {});
    ASSERT_TRUE(result.values);
    const double samplePeak = Decibels(std::abs(row.at(0, 0)));
    EXPECT_NEAR(result.values->truePeak - samplePeak, 3.01 + 0.1, kTolerance);
}

TEST(LoudnessAgreementTest, FilesFromTheFieldGiveTheLibrarysFigures) {
    const char* pszFolder = std::getenv("OVALIS_REAL_FILES");
    if (!pszFolder) {
        GTEST_SKIP() << "OVALIS_REAL_FILES is not set: no folder of real files";
    }
    for (const auto& entry : std::filesystem::directory_iterator(pszFolder)) {
        CRiffChunkModel root;
        const std::string path = entry.path().string();
        if (!root.Load(path) || !LibraryFigures(SampleSourceOf(root))) {
            continue;  // no samples the meter takes
        }
        ExpectAgreement(path, path.c_str());
    }
}
