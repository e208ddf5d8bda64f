#include "core/fields/BextFields.h"

namespace {

using K = FieldKind;

// The time reference is shown in hexadecimal and the version as stored; neither is written back.
// Version 1 added the UMID and version 2 the loudness levels, in the reserved bytes after it.
constexpr FieldLayout kBext[] = {
    {"Description", 0, 256, K::FixedText, true, true, true},
    {"Originator", 256, 32, K::FixedText, true},
    {"OriginatorReference", 288, 32, K::FixedText, true},
    {"OriginationDate", 320, 10, K::Date, true},
    {"OriginationTime", 330, 8, K::Time, true},
    {"TimeReferenceLow", 338, 4, K::HexNumber, false},
    {"CodingHistory", kBextFixedSize, 0, K::TextToEnd, true, true, true},
    {"TimeReferenceHigh", 342, 4, K::HexNumber, false},
    {"Version", 346, 2, K::Number, false},
    {"UMID", 348, 64, K::Umid, false, false, false, nullptr, 1},
    {"LoudnessValue", 412, 2, K::Hundredths, true, false, false, nullptr, 2},
    {"LoudnessRange", 414, 2, K::Hundredths, true, false, false, nullptr, 2},
    {"MaxTruePeakLevel", 416, 2, K::Hundredths, true, false, false, nullptr, 2},
    {"MaxMomentaryLoudness", 418, 2, K::Hundredths, true, false, false, nullptr, 2},
    {"MaxShortTermLoudness", 420, 2, K::Hundredths, true, false, false, nullptr, 2},
};

}  // namespace

const FieldTable kBextFields{"bext", "bext", kBext};

std::optional<std::uint64_t> BextTimeReference(ByteSpan payload) {
    const auto lowValue = kBextFields.Find("TimeReferenceLow")->NumberIn(payload);
    const auto highValue = kBextFields.Find("TimeReferenceHigh")->NumberIn(payload);
    if (!lowValue || !highValue) {
        return std::nullopt;
    }
    return *highValue << 32 | *lowValue;
}
