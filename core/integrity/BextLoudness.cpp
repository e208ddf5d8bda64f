#include "core/integrity/BextLoudness.h"

#include <cmath>

#include "core/chunks/RiffChunkModel.h"
#include "core/fields/BextFields.h"

namespace {

constexpr std::int16_t kUnset = 0x7FFF;

const FieldLayout& Field(const char* pszName) {
    return *kBextFields.Find(pszName);
}

// Where the last loudness field ends: a payload shorter than that cannot take them.
std::size_t LoudnessEnd() {
    const FieldLayout& last = Field(kBextLoudnessFields[std::size(kBextLoudnessFields) - 1]);
    return last.offset + last.width;
}

std::int16_t Word(double dValue) {
    if (!std::isfinite(dValue)) {
        return kUnset;
    }
    const double dHundredths = std::round(dValue * 100);
    // 0x7FFF itself would read as "not set".
    if (dHundredths >= kUnset || dHundredths < INT16_MIN) {
        return kUnset;
    }
    return static_cast<std::int16_t>(dHundredths);
}

void Store(CChunk& bext, const char* pszField, std::uint16_t nValue) {
    Field(pszField).StoreIn(std::span<BYTE>(bext.Data(), bext.DataSize()), nValue);
}

}  // namespace

std::array<std::int16_t, 5> LoudnessWords(const LoudnessValues& values) {
    return {Word(values.integrated), Word(values.range), Word(values.truePeak),
            Word(values.maxMomentary), Word(values.maxShortTerm)};
}

CString WriteLoudness(CChunk& bext, const LoudnessValues& values) {
    if (!bext.Data() || bext.DataSize() < LoudnessEnd()) {
        return "the bext chunk holds " + std::to_string(bext.DataSize()) +
               " bytes; the loudness fields need " + std::to_string(LoudnessEnd()) +
               ", and a bext chunk is not grown: loudness not written";
    }
    const std::uint64_t nVersion = Field("Version").NumberIn(bext.Payload()).value_or(0);
    if (nVersion > 2) {
        return "the bext chunk's version " + std::to_string(nVersion) +
               " is unknown: loudness not written";
    }
    const auto words = LoudnessWords(values);
    for (std::size_t i = 0; i < words.size(); ++i) {
        Store(bext, kBextLoudnessFields[i], static_cast<std::uint16_t>(words[i]));
    }
    Store(bext, "Version", 2);
    return CString();
}

CChunk* BextChunkOf(const CRiffChunkModel& root) {
    return root.FirstChunk(mmioStringToFOURCC(kBextFields.chunkId, 0));
}
