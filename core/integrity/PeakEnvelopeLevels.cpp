#include "core/integrity/PeakEnvelopeLevels.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

#include "core/base/LittleEndian.h"
#include "core/chunks/Chunk.h"
#include "core/details/PeakEnvelopeDetails.h"

namespace {

constexpr std::size_t kHeaderSize = 120;
constexpr std::size_t kTimestampSize = 28;
constexpr DWORD kSixteenBitPoints = 2;
constexpr DWORD kBothPeaks = 2;
constexpr double kPointScale = 32767;
// A levl header naming more channels than a format can is not drawn.
constexpr DWORD kMostChannels = 0xFFFF;

void AppendDword(CString& strBytes, std::uint64_t value) {
    for (int i = 0; i < 4; ++i) {
        strBytes += static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

void AppendPoint(CString& strBytes, double level) {
    const auto point =
        static_cast<unsigned>(std::lround(std::clamp(level, 0.0, 1.0) * kPointScale));
    strBytes += static_cast<char>(point & 0xFF);
    strBytes += static_cast<char>(point >> 8);
}

// The frame of the largest peak of any channel.
std::int64_t PeakOfPeaks(const LevelReport& report) {
    const auto it = std::max_element(
        report.channels.begin(), report.channels.end(),
        [](const ChannelLevels& a, const ChannelLevels& b) { return a.peak < b.peak; });
    return it == report.channels.end() ? 0 : it->nPeakFrame;
}

}  // namespace

CString PeakEnvelopePayload(const LevelReport& report, const CString& strTimestamp) {
    const LevelEnvelope& envelope = report.envelope;
    CString strBytes;
    strBytes.reserve(kHeaderSize + envelope.maxima.size() * 4);
    AppendDword(strBytes, 0);
    AppendDword(strBytes, kSixteenBitPoints);
    AppendDword(strBytes, kBothPeaks);
    AppendDword(strBytes, static_cast<std::uint64_t>(envelope.nBlockFrames));
    AppendDword(strBytes, static_cast<std::uint64_t>(envelope.nChannels));
    AppendDword(strBytes, static_cast<std::uint64_t>(envelope.Blocks()));
    AppendDword(strBytes, static_cast<std::uint64_t>(PeakOfPeaks(report)));
    AppendDword(strBytes, kHeaderSize + 8);
    CString strStamp = strTimestamp.substr(0, kTimestampSize);
    strStamp.resize(kTimestampSize, '\0');
    strBytes += strStamp;
    strBytes.resize(kHeaderSize, '\0');
    for (std::size_t i = 0; i < envelope.maxima.size(); ++i) {
        AppendPoint(strBytes, envelope.maxima[i]);
        AppendPoint(strBytes, -envelope.minima[i]);
    }
    return strBytes;
}

std::optional<LevelEnvelope> EnvelopeOfChunk(const CChunk& chunk, std::size_t nMostBlocks) {
    const std::optional<PeakEnvelope> held = ReadPeakEnvelopeHeader(chunk);
    if (!held || held->channels == 0 || held->channels > kMostChannels || nMostBlocks == 0) {
        return std::nullopt;
    }
    const ByteSpan payload = chunk.Payload();
    const std::size_t nChannels = held->channels;
    const std::size_t nPoints = held->pointsPerValue == 2 ? 2 : 1;
    const std::size_t nBlocks = PeaksHeld(payload, *held) / (nChannels * nPoints);
    if (nBlocks == 0) {
        return std::nullopt;
    }
    const std::size_t nGroup = (nBlocks + nMostBlocks - 1) / nMostBlocks;
    const std::size_t nKept = (nBlocks + nGroup - 1) / nGroup;
    LevelEnvelope envelope{
        static_cast<std::int64_t>(held->blockSize) * static_cast<std::int64_t>(nGroup),
        static_cast<int>(nChannels), std::vector<float>(nKept * nChannels, 0.0f),
        std::vector<float>(nKept * nChannels, 0.0f)};
    for (std::size_t b = 0; b < nBlocks; ++b) {
        for (std::size_t c = 0; c < nChannels; ++c) {
            const std::size_t nPoint = (b * nChannels + c) * nPoints;
            const std::size_t nAt = b / nGroup * nChannels + c;
            envelope.maxima[nAt] = std::max(envelope.maxima[nAt], PeakAt(payload, *held, nPoint));
            envelope.minima[nAt] =
                std::min(envelope.minima[nAt], -PeakAt(payload, *held, nPoint + nPoints - 1));
        }
    }
    return envelope;
}

CString PeakEnvelopeTimestampNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y:%m:%d:%H:%M:%S:", &local);
    return text + std::to_string(1000 + milliseconds).substr(1);
}
