#include "core/details/TimeReferenceDetails.h"

#include <cstdio>

#include "core/chunks/Chunk.h"
#include "core/details/AudioFacts.h"
#include "core/fields/BextFields.h"

DetailTable TimeReferenceDetails(const CChunk& bext, const AudioFacts& facts) {
    DetailTable table{"Time reference", {"As", "Value"}, {}, {}};
    const auto samples = BextTimeReference(bext.Payload());
    if (!samples) {
        table.text = "The chunk does not hold the time reference.";
        return table;
    }
    table.rows.push_back({"Samples", std::to_string(*samples)});
    if (facts.dwSampleRate == 0) {
        table.text = "No sample rate: the file has no readable fmt chunk.";
        return table;
    }
    char seconds[40];
    std::snprintf(seconds, sizeof seconds, "%.6f", double(*samples) / facts.dwSampleRate);
    table.rows.push_back({"Seconds", seconds});
    table.rows.push_back({"Time", ClockText(*samples, facts.dwSampleRate)});
    table.rows.push_back({"Timecode", TimecodeText(*samples, facts.dwSampleRate, facts.Rate()) +
                                          " " + facts.RateNote()});
    return table;
}
