#include "core/details/CartDetails.h"

#include <algorithm>

#include "core/base/LittleEndian.h"
#include "core/chunks/Chunk.h"
#include "core/details/AudioFacts.h"
#include "core/fields/CartFields.h"

namespace {

// The usage id's characters up to its first zero byte; a timer whose id is all zeros is unused.
CString UsageText(const CChunk& cart, DWORD dwAt) {
    CString strUsage;
    for (std::uint64_t id = LittleEndianAt(cart.Payload(), dwAt, 4).value_or(0); id & 0xFF;
         id >>= 8) {
        strUsage += static_cast<char>(id & 0xFF);
    }
    return strUsage;
}

DWORD TimersHeld(const CChunk& cart) {
    const DWORD dwSize = cart.DataSize();
    const DWORD dwAfter = dwSize > kCartPostTimersAt ? dwSize - kCartPostTimersAt : 0;
    return std::min(dwAfter / kCartPostTimerSize, kCartPostTimerCount);
}

CString TimecodeNote(const AudioFacts& facts) {
    if (!facts.dwSampleRate) {
        return "No sample rate: the file has no readable fmt chunk.";
    }
    return "Timecode at " + TimecodeRateName(facts.Rate()) +
           (facts.timeReference ? ", the time of day from the time reference."
                                : ", from the file's start: no time reference.");
}

}  // namespace

std::vector<ChunkMarker> CartTimers(const CChunk& cart) {
    std::vector<ChunkMarker> timers;
    const DWORD dwHeld = TimersHeld(cart);
    for (DWORD i = 0; i < dwHeld; ++i) {
        const DWORD dwAt = kCartPostTimersAt + i * kCartPostTimerSize;
        CString strUsage = UsageText(cart, dwAt);
        if (!strUsage.empty()) {
            timers.push_back({i + 1, std::move(strUsage),
                              LittleEndianAt(cart.Payload(), dwAt + 4, 4).value_or(0)});
        }
    }
    return timers;
}

DetailTable CartDetails(const CChunk& cart, const AudioFacts& facts) {
    DetailTable table{"Cart markers", {"Timer", "Usage", "Samples", "Time", "Timecode"}, {}, {}};
    for (const ChunkMarker& timer : CartTimers(cart)) {
        table.rows.push_back({std::to_string(timer.number), timer.strUsage,
                              std::to_string(timer.samples),
                              ClockText(timer.samples, facts.dwSampleRate),
                              TimeOfDayText(facts.timeReference.value_or(0), timer.samples,
                                            facts.dwSampleRate, facts.Rate())});
    }
    const DWORD dwHeld = TimersHeld(cart);
    table.text = dwHeld < kCartPostTimerCount
                     ? "The chunk holds " + std::to_string(dwHeld) + " of the 8 post timers."
                     : TimecodeNote(facts);
    return table;
}
