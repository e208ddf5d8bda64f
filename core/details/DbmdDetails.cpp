#include "core/details/DbmdDetails.h"

#include <cstdio>

#include "core/base/LittleEndian.h"
#include "core/chunks/Chunk.h"
#include "core/details/DbmdSegments.h"
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

CString VersionText(DWORD dwVersion) {
    char text[32];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", dwVersion >> 24, (dwVersion >> 16) & 0xFF,
                  (dwVersion >> 8) & 0xFF, dwVersion & 0xFF);
    return text;
}

}  // namespace

std::vector<DetailTable> DbmdDetails(const CChunk& chunk) {
    const ByteSpan payload = chunk.Payload();
    DetailTable table{"Metadata segments", {"Id", "Segment", "Size", "Checksum"}, {}, {}};
    DetailTable fields{"Segment fields", {"Id", "Field", "Value"}, {}, {}};
    CString strProblem;
    for (const DbmdSegment& segment : DbmdSegmentsOf(payload, strProblem)) {
        table.rows.push_back({std::to_string(segment.id), NameOf(segment.id),
                              std::to_string(segment.nSize),
                              DbmdChecksumAgrees(payload, segment) ? "agrees" : "differs"});
        for (auto& row :
             SegmentFieldRows(segment.id, payload.subspan(segment.nAt + 3, segment.nSize))) {
            fields.rows.push_back(std::move(row));
        }
    }
    table.text =
        "Version " + VersionText(static_cast<DWORD>(LittleEndianOr0(payload, 0, 4))) + strProblem;
    return {table, fields};
}
