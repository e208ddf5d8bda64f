#include "core/details/PeakEnvelopeDetails.h"

#include <algorithm>

#include "core/base/LittleEndian.h"
#include "core/chunks/Chunk.h"

namespace {

constexpr std::size_t kHeaderSize = 120;
constexpr std::size_t kTimestampOffset = 32;
constexpr std::size_t kTimestampSize = 28;
// Peaks beyond this many are not read: a page draws no more.
constexpr std::size_t kMostPeaks = 1 << 20;

DWORD Dword(ByteSpan payload, std::size_t nAt) {
    return static_cast<DWORD>(LittleEndianOr0(payload, nAt, 4));
}

void ReadPeaks(ByteSpan payload, PeakEnvelope& rEnvelope) {
    const std::size_t nWidth = rEnvelope.format == 2 ? 2 : 1;
    const float fullScale = nWidth == 2 ? 32767.0f : 127.0f;
    const std::size_t nStart = std::max<std::size_t>(kHeaderSize, rEnvelope.offsetToPeaks);
    const std::size_t nHeld = payload.size() > nStart ? (payload.size() - nStart) / nWidth : 0;
    for (std::size_t i = 0; i < std::min(nHeld, kMostPeaks); ++i) {
        const auto value =
            static_cast<float>(LittleEndianOr0(payload, nStart + i * nWidth, nWidth));
        rEnvelope.peaks.push_back(std::min(1.0f, value / fullScale));
    }
}

}  // namespace

std::optional<PeakEnvelope> ReadPeakEnvelope(const CChunk& chunk) {
    const ByteSpan payload = chunk.Payload();
    if (payload.size() < kHeaderSize) {
        return std::nullopt;
    }
    PeakEnvelope envelope{Dword(payload, 0),
                          Dword(payload, 4),
                          Dword(payload, 8),
                          Dword(payload, 12),
                          Dword(payload, 16),
                          Dword(payload, 20),
                          Dword(payload, 24),
                          Dword(payload, 28),
                          {},
                          {}};
    envelope.timestamp =
        CString(reinterpret_cast<const char*>(payload.data()) + kTimestampOffset, kTimestampSize);
    envelope.timestamp.erase(std::find(envelope.timestamp.begin(), envelope.timestamp.end(), '\0'),
                             envelope.timestamp.end());
    ReadPeaks(payload, envelope);
    return envelope;
}

DetailTable PeakEnvelopeDetails(const CChunk& chunk) {
    const std::optional<PeakEnvelope> envelope = ReadPeakEnvelope(chunk);
    if (!envelope) {
        return {"Peak envelope",
                {},
                {},
                "The chunk holds " + std::to_string(chunk.Payload().size()) +
                    " bytes, fewer than the header's " + std::to_string(kHeaderSize) + "."};
    }
    const auto text = [](DWORD value) { return std::to_string(value); };
    return {"Peak envelope",
            {"Field", "Value"},
            {{"Version", text(envelope->version)},
             {"Format", envelope->format == 2   ? "16-bit peaks"
                        : envelope->format == 1 ? "8-bit peaks"
                                                : text(envelope->format)},
             {"Points per value", text(envelope->pointsPerValue)},
             {"Block size", text(envelope->blockSize) + " frames"},
             {"Channels", text(envelope->channels)},
             {"Peak frames", text(envelope->frames)},
             {"Peak of peaks at", text(envelope->peakOfPeaksPosition)},
             {"Offset to peaks", text(envelope->offsetToPeaks)},
             {"Timestamp", envelope->timestamp},
             {"Peaks held", std::to_string(envelope->peaks.size())}},
            {}};
}
