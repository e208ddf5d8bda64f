#include "core/details/DbmdDetails.h"

#include <cstdio>

#include "core/base/LittleEndian.h"
#include "core/chunks/Chunk.h"
#include "core/details/DolbySegmentFields.h"

namespace {

struct SegmentName {
    unsigned id;
    const char* name;
};

constexpr SegmentName kSegmentNames[] = {
    {1, "Dolby E"},    {3, "Dolby Digital"}, {7, "Dolby Digital Plus"},
    {8, "Audio info"}, {9, "Dolby Atmos"},   {10, "Dolby Atmos supplemental"},
};

CString NameOf(unsigned id) {
    for (const SegmentName& segment : kSegmentNames) {
        if (segment.id == id) {
            return segment.name;
        }
    }
    return "unknown";
}

// The segment's checksum makes the sum of its size bytes, payload and checksum 0 modulo 256.
bool ChecksumAgrees(ByteSpan payload, std::size_t nAt, std::size_t nSize) {
    unsigned sum = payload[nAt + 1] + payload[nAt + 2];
    for (std::size_t i = 0; i < nSize; ++i) {
        sum += payload[nAt + 3 + i];
    }
    return ((sum + payload[nAt + 3 + nSize]) & 0xFF) == 0;
}

CString VersionText(DWORD dwVersion) {
    char text[32];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", dwVersion >> 24, (dwVersion >> 16) & 0xFF,
                  (dwVersion >> 8) & 0xFF, dwVersion & 0xFF);
    return text;
}

// A segment: its id byte at nAt, two size bytes, the payload, a checksum byte.
struct Segment {
    unsigned id;
    std::size_t nAt;
    std::size_t nSize;
};

// The segments up to the end marker (id 0); a segment running past the chunk's end ends the walk
// and is said in strProblem.
std::vector<Segment> SegmentsOf(ByteSpan payload, CString& strProblem) {
    std::vector<Segment> segments;
    std::size_t nAt = 4;
    while (nAt < payload.size() && payload[nAt] != 0) {
        const std::size_t nSize = static_cast<std::size_t>(LittleEndianOr0(payload, nAt + 1, 2));
        if (nAt + 4 + nSize > payload.size()) {
            strProblem = "; segment " + std::to_string(payload[nAt]) + " at byte " +
                         std::to_string(nAt) + " runs past the chunk's end";
            break;
        }
        segments.push_back({payload[nAt], nAt, nSize});
        nAt += 4 + nSize;
    }
    return segments;
}

}  // namespace

std::vector<DetailTable> DbmdDetails(const CChunk& chunk) {
    const ByteSpan payload = chunk.Payload();
    DetailTable table{"Metadata segments", {"Id", "Segment", "Size", "Checksum"}, {}, {}};
    DetailTable fields{"Segment fields", {"Id", "Field", "Value"}, {}, {}};
    CString strProblem;
    for (const Segment& segment : SegmentsOf(payload, strProblem)) {
        table.rows.push_back(
            {std::to_string(segment.id), NameOf(segment.id), std::to_string(segment.nSize),
             ChecksumAgrees(payload, segment.nAt, segment.nSize) ? "agrees" : "differs"});
        for (auto& row :
             SegmentFieldRows(segment.id, payload.subspan(segment.nAt + 3, segment.nSize))) {
            fields.rows.push_back(std::move(row));
        }
    }
    table.text =
        "Version " + VersionText(static_cast<DWORD>(LittleEndianOr0(payload, 0, 4))) + strProblem;
    return {table, fields};
}
