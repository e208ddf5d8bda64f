#include "core/integrity/BextLoudness.h"

#include <cmath>

#include "core/chunks/BEXTChunkModel.h"
#include "core/chunks/RiffChunkModel.h"

namespace {

constexpr std::size_t kVersionAt = 346;
constexpr std::size_t kLoudnessAt = 412;
constexpr std::size_t kLoudnessEnd = kLoudnessAt + 10;
constexpr std::int16_t kUnset = 0x7FFF;

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

void Store(BYTE* p, std::uint16_t nValue) {
    p[0] = static_cast<BYTE>(nValue);
    p[1] = static_cast<BYTE>(nValue >> 8);
}

}  // namespace

std::array<std::int16_t, 5> LoudnessWords(const LoudnessValues& values) {
    return {Word(values.integrated), Word(values.range), Word(values.truePeak),
            Word(values.maxMomentary), Word(values.maxShortTerm)};
}

CString WriteLoudness(CChunk& bext, const LoudnessValues& values) {
    if (!bext.Data() || bext.DataSize() < kLoudnessEnd) {
        return "the bext chunk holds " + std::to_string(bext.DataSize()) +
               " bytes; the loudness fields need " + std::to_string(kLoudnessEnd) +
               ", and a bext chunk is not grown: loudness not written";
    }
    BYTE* p = bext.Data();
    const unsigned nVersion = p[kVersionAt] | p[kVersionAt + 1] << 8;
    if (nVersion > 2) {
        return "the bext chunk's version " + std::to_string(nVersion) +
               " is unknown: loudness not written";
    }
    const auto words = LoudnessWords(values);
    for (std::size_t i = 0; i < words.size(); ++i) {
        Store(p + kLoudnessAt + 2 * i, static_cast<std::uint16_t>(words[i]));
    }
    Store(p + kVersionAt, 2);
    return CString();
}

CChunk* BextChunkOf(const CRiffChunkModel& root) {
    for (CObject* pObject : root) {
        if (pObject->IsKindOf(RUNTIME_CLASS(CBEXTChunkModel))) {
            return static_cast<CChunk*>(pObject);
        }
    }
    return nullptr;
}
