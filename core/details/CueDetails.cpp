#include "core/details/CueDetails.h"

#include <algorithm>
#include <unordered_map>

#include "core/base/LittleEndian.h"
#include "core/chunks/Chunk.h"
#include "core/details/AudioFacts.h"
#include "core/details/ListDetails.h"
#include "core/details/SubChunks.h"

namespace {

constexpr DWORD kPointSize = 24;
constexpr DWORD kPositionAt = 4;
constexpr DWORD kSampleOffsetAt = 20;

struct Labels {
    CString label;
    CString note;
    CString length;
};

using LabelsById = std::unordered_map<DWORD, Labels>;

// One walk over the entries, in their order: a later label or note replaces an earlier one.
LabelsById LabelsOf(const std::vector<AdtlEntry>& entries) {
    LabelsById byId;
    for (const AdtlEntry& entry : entries) {
        Labels& labels = byId[entry.cuePointId];
        if (entry.kind == "labl") {
            labels.label = entry.text;
        } else if (entry.kind == "note") {
            labels.note = entry.text;
        } else {
            labels.length = entry.labelled.length;
            labels.label = labels.label.empty() ? entry.text : labels.label;
        }
    }
    return byId;
}

// The first adtl list's entries: markers take their texts from it and edits change it alone.
std::vector<AdtlEntry> FileAdtlEntries(const CChunk& chunk) {
    if (!chunk.m_pParent) {
        return {};
    }
    for (CObject* pObject : *chunk.m_pParent) {
        if (const auto& list = *static_cast<const CChunk*>(pObject); ListType(list) == "adtl") {
            return AdtlEntries(list);
        }
    }
    return {};
}

// Samples and Time count from the file's start; the timecode is the time of day when bext gives
// the time reference of that start.
CString TimecodeStart(const AudioFacts& facts) {
    if (!facts.timeReference) {
        return "from the file's start: no time reference.";
    }
    return "from the time reference " +
           TimecodeText(*facts.timeReference, facts.dwSampleRate, facts.Rate()) +
           "; Samples and Time from the file's start.";
}

// A marker with a length is a region: where it ends, as samples and timecode, and how long it
// lasts. Empty cells for a point.
std::vector<CString> RegionCells(std::uint64_t start, const CString& strLength,
                                 const AudioFacts& facts) {
    const std::uint64_t length = strLength.empty() ? 0 : std::stoull(strLength);
    if (length == 0) {
        return {"", "", ""};
    }
    return {std::to_string(start + length),
            TimeOfDayText(facts.timeReference.value_or(0), start + length, facts.dwSampleRate,
                          facts.Rate()),
            ClockText(length, facts.dwSampleRate)};
}

}  // namespace

DetailTable CueDetails(const CChunk& chunk, const AudioFacts& facts) {
    DetailTable table{"Markers",
                      {"Id", "Samples", "Time", "Timecode", "Label", "Note", "Length", "End",
                       "End timecode", "Duration", "dwPosition"},
                      {},
                      {}};
    const LabelsById labelsById = LabelsOf(FileAdtlEntries(chunk));
    const auto declared = LittleEndianAt(chunk.Payload(), 0, 4);
    if (!declared) {
        table.text = "The chunk holds no count of cue points.";
        return table;
    }
    const std::uint64_t held = (chunk.DataSize() - 4) / kPointSize;
    for (std::uint64_t i = 0; i < std::min<std::uint64_t>(*declared, held); ++i) {
        const DWORD at = static_cast<DWORD>(4 + i * kPointSize);
        const DWORD dwId = static_cast<DWORD>(*LittleEndianAt(chunk.Payload(), at, 4));
        const std::uint64_t position = *LittleEndianAt(chunk.Payload(), at + kPositionAt, 4);
        const std::uint64_t samples = *LittleEndianAt(chunk.Payload(), at + kSampleOffsetAt, 4);
        const auto found = labelsById.find(dwId);
        const Labels labels = found == labelsById.end() ? Labels{} : found->second;
        std::vector<CString> row{std::to_string(dwId),
                                 std::to_string(samples),
                                 ClockText(samples, facts.dwSampleRate),
                                 TimeOfDayText(facts.timeReference.value_or(0), samples,
                                               facts.dwSampleRate, facts.Rate()),
                                 labels.label,
                                 labels.note,
                                 labels.length};
        for (CString& strCell : RegionCells(samples, labels.length, facts)) {
            row.push_back(std::move(strCell));
        }
        // Shown only where it differs from the sample offset, which places the marker.
        row.push_back(position != samples ? std::to_string(position) : CString());
        table.rows.push_back(std::move(row));
    }
    if (*declared > held) {
        table.text = "The chunk declares " + std::to_string(*declared) + " cue points but holds " +
                     std::to_string(held) + ".";
    } else if (facts.dwSampleRate) {
        table.text = "Timecode at " + TimecodeRateName(facts.Rate()) +
                     (facts.ixmlRate ? ", from iXML, " : ", no iXML rate, ") + TimecodeStart(facts);
    }
    return table;
}
