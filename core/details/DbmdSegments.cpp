#include "core/details/DbmdSegments.h"

std::vector<DbmdSegment> DbmdSegmentsOf(ByteSpan payload, CString& rProblem) {
    std::vector<DbmdSegment> segments;
    std::size_t nAt = 4;
    while (nAt < payload.size() && payload[nAt] != 0) {
        const auto nSize = static_cast<std::size_t>(LittleEndianOr0(payload, nAt + 1, 2));
        if (nAt + 4 + nSize > payload.size()) {
            rProblem = "; segment " + std::to_string(payload[nAt]) + " at byte " +
                       std::to_string(nAt) + " runs past the chunk's end";
            break;
        }
        segments.push_back({payload[nAt], nAt, nSize});
        nAt += 4 + nSize;
    }
    return segments;
}

bool DbmdChecksumAgrees(ByteSpan payload, const DbmdSegment& segment) {
    unsigned sum = payload[segment.nAt + 1] + payload[segment.nAt + 2];
    for (std::size_t i = 0; i < segment.nSize; ++i) {
        sum += payload[segment.nAt + 3 + i];
    }
    return ((sum + payload[segment.nAt + 3 + segment.nSize]) & 0xFF) == 0;
}
