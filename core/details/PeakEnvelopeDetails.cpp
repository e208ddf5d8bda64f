#include "core/details/PeakEnvelopeDetails.h"

#include <algorithm>
#include <cmath>

#include "core/base/LittleEndian.h"
#include "core/chunks/Chunk.h"

namespace {

constexpr std::size_t kHeaderSize = 120;
constexpr std::size_t kTimestampOffset = 32;
constexpr std::size_t kTimestampSize = 28;
// Peaks beyond this many are not read: a page draws no more.
constexpr std::size_t kMostPeaks = 1 << 20;

std::size_t PeakWidth(const PeakEnvelope& envelope) {
    return envelope.format == 2 ? 2 : 1;
}

// The offset counts from the chunk's own header, 8 bytes before the payload (128 as a rule).
std::size_t PeaksStart(const PeakEnvelope& envelope) {
    return std::max<std::size_t>(kHeaderSize,
                                 envelope.offsetToPeaks > 8 ? envelope.offsetToPeaks - 8 : 0);
}

void ReadPeaks(ByteSpan payload, PeakEnvelope& rEnvelope) {
    const std::size_t nHeld = PeaksHeld(payload, rEnvelope);
    for (std::size_t i = 0; i < std::min(nHeld, kMostPeaks); ++i) {
        rEnvelope.peaks.push_back(PeakAt(payload, rEnvelope, i));
    }
}

constexpr std::size_t kDrawnColumns = 56;
constexpr int kDrawnHalfRows = 4;

// The largest peak of each column's share of the peaks.
std::vector<float> ColumnPeaks(const std::vector<float>& peaks) {
    std::vector<float> columns(std::min(kDrawnColumns, peaks.size()), 0.0f);
    for (std::size_t i = 0; i < peaks.size(); ++i) {
        float& rColumn = columns[i * columns.size() / peaks.size()];
        rColumn = std::max(rColumn, peaks[i]);
    }
    return columns;
}

// The envelope drawn in characters, mirrored about its middle line, as a waveform is drawn.
CString EnvelopeDrawing(const std::vector<float>& peaks) {
    const std::vector<float> columns = ColumnPeaks(peaks);
    CString strDrawing;
    for (int row = kDrawnHalfRows; row >= -kDrawnHalfRows; --row) {
        const float level = static_cast<float>(std::abs(row)) / kDrawnHalfRows;
        for (const float peak : columns) {
            strDrawing += row == 0 ? '-' : (peak >= level - 0.5f / kDrawnHalfRows ? '#' : ' ');
        }
        strDrawing += '\n';
    }
    return strDrawing;
}

}  // namespace

std::size_t PeaksHeld(ByteSpan payload, const PeakEnvelope& envelope) {
    const std::size_t nStart = PeaksStart(envelope);
    return payload.size() > nStart ? (payload.size() - nStart) / PeakWidth(envelope) : 0;
}

float PeakAt(ByteSpan payload, const PeakEnvelope& envelope, std::size_t nIndex) {
    const std::size_t nWidth = PeakWidth(envelope);
    const float fullScale = nWidth == 2 ? 32767.0f : 127.0f;
    const auto value = static_cast<float>(
        LittleEndianOr0(payload, PeaksStart(envelope) + nIndex * nWidth, nWidth));
    return std::min(1.0f, value / fullScale);
}

std::optional<PeakEnvelope> ReadPeakEnvelopeHeader(const CChunk& chunk) {
    const ByteSpan payload = chunk.Payload();
    if (payload.size() < kHeaderSize) {
        return std::nullopt;
    }
    PeakEnvelope envelope{static_cast<DWORD>(LittleEndianOr0(payload, 0, 4)),
                          static_cast<DWORD>(LittleEndianOr0(payload, 4, 4)),
                          static_cast<DWORD>(LittleEndianOr0(payload, 8, 4)),
                          static_cast<DWORD>(LittleEndianOr0(payload, 12, 4)),
                          static_cast<DWORD>(LittleEndianOr0(payload, 16, 4)),
                          static_cast<DWORD>(LittleEndianOr0(payload, 20, 4)),
                          static_cast<DWORD>(LittleEndianOr0(payload, 24, 4)),
                          static_cast<DWORD>(LittleEndianOr0(payload, 28, 4)),
                          {},
                          {}};
    envelope.timestamp =
        CString(reinterpret_cast<const char*>(payload.data()) + kTimestampOffset, kTimestampSize);
    envelope.timestamp.erase(std::find(envelope.timestamp.begin(), envelope.timestamp.end(), '\0'),
                             envelope.timestamp.end());
    return envelope;
}

std::optional<PeakEnvelope> ReadPeakEnvelope(const CChunk& chunk) {
    std::optional<PeakEnvelope> envelope = ReadPeakEnvelopeHeader(chunk);
    if (envelope) {
        ReadPeaks(chunk.Payload(), *envelope);
    }
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
            envelope->peaks.empty() ? CString() : "Envelope:\n" + EnvelopeDrawing(envelope->peaks)};
}
